// Input validation of the Solve command: every message text, which message
// wins when several checks fail (tests/data/analysis/validation_cases.txt),
// and the order and form of the message boxes and the busy pointer.

#include "analysis/validation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "model/session.h"
#include "tests/support/analysis_fixtures.h"
#include "tests/support/recording_platform.h"

namespace calvix {
namespace {

using ::calvix::testing::Apply;
using ::calvix::testing::RecordingPlatform;

// The valid baseline wall the cases edit, described at the top of the data file.
Problem Baseline(const std::string& edits) {
  Problem p;
  p.entry.LoadFactors.fill(1.0f);
  p.units.UnitsType = 1;
  p.units.UnitFactors.fill(1.0f);
  p.units.UnitLabels[kLengthShort] = "in  ";
  p.units.UnitLabels[kLengthLong] = "ft  ";
  Apply(p,
        "WallHeight=12 WallThickness=8 WallSteelDepth=3.8125 StripWidth=12 WallWeight=56 "
        "SeismicCategory=Category_A UnitStrength=1900 FmPrime=1500 Fb=500 Fv=38.7 FtNoGrout=25 "
        "FtSolidGrout=68 Em=1350 ModularRatio=21.48 GroutedCellWidth=8 UnitLength=16 "
        "SpacingModule=8 FaceShellThickness=1.25 NominalMinusActual=0.375 Fy=60 Fs=24 Es=29000 "
        "MinSteelRatio=0.0007 Wind=W:20:0:12");
  return Apply(p, edits);
}

std::optional<std::string> Text(const std::string& text) {
  return text.empty() ? std::nullopt : std::optional<std::string>(text);
}

// Every case of the table, through the outcome and through the message
// boxes: the warning box comes before the error box, and the busy pointer is
// reset before the warning box and again before a failed run ends.
TEST(ValidationTest, EveryCaseOfTheTable) {
  const auto rows = testing::ReadTable("validation_cases.txt");
  for (const auto& row : rows) {
    SCOPED_TRACE(row[0]);
    const bool ok = row[1] == "yes";
    const ValidationOutcome outcome = CheckInput(Baseline(row[0]));
    EXPECT_EQ(outcome.ok, ok);
    EXPECT_EQ(outcome.warning, Text(row[2]));
    EXPECT_EQ(outcome.error, Text(row[3]));

    RecordingPlatform platform;
    Session session(platform, ProgramFolder{});
    session.problem = Baseline(row[0]);
    EXPECT_EQ(ValidateInput(session), ok);
    std::vector<Message> boxes;
    if (!row[2].empty()) boxes.push_back({row[2], "Warning Message"});
    if (!row[3].empty()) boxes.push_back({row[3], "Error Message"});
    ASSERT_EQ(platform.messages.size(), boxes.size());
    for (size_t i = 0; i < boxes.size(); ++i) {
      EXPECT_EQ(platform.messages[i].text, boxes[i].text);
      EXPECT_EQ(platform.messages[i].title, boxes[i].title);
      EXPECT_EQ(platform.messages[i].icon, MessageIcon::Information);
      EXPECT_EQ(platform.messages[i].buttons, MessageButtons::Ok);
    }
    EXPECT_EQ(platform.pointer.size(), (row[2].empty() ? 0u : 1u) + (ok ? 0u : 1u));
    EXPECT_TRUE(std::none_of(platform.pointer.begin(), platform.pointer.end(),
                             [](bool busy) { return busy; }));
  }
  EXPECT_GT(rows.size(), 100u);
}

}  // namespace
}  // namespace calvix
