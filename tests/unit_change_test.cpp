// Options > Units converting the open problem, with values worked by hand
// from the factors of the units file (display = working x factor).
#include "files/unit_change.h"

#include <gtest/gtest.h>

#include "files/settings.h"
#include "model/entry_fields.h"
#include "support/started_session.h"

namespace calvix {
namespace {

using testing::StartedSession;

void FillUsProblem(EntryForm& e) {
  e.UserMasonryData = true;  // keeps f'm as typed, so that it shows its conversion
  e.Fields[kWallHeightField] = "12.00";
  e.Fields[kWallThicknessField] = "8.00";
  e.Fields[kParapetThicknessField] = "0.00";
  e.Fields[kFloorDeadField] = "300.00";
  e.Fields[kSsField] = "125.0";
  e.Fields[kFmPrimeField] = "1500.00";
  e.Fields[kFyField] = "60.00";
  e.Fields[kUnitLengthField] = "16.00";
  e.Wind[0] = {"W", "25.00", "0.00", "10.00"};
  e.Wind[1] = {"H", "100.00", "12.00", "12.00"};
}

TEST(UnitChangeTest, UsProblemBecomesSiWithTheUnitFactors) {
  StartedSession started;
  FillUsProblem(started.entry());
  auto rounded = ConvertUnitSystem(started.session, 2);
  const auto& f = started.entry().Fields;
  EXPECT_EQ(started.problem().units.UnitsType, 2);
  EXPECT_EQ(f[kWallHeightField], "3.658");  // 12 ft x 0.3048 = 3.6576 m
  EXPECT_EQ(f[kFloorDeadField], "4378.2");  // 300 plf x 14.5939029 = 4378.17 N/m
  EXPECT_EQ(f[kFmPrimeField], "10.342");    // 1500 psi x 0.00689475729 = 10.342 MPa
  EXPECT_EQ(f[kFyField], "413.7");          // 60 ksi x 6.89475729 = 413.69 MPa
  EXPECT_EQ(f[kSsField], "125.0");          // % of g has no unit
  const auto& wind = started.entry().Wind;
  EXPECT_EQ(wind[0][kWindMagnitude], "1.20");      // 25 psf x 0.0478802589 = 1.197 kPa
  EXPECT_EQ(wind[0][kWindEnd], "3.05");            // 10 ft = 3.048 m
  EXPECT_EQ(wind[1][kWindMagnitude], "1,459.39");  // 100 plf = 1459.39 N/m
  EXPECT_EQ(wind[1][kWindStart], "3.66");
  EXPECT_EQ(wind[2][kWindMagnitude], "");  // empty rows stay empty
  // 8 in = 203.2 mm and 16 in = 406.4 mm are rounded to the 200 and 400 mm units.
  EXPECT_EQ(f[kWallThicknessField], "200.0");
  EXPECT_EQ(f[kUnitLengthField], "400.0");
  EXPECT_EQ(f[kParapetThicknessField], "0.0");
  ASSERT_EQ(rounded.size(), 2u);
  EXPECT_EQ(RoundedSizesText(rounded),
            "Nominal sizes rounded to the standard sizes of the new unit system:\r"
            "\rNominal Wall Thickness:  203.2 mm -> 200.0 mm"
            "\rNominal Length of Masonry Unit:  406.4 mm -> 400.0 mm");
  EXPECT_TRUE(started.problem().DataChanged);
  EXPECT_FALSE(started.problem().Designed);
}

TEST(UnitChangeTest, SiBackToUsGivesTheStandardInchSizes) {
  StartedSession started;
  FillUsProblem(started.entry());
  ConvertUnitSystem(started.session, 2);
  auto rounded = ConvertUnitSystem(started.session, 1);
  const auto& f = started.entry().Fields;
  EXPECT_EQ(f[kWallHeightField], "12.00");    // 3.658 m / 0.3048 = 12.0013 ft
  EXPECT_EQ(f[kWallThicknessField], "8.00");  // 200 mm = 7.87 in, rounded to 8
  EXPECT_EQ(f[kFloorDeadField], "300.00");    // 4378.2 N/m = 300.001 plf
  ASSERT_EQ(rounded.size(), 2u);
  EXPECT_EQ(rounded[0].converted, "7.87 in");
  EXPECT_EQ(rounded[0].rounded, "8.00 in");
}

TEST(UnitChangeTest, MksUsesKilogramForceUnits) {
  StartedSession started;
  FillUsProblem(started.entry());
  ConvertUnitSystem(started.session, 3);
  const auto& f = started.entry().Fields;
  EXPECT_EQ(f[kFyField], "4218.4");         // 60 ksi x 70.306958 = 4218.42 Kg/cm2
  EXPECT_EQ(f[kFloorDeadField], "446.45");  // 300 plf x 1.48816394 = 446.449 Kg/m
  EXPECT_EQ(started.entry().Wind[0][kWindMagnitude], "122.06");  // 25 psf x 4.88242764
}

TEST(UnitChangeTest, TheSameSystemChangesNothing) {
  StartedSession started;
  FillUsProblem(started.entry());
  EntryForm before = started.entry();
  EXPECT_TRUE(ConvertUnitSystem(started.session, 1).empty());
  EXPECT_EQ(started.entry().Fields, before.Fields);
  EXPECT_FALSE(started.problem().DataChanged);
}

struct NominalCase {
  double value;
  int16_t units;
  double nominal;
};

class NominalSizeTest : public ::testing::TestWithParam<NominalCase> {};

TEST_P(NominalSizeTest, RoundsToTheModule) {
  EXPECT_DOUBLE_EQ(NearestNominalSize(GetParam().value, GetParam().units), GetParam().nominal);
}

INSTANTIATE_TEST_SUITE_P(Sizes, NominalSizeTest,
                         ::testing::Values(NominalCase{203.2, 2, 200.0},
                                           NominalCase{152.4, 3, 150.0},
                                           NominalCase{212.4, 2, 200.0},
                                           NominalCase{212.6, 2, 225.0}, NominalCase{7.87, 1, 8.0},
                                           NominalCase{5.91, 1, 6.0}, NominalCase{6.49, 1, 6.0},
                                           NominalCase{6.51, 1, 7.0}));

TEST(UnitChangeTest, UnitsDialogConvertsAndKeepsTheChoice) {
  StartedSession started;
  FillUsProblem(started.entry());
  ASSERT_TRUE(UnitsDialogOk(started.session, 2, UnitChange::ConvertProblem));
  EXPECT_EQ(started.entry().Fields[kWallHeightField], "3.658");
  ASSERT_EQ(started.platform.messages.size(), 1u);
  EXPECT_EQ(started.platform.messages[0].title, "Calvix Units");
  EXPECT_EQ(SettingsFile(started.session.folder.Settings()).Read("Units System", "UnitsType"), "2");
}

}  // namespace
}  // namespace calvix
