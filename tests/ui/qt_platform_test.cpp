// The desktop program's platform: message boxes and file dialogs as Qt shows
// them.
#include "ui/qt_platform.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace calvix::ui {
namespace {

TEST(QtPlatformTest, CarriageReturnsBecomeLineFeeds) {
  EXPECT_EQ(MessageTextForDisplay("Sorry, Partially grouted\rPlease change\r\rto use."),
            "Sorry, Partially grouted\nPlease change\n\nto use.");
  EXPECT_EQ(MessageTextForDisplay("a\r\nb"), "a\nb");
}

TEST(QtPlatformTest, FileFilterBecomesQtNameFilters) {
  EXPECT_EQ(QtFileFilter("Calvix Files (*.cxl)|*.cxl|All Files (*.*)|*.*"),
            "Calvix Files (*.cxl);;All Files (*.*)");
  EXPECT_EQ(QtFileFilter("Text Files|*.txt"), "Text Files (*.txt)");
}

TEST(QtPlatformTest, QuestionIsAYesNoBoxWithItsTitleAndText) {
  QtPlatform platform;
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    icon = box->icon();
    box->button(QMessageBox::No)->click();
  });
  EXPECT_FALSE(platform.AskYesNo("Are you sure you want to exit Calvix?", "Exit Program..."));
  EXPECT_EQ(title, "Exit Program...");
  EXPECT_EQ(text, "Are you sure you want to exit Calvix?");
  EXPECT_EQ(icon, QMessageBox::Question);
}

TEST(QtPlatformTest, SaveQuestionHasSaveDontSaveAndCancel) {
  QtPlatform platform;
  for (auto [button, expected] : {std::pair{QMessageBox::Save, MessageAnswer::Save},
                                  std::pair{QMessageBox::Discard, MessageAnswer::Discard},
                                  std::pair{QMessageBox::Cancel, MessageAnswer::Cancel}}) {
    QStringList texts;
    QTimer::singleShot(0, [&texts, button = button] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      for (QAbstractButton* shown : box->buttons()) texts << shown->text();
      box->button(button)->click();
    });
    EXPECT_EQ(platform.AskSaveDiscardCancel("Save changes to wall.cxl?", "Calvix"), expected);
    EXPECT_TRUE(texts.contains("Do&n't Save")) << texts.join(", ").toStdString();
  }
}

TEST(QtPlatformTest, TheWindowAMessageCameFromHasTheFocusAgain) {
  QWidget owner;
  QWidget other;
  other.show();
  owner.show();
  QApplication::setActiveWindow(&owner);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&owner));
  QtPlatform platform(&other);  // boxes belong to another window, as to the main window
  QTimer::singleShot(0, [] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    box->button(QMessageBox::Ok)->click();
  });
  platform.ShowInformation("Printed.", "Calvix");
  QApplication::processEvents();
  EXPECT_EQ(QApplication::activeWindow(), &owner);
}

TEST(QtPlatformTest, CancelledFileDialogChoosesNothing) {
  QtPlatform platform;
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Open Calvix File");
    dialog->reject();
  });
  FileDialogRequest request{"Open Calvix File", "Calvix Files (*.cxl)|*.cxl", "cxl", true, false};
  EXPECT_FALSE(platform.ChooseFileToOpen(request).has_value());
}

}  // namespace
}  // namespace calvix::ui
