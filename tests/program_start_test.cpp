#include "files/program_start.h"

#include <gtest/gtest.h>

#include "files/settings.h"
#include "model/errors.h"
#include "support/started_session.h"

namespace calvix {
namespace {

using testing::RecordingPlatform;
using testing::StartedSession;
using testing::TempFolder;
using testing::WriteBytes;

struct SettingsCase {
  const char* ini;
  int16_t unitsType;
  float maxShell;
  bool showCriteria;
};

// Absent or unreadable settings fall back to U.S. units and a 2 in face shell.
TEST(ProgramStartTest, SettingsWithFallbacks) {
  const SettingsCase cases[] = {
      {"[Units System]\r\nUnitsType=2\r\n[Max Shell Thickness]\r\nMaxShell=1.5\r\n"
       "[Design Criteria]\r\nShowDesignCriteria=True\r\n",
       2, 1.5f, true},
      {"", 1, 2.0f, false},
      {"[units system]\r\nunitstype=3\r\n", 3, 2.0f, false},
      {"[Units System]\r\nUnitsType=7\r\n[Max Shell Thickness]\r\nMaxShell=thick\r\n", 1, 2.0f,
       false},
      {"[Units System]\r\nUnitsType=\r\n[Max Shell Thickness]\r\nMaxShell=0\r\n", 1, 2.0f, false},
  };
  for (const auto& c : cases) {
    TempFolder folder;
    testing::CopyProgramFiles(folder.path());
    WriteBytes(folder / "Calvix.ini", c.ini);
    RecordingPlatform platform;
    Session session(platform, ProgramFolder{folder.path()});
    StartProgram(session);
    EXPECT_EQ(session.problem.units.UnitsType, c.unitsType) << c.ini;
    EXPECT_EQ(session.problem.MaxShellThickness, c.maxShell) << c.ini;
    EXPECT_EQ(session.problem.ShowDesignCriteria, c.showCriteria) << c.ini;
    EXPECT_FALSE(session.problem.DataChanged);
    EXPECT_FALSE(session.problem.Designed);
  }
}

TEST(ProgramStartTest, StartFillsTheDefaultsAndCalculatesTheMasonryData) {
  StartedSession started;
  const EntryForm& e = started.entry();
  EXPECT_EQ(e.DesignMethod, "ACI");
  EXPECT_EQ(e.Fields[kStripWidthField], "48.00");
  // Unit strength 1900 psi, CMU, type S mortar: f'm 1500, Em 900 f'm = 1350 ksi,
  // Fb = f'm / 3 = 500, Fv = sqrt(1500) = 38.73, n = 29000 / 1350 = 21.48.
  EXPECT_EQ(e.Fields[kFmPrimeField], "1500.00");
  EXPECT_EQ(e.Fields[kEmField], "1350.0");
  EXPECT_EQ(e.Fields[kFbField], "500.00");
  EXPECT_EQ(e.Fields[kFvField], "38.73");
  EXPECT_EQ(e.Fields[kModularRatioField], "21.48");
  EXPECT_FLOAT_EQ(e.LoadFactors[10], 0.9f);  // ACI building-code factors
  EXPECT_EQ(started.session.window.ProjectStatus, "Project: ");
}

TEST(ProgramStartTest, MissingUnitsOrBarsStopTheStartNamingTheFile) {
  for (const char* name : {"Units.fil", "Bars.fil"}) {
    TempFolder folder;
    testing::CopyProgramFiles(folder.path());
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

TEST(ProgramStartTest, UnitsDialogStartsANewProblemOnlyInAnotherSystem) {
  StartedSession started;
  started.entry().Fields[kWallHeightField] = "12.00";
  started.problem().DataChanged = true;

  // The same system: nothing asked, nothing changes.
  EXPECT_FALSE(UnitsDialogOk(started.session, 1, UnitChange::NewProblem));
  EXPECT_TRUE(started.platform.messages.empty());
  EXPECT_EQ(started.entry().Fields[kWallHeightField], "12.00");

  // Cancel at the save question keeps everything.
  started.platform.answers.push_back(MessageAnswer::Cancel);
  EXPECT_FALSE(UnitsDialogOk(started.session, 2, UnitChange::NewProblem));
  ASSERT_EQ(started.platform.messages.size(), 1u);
  EXPECT_EQ(started.platform.messages[0].text, "Save changes to Untitled?");
  EXPECT_EQ(started.problem().units.UnitsType, 1);

  // Don't Save, then a new problem of the new system's defaults.
  started.platform.answers.push_back(MessageAnswer::Discard);
  EXPECT_TRUE(UnitsDialogOk(started.session, 2, UnitChange::NewProblem));
  EXPECT_EQ(started.problem().units.UnitsType, 2);
  EXPECT_EQ(started.entry().Fields[kWallHeightField], "");
  EXPECT_EQ(started.entry().Fields[kStripWidthField], "1200.0");
  EXPECT_FALSE(started.problem().DataChanged);
  EXPECT_EQ(started.session.display.Decimals[kWallHeightField], 3);
  SettingsFile settings(started.session.folder.Settings());
  EXPECT_EQ(settings.Read("Units System", "UnitsType"), "2");
  EXPECT_EQ(settings.Read("Font Data", "FontName"), "Courier New");  // other keys kept
}

}  // namespace
}  // namespace calvix
