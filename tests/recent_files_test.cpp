// The recent-files list of the File menu, kept in the settings file.
#include "files/recent_files.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace calvix {
namespace {

using Paths = std::vector<std::filesystem::path>;

TEST(RecentFilesTest, NewestFirstWithoutDuplicatesAndAtMostFive) {
  testing::TempFolder folder;
  SettingsFile settings(folder / "Calvix.ini");
  EXPECT_TRUE(ReadRecentFiles(settings).empty());
  for (const char* name : {"/w/a.cxl", "/w/b.cxl", "/w/c.cxl"}) {
    ASSERT_TRUE(AddRecentFile(settings, name));
  }
  EXPECT_EQ(ReadRecentFiles(settings), (Paths{"/w/c.cxl", "/w/b.cxl", "/w/a.cxl"}));
  // Opening a listed file again moves it to the top.
  ASSERT_TRUE(AddRecentFile(settings, "/w/a.cxl"));
  EXPECT_EQ(ReadRecentFiles(settings), (Paths{"/w/a.cxl", "/w/c.cxl", "/w/b.cxl"}));
  for (const char* name : {"/w/d.cxl", "/w/e.cxl", "/w/f.cxl"}) {
    ASSERT_TRUE(AddRecentFile(settings, name));
  }
  EXPECT_EQ(ReadRecentFiles(settings),
            (Paths{"/w/f.cxl", "/w/e.cxl", "/w/d.cxl", "/w/a.cxl", "/w/c.cxl"}));
  EXPECT_EQ(settings.Read("Recent Files", "File1"), "/w/f.cxl");
}

TEST(RecentFilesTest, APathTheSettingsCannotHoldIsNotKept) {
  testing::TempFolder folder;
  SettingsFile settings(folder / "Calvix.ini");
  ASSERT_TRUE(AddRecentFile(settings, "/w/kept.cxl"));
  std::string longest = "/" + std::string(kSettingsValueMaxLength - 5, 'x') + ".cxl";
  ASSERT_EQ(longest.size(), kSettingsValueMaxLength);
  EXPECT_TRUE(AddRecentFile(settings, longest));
  EXPECT_FALSE(AddRecentFile(settings, "/x" + longest));         // one character too long
  EXPECT_FALSE(AddRecentFile(settings, "/w/\xE5\xA2\x99.cxl"));  // not in the code page
  EXPECT_EQ(ReadRecentFiles(settings), (Paths{longest, "/w/kept.cxl"}));
}

}  // namespace
}  // namespace calvix
