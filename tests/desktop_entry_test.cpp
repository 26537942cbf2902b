// The desktop entry and the project file type that the set-up script
// installs: a valid entry that takes a file, for the type of "*.cxl".
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <regex>
#include <string>

#include "support/temp_folder.h"

namespace calvix {
namespace {

namespace fs = std::filesystem;

fs::path DesktopFolder() {
  return fs::path(CALVIX_SOURCE_DIR) / "desktop";
}

std::string Installed(const std::string& entry) {
  return std::regex_replace(entry, std::regex("@CALVIX_PROGRAM@"), "/opt/calvix/calvix");
}

TEST(DesktopEntryTest, OpensProjectFilesOfItsOwnType) {
  const std::string entry = Installed(testing::ReadBytes(DesktopFolder() / "calvix.desktop.in"));
  const std::string type = testing::ReadBytes(DesktopFolder() / "calvix-project.xml");
  EXPECT_NE(entry.find("\nExec=/opt/calvix/calvix %f\n"), std::string::npos);
  EXPECT_NE(entry.find("\nMimeType=application/x-calvix-project;\n"), std::string::npos);
  EXPECT_NE(type.find("<mime-type type=\"application/x-calvix-project\">"), std::string::npos);
  EXPECT_NE(type.find("<glob pattern=\"*.cxl\"/>"), std::string::npos);
  EXPECT_TRUE(fs::is_regular_file(DesktopFolder() / "calvix.svg"));
}

TEST(DesktopEntryTest, PassesTheDesktopEntryValidator) {
  testing::TempFolder folder;
  const fs::path entry = folder / "calvix.desktop";
  testing::WriteBytes(entry, Installed(testing::ReadBytes(DesktopFolder() / "calvix.desktop.in")));
  // desktop-file-utils comes with the set-up script's packages.
  const std::string command = "desktop-file-validate '" + entry.string() + "' 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string output;
  char buffer[512];
  while (fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
  const int status = pclose(pipe);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << output;
  EXPECT_EQ(output, "");
}

}  // namespace
}  // namespace calvix
