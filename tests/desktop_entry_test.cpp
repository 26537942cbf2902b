// The desktop entry and the project file type that the set-up script
// installs: a valid entry that takes a file, for the type of "*.cxl".
#include <gtest/gtest.h>

#include <regex>

#include "support/report_fixtures.h"

namespace calvix {
namespace {

using namespace testing;

TEST(DesktopEntryTest, OpensProjectFilesOfItsOwnTypeAndPassesTheValidator) {
  const std::string entry =
      std::regex_replace(ReadBytes(SourcePath("desktop/calvix.desktop.in")),
                         std::regex("@CALVIX_PROGRAM@"), "/opt/calvix/calvix");
  const std::string type = ReadBytes(SourcePath("desktop/calvix-project.xml"));
  EXPECT_NE(entry.find("\nExec=/opt/calvix/calvix %f\n"), std::string::npos);
  EXPECT_NE(entry.find("\nMimeType=application/x-calvix-project;\n"), std::string::npos);
  EXPECT_NE(type.find("<mime-type type=\"application/x-calvix-project\">"), std::string::npos);
  EXPECT_NE(type.find("<glob pattern=\"*.cxl\"/>"), std::string::npos);
  // desktop-file-utils comes with the set-up script's packages.
  TempFolder folder;
  WriteBytes(folder / "calvix.desktop", entry);
  FILE* pipe =
      popen(("desktop-file-validate " + Quoted(folder / "calvix.desktop") + " 2>&1").c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string output;
  for (char buffer[512]; fgets(buffer, sizeof buffer, pipe) != nullptr;) output += buffer;
  const int status = pclose(pipe);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << output;
  EXPECT_EQ(output, "");
}

}  // namespace
}  // namespace calvix
