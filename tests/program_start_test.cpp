#include "files/program_start.h"

#include <gtest/gtest.h>

#include "model/errors.h"
#include "support/started_session.h"

namespace calvix {
namespace {

using namespace testing;

// The readers' own fallbacks are tested with the settings file; here the
// start takes what they read.
TEST(ProgramStartTest, TheStartTakesTheSettings) {
  TempFolder folder;
  CopyProgramFiles(folder.path());
  WriteBytes(folder / "Calvix.ini",
             "[Units System]\r\nUnitsType=2\r\n[Max Shell Thickness]\r\nMaxShell=1.5\r\n"
             "[Design Criteria]\r\nShowDesignCriteria=True\r\n");
  RecordingPlatform platform;
  Session session(platform, ProgramFolder{folder.path()});
  StartProgram(session);
  EXPECT_EQ(session.problem.units.UnitsType, 2);
  EXPECT_EQ(session.problem.MaxShellThickness, 1.5f);
  EXPECT_TRUE(session.problem.ShowDesignCriteria);
  EXPECT_FALSE(session.problem.DataChanged || session.problem.Designed);
}

TEST(ProgramStartTest, MissingUnitsOrBarsStopTheStartNamingTheFile) {
  for (const char* name : {"Units.fil", "Bars.fil"}) {
    TempFolder folder;
    CopyProgramFiles(folder.path());
    std::filesystem::remove(folder / name);
    RecordingPlatform platform;
    Session session(platform, ProgramFolder{folder.path()});
    try {
      StartProgram(session);
      ADD_FAILURE() << "start must fail without " << name;
    } catch (const CalvixError& error) {
      EXPECT_NE(std::string(error.what()).find(name), std::string::npos) << error.what();
    }
  }
}

}  // namespace
}  // namespace calvix
