#include "cli/console_platform.h"

#include <algorithm>
#include <ostream>

namespace calvix {

ConsolePlatform::ConsolePlatform(std::ostream& errors) : errors_(errors) {}

MessageAnswer ConsolePlatform::ShowMessage(const Message& message) {
  messages_.push_back(message);
  std::string text = message.text;
  std::replace(text.begin(), text.end(), '\r', '\n');
  errors_ << message.title << ": " << text << '\n';
  // The console never keeps unsaved work between runs: a save question is
  // answered "Don't Save", so that no file is written unasked.
  if (message.buttons == MessageButtons::SaveDiscardCancel) return MessageAnswer::Discard;
  return message.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

std::optional<std::filesystem::path> ConsolePlatform::ChooseFileToOpen(const FileDialogRequest&) {
  return openPath_;
}

std::optional<std::filesystem::path> ConsolePlatform::ChooseFileToSave(const FileDialogRequest&) {
  return savePath_;
}

}  // namespace calvix
