// What Calvix takes from the operating system: message boxes, Yes / No
// questions, file choice and the busy pointer. The desktop program implements
// it with its widgets, calvix-cli with the console, and the tests with a
// recording fake, so that every text, title and their order can be checked
// without a window.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace calvix {

enum class MessageIcon { Information, Question, Exclamation, Critical };
// SaveDiscardCancel is the question asked before unsaved changes would be
// lost: its buttons read "Save", "Don't Save" and "Cancel".
enum class MessageButtons { Ok, YesNo, SaveDiscardCancel };
enum class MessageAnswer { Ok, Yes, No, Save, Discard, Cancel };

// A modal message as the program builds it. Line breaks inside the text are
// single carriage returns ("\r").
struct Message {
  std::string text;
  std::string title;
  MessageIcon icon = MessageIcon::Information;
  MessageButtons buttons = MessageButtons::Ok;
};

// The standard open / save dialog's settings.
struct FileDialogRequest {
  std::string title;
  std::string filter;  // "Calvix Files (*.cxl)|*.cxl|All Files (*.*)|*.*"
  std::string defaultExtension;
  bool mustExist = false;         // open: the file must exist
  bool confirmOverwrite = false;  // save: the dialog asks before replacing a file
};

class Platform {
 public:
  virtual ~Platform() = default;

  virtual MessageAnswer ShowMessage(const Message& message) = 0;
  // Returns the chosen path, or nothing when the user cancelled.
  virtual std::optional<std::filesystem::path> ChooseFileToOpen(
      const FileDialogRequest& request) = 0;
  virtual std::optional<std::filesystem::path> ChooseFileToSave(
      const FileDialogRequest& request) = 0;
  // The hourglass pointer while a solve runs.
  virtual void SetBusyPointer(bool busy) = 0;
  virtual void Beep() {}

  // An OK box with the information icon.
  void ShowInformation(const std::string& text, const std::string& title) {
    ShowMessage({text, title, MessageIcon::Information, MessageButtons::Ok});
  }
  // A Yes / No box with the question icon; true when the answer is Yes.
  bool AskYesNo(const std::string& text, const std::string& title) {
    return ShowMessage({text, title, MessageIcon::Question, MessageButtons::YesNo}) ==
           MessageAnswer::Yes;
  }
  // A Save / Don't Save / Cancel box with the exclamation icon. Any answer
  // other than Save or Discard (a closed box) counts as Cancel.
  MessageAnswer AskSaveDiscardCancel(const std::string& text, const std::string& title) {
    MessageAnswer answer =
        ShowMessage({text, title, MessageIcon::Exclamation, MessageButtons::SaveDiscardCancel});
    if (answer == MessageAnswer::Save || answer == MessageAnswer::Discard) return answer;
    return MessageAnswer::Cancel;
  }
};

}  // namespace calvix
