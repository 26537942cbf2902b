#include "files/window_place.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace calvix {
namespace {

using testing::TempFolder;

TEST(WindowPlaceTest, KeptAndReadBack) {
  TempFolder folder;
  SettingsFile settings(folder / "Calvix.ini");
  EXPECT_FALSE(ReadWindowPlace(settings, kMainWindowSection).has_value());
  WindowPlace place{120, 80, 1100, 760, true};
  ASSERT_TRUE(WriteWindowPlace(settings, kMainWindowSection, place));
  auto read = ReadWindowPlace(settings, kMainWindowSection);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(*read, place);
  EXPECT_EQ(settings.Read("Main Window", "Width"), "1100");
  EXPECT_EQ(settings.Read("Main Window", "Maximized"), "True");
}

TEST(WindowPlaceTest, NegativePositionsAreKept) {
  TempFolder folder;
  SettingsFile settings(folder / "Calvix.ini");
  WindowPlace place{-1200, -5, 900, 600, false};
  ASSERT_TRUE(WriteWindowPlace(settings, kMainWindowSection, place));
  EXPECT_EQ(ReadWindowPlace(settings, kMainWindowSection), place);
}

TEST(WindowPlaceTest, UnusableValuesGiveNothing) {
  TempFolder folder;
  SettingsFile settings(folder / "Calvix.ini");
  ASSERT_TRUE(WriteWindowPlace(settings, kMainWindowSection, {10, 10, 800, 600, false}));
  settings.Write("Main Window", "Width", "wide");
  EXPECT_FALSE(ReadWindowPlace(settings, kMainWindowSection).has_value());
  settings.Write("Main Window", "Width", "0");
  EXPECT_FALSE(ReadWindowPlace(settings, kMainWindowSection).has_value());
  settings.Write("Main Window", "Width", "800");
  settings.Write("Main Window", "Height", "12.5");
  EXPECT_FALSE(ReadWindowPlace(settings, kMainWindowSection).has_value());
  settings.Write("Main Window", "Height", "600");
  EXPECT_TRUE(ReadWindowPlace(settings, kMainWindowSection).has_value());
}

}  // namespace
}  // namespace calvix
