// The save question before a problem is replaced, and Save / Save As.
#include "files/file_commands.h"

#include <gtest/gtest.h>

#include "support/started_session.h"

namespace calvix {
namespace {

using testing::ReadBytes;
using testing::StartedSession;

TEST(FileCommandsTest, AnUnchangedProblemIsNotQuestioned) {
  StartedSession started;
  EXPECT_TRUE(ResolveUnsavedChanges(started.session));
  EXPECT_TRUE(started.platform.messages.empty());
}

struct AnswerCase {
  MessageAnswer answer;
  bool goOn;
  size_t saveDialogs;
};

class SaveQuestionTest : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(SaveQuestionTest, TheAnswerDecides) {
  StartedSession started;
  started.problem().DataChanged = true;
  started.platform.answers.push_back(GetParam().answer);
  auto path = started.folder / "answered.cxl";
  started.platform.files.push_back(path);
  EXPECT_EQ(ResolveUnsavedChanges(started.session), GetParam().goOn);
  ASSERT_EQ(started.platform.messages.size(), 1u);
  const Message& question = started.platform.messages[0];
  EXPECT_EQ(question.text, "Save changes to Untitled?");
  EXPECT_EQ(question.title, "Calvix");
  EXPECT_EQ(question.buttons, MessageButtons::SaveDiscardCancel);
  EXPECT_EQ(started.platform.dialogs.size(), GetParam().saveDialogs);
  EXPECT_EQ(std::filesystem::exists(path), GetParam().saveDialogs == 1);
}

INSTANTIATE_TEST_SUITE_P(Answers, SaveQuestionTest,
                         ::testing::Values(AnswerCase{MessageAnswer::Save, true, 1},
                                           AnswerCase{MessageAnswer::Discard, true, 0},
                                           AnswerCase{MessageAnswer::Cancel, false, 0},
                                           // A box closed without a button.
                                           AnswerCase{MessageAnswer::Ok, false, 0}));

TEST(FileCommandsTest, SaveCancelledInItsDialogCancelsTheCommand) {
  StartedSession started;
  started.problem().DataChanged = true;
  started.platform.answers.push_back(MessageAnswer::Save);
  started.platform.files.push_back(std::nullopt);
  EXPECT_FALSE(ResolveUnsavedChanges(started.session));
  EXPECT_TRUE(started.problem().DataChanged);
}

TEST(FileCommandsTest, SaveGoesToTheCurrentFileWithoutADialog) {
  StartedSession started;
  auto first = started.folder / "wall.cxl";
  started.platform.files.push_back(first);
  ASSERT_TRUE(SaveFile(started.session));  // never saved: asks like Save As
  ASSERT_EQ(started.platform.dialogs.size(), 1u);
  EXPECT_EQ(started.session.projectPath, first);
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
}

TEST(FileCommandsTest, NewForgetsTheFileAndOpenAtReadsOneWithoutADialog) {
  StartedSession started;
  auto path = started.folder / "kept.cxl";
  started.entry().Project = "Kept";
  started.platform.files.push_back(path);
  ASSERT_TRUE(SaveFile(started.session));
  ASSERT_TRUE(NewProblem(started.session));
  EXPECT_TRUE(started.session.projectPath.empty());
  EXPECT_EQ(started.entry().Project, "");
  ASSERT_TRUE(OpenFileAt(started.session, path));
  EXPECT_EQ(started.entry().Project, "Kept");
  EXPECT_EQ(started.session.projectPath, path);
  EXPECT_EQ(started.platform.dialogs.size(), 1u);  // only the first save asked
}

}  // namespace
}  // namespace calvix
