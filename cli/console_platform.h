// The platform of calvix-cli: every message box goes to standard error as
// "TITLE: TEXT" (carriage returns shown as line breaks) and is recorded for
// the JSON document; every Yes / No question is answered Yes; the file
// dialogs return the files given on the command line.
#pragma once

#include <iosfwd>
#include <vector>

#include "model/platform.h"

namespace calvix {

class ConsolePlatform : public Platform {
 public:
  explicit ConsolePlatform(std::ostream& errors);

  MessageAnswer ShowMessage(const Message& message) override;
  std::optional<std::filesystem::path> ChooseFileToOpen(const FileDialogRequest& request) override;
  std::optional<std::filesystem::path> ChooseFileToSave(const FileDialogRequest& request) override;
  void SetBusyPointer(bool) override {}

  void SetFileToOpen(std::filesystem::path path) { openPath_ = std::move(path); }
  void SetFileToSave(std::filesystem::path path) { savePath_ = std::move(path); }
  const std::vector<Message>& messages() const { return messages_; }

 private:
  std::ostream& errors_;
  std::vector<Message> messages_;
  std::optional<std::filesystem::path> openPath_;
  std::optional<std::filesystem::path> savePath_;
};

}  // namespace calvix
