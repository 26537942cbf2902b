// A platform for tests: records every message box in order, answers questions
// from a script (Yes, or Save for a save question, when the script is empty) and hands out scripted
// file choices.
#pragma once

#include <deque>
#include <filesystem>
#include <optional>
#include <vector>

#include "model/platform.h"

namespace calvix::testing {

class RecordingPlatform : public Platform {
 public:
  MessageAnswer ShowMessage(const Message& message) override {
    messages.push_back(message);
    if (message.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    if (answers.empty()) {
      return message.buttons == MessageButtons::SaveDiscardCancel ? MessageAnswer::Save
                                                                  : MessageAnswer::Yes;
    }
    MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::optional<std::filesystem::path> ChooseFileToOpen(const FileDialogRequest& request) override {
    dialogs.push_back(request);
    return NextFile();
  }
  std::optional<std::filesystem::path> ChooseFileToSave(const FileDialogRequest& request) override {
    dialogs.push_back(request);
    return NextFile();
  }
  void SetBusyPointer(bool busy) override { pointer.push_back(busy); }
  void Beep() override { ++beeps; }

  std::vector<Message> messages;
  std::vector<FileDialogRequest> dialogs;
  std::vector<bool> pointer;  // every change of the busy pointer, in order
  std::deque<MessageAnswer> answers;
  std::deque<std::optional<std::filesystem::path>> files;  // nullopt = cancel
  int beeps = 0;

 private:
  std::optional<std::filesystem::path> NextFile() {
    if (files.empty()) return std::nullopt;
    auto next = files.front();
    files.pop_front();
    return next;
  }
};

}  // namespace calvix::testing
