// The save question before a problem is replaced, and Save / Save As.
#include "files/file_commands.h"

#include <gtest/gtest.h>

#include "support/started_session.h"

namespace calvix {
namespace {

using namespace testing;

TEST(FileCommandsTest, TheAnswerToTheSaveQuestionDecides) {
  struct Case {
    MessageAnswer answer;
    std::optional<std::string> file;
    bool goOn;
  };
  // Ok: a box closed without a button. The save dialog may be cancelled too.
  for (const Case& c : {Case{MessageAnswer::Save, "answered.cxl", true},
                        Case{MessageAnswer::Save, std::nullopt, false},
                        Case{MessageAnswer::Discard, std::nullopt, true},
                        Case{MessageAnswer::Cancel, std::nullopt, false},
                        Case{MessageAnswer::Ok, std::nullopt, false}}) {
    StartedSession started;
    started.problem().DataChanged = true;
    started.platform.answers.push_back(c.answer);
    started.platform.files.push_back(c.file ? std::optional(started.folder / *c.file)
                                            : std::nullopt);
    EXPECT_EQ(ResolveUnsavedChanges(started.session), c.goOn);
    ASSERT_EQ(started.platform.messages.size(), 1u);
    const Message& question = started.platform.messages[0];
    EXPECT_EQ(question.text, "Save changes to Untitled?");
    EXPECT_EQ(question.title, "Calvix");
    EXPECT_EQ(question.buttons, MessageButtons::SaveDiscardCancel);
    EXPECT_EQ(started.platform.dialogs.size(), c.answer == MessageAnswer::Save ? 1u : 0u);
    EXPECT_EQ(std::filesystem::exists(started.folder / "answered.cxl"), c.file.has_value());
    EXPECT_EQ(started.problem().DataChanged, !c.file.has_value());
  }
}

TEST(FileCommandsTest, SaveGoesToTheCurrentFileWithoutADialog) {
  StartedSession started;
  auto first = started.folder / "wall.cxl";
  started.platform.files.push_back(first);
  ASSERT_TRUE(SaveFile(started.session));  // never saved: asks like Save As
  EXPECT_EQ(ProblemName(started.session), "wall.cxl");
  started.entry().Project = "Second storey";
  started.problem().DataChanged = true;
  ASSERT_TRUE(SaveFile(started.session));
  EXPECT_EQ(started.platform.dialogs.size(), 1u);
  EXPECT_FALSE(started.problem().DataChanged);
  EXPECT_NE(ReadBytes(first).find("Second storey"), std::string::npos);
  // The save question names the file.
  started.problem().DataChanged = true;
  started.platform.answers.push_back(MessageAnswer::Cancel);
  EXPECT_FALSE(ResolveUnsavedChanges(started.session));
  EXPECT_EQ(started.platform.messages.back().text, "Save changes to wall.cxl?");
  // Save As moves the problem to the new file.
  auto second = started.folder / "copy.cxl";
  started.platform.files.push_back(second);
  ASSERT_TRUE(SaveFileAs(started.session));
  EXPECT_EQ(started.session.projectPath, second);
  EXPECT_EQ(started.session.window.Caption, "Calvix - " + second.string());
  // Open At reads a file without a dialog.
  ASSERT_TRUE(OpenFileAt(started.session, first));
  EXPECT_EQ(started.entry().Project, "Second storey");
  EXPECT_EQ(started.platform.dialogs.size(), 2u);
}

}  // namespace
}  // namespace calvix
