// The desktop program's platform: message boxes and file dialogs as Qt shows
// them.
#include "ui/qt_platform.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
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
