#include "model/field_display.h"

#include <gtest/gtest.h>

#include "model/entry_fields.h"
#include "model/number_format.h"
#include "support/started_session.h"

namespace calvix {
namespace {

using testing::StartedSession;

TEST(FieldDisplayTest, PatternDecimalsCountToTheEndOfTheWidth) {
  EXPECT_EQ(PatternDecimals("##0.00"), 2);
  EXPECT_EQ(PatternDecimals(" #0.000"), 3);
  EXPECT_EQ(PatternDecimals("#####0"), 0);
  EXPECT_EQ(PatternDecimals("#0.0  "), 3);  // trailing blanks of a left-aligned pattern count
}

struct DecimalsCase {
  int16_t units;
  int field;
  int decimals;
};

TEST(FieldDisplayTest, DecimalsPerFieldAndUnitSystem) {
  const DecimalsCase cases[] = {
      // Steel depths and nominal - actual show 3 decimals in U.S. units whatever the pattern.
      {1, kWallSteelDepthField, 3},
      {1, kParapetSteelDepthField, 3},
      {1, kNominalMinusActualField, 3},
      {1, kWallThicknessField, 2},  // length-short "##0.00"
      {1, kWallHeightField, 2},     // length-long "##0.00"
      {1, kSsField, 1},
      {1, kModularRatioField, 2},
      {1, kMinSteelRatioField, 5},
      {1, kZOverHField, 2},
      {1, kEsField, 1},  // modulus "####0.0"
      // Outside U.S. units the steel depths follow the length-short pattern "###0.0".
      {2, kWallSteelDepthField, 1},
      {2, kNominalMinusActualField, 1},
      {2, kWallHeightField, 3},  // "#0.000"
      {2, kFmPrimeField, 3},     // MPa "##0.000"
      {3, kFmPrimeField, 2},     // Kg/cm² "###0.00"
      {3, kEsField, 0},          // "######0"
      {3, kSsField, 1},
  };
  for (const auto& c : cases) {
    StartedSession started(c.units);
    EXPECT_EQ(started.session.display.Decimals[static_cast<size_t>(c.field)], c.decimals)
        << "units " << c.units << " field " << c.field;
  }
}

TEST(FieldDisplayTest, LimitsScaleWithTheFieldsFactorExceptTheRatios) {
  StartedSession si(2);
  const FieldDisplay& d = si.session.display;
  EXPECT_DOUBLE_EQ(d.DisplayMax[kWallHeightField], 99.0 * static_cast<double>(0.3048f));
  EXPECT_DOUBLE_EQ(d.DisplayMin[kStripWidthField], 1.0 * static_cast<double>(25.4f));
  EXPECT_DOUBLE_EQ(d.DisplayMax[kSsField], 5000.0);
  EXPECT_DOUBLE_EQ(d.DisplayMin[kSsField], 0.0);  // no negative acceleration
  EXPECT_DOUBLE_EQ(d.DisplayMax[kMinSteelRatioField], 1.0);
  EXPECT_DOUBLE_EQ(d.DisplayMax[kZOverHField], 10000.0);
  EXPECT_DOUBLE_EQ(d.DisplayMax[kModularRatioField], 99.0);
}

TEST(FieldDisplayTest, LabelsCarryTheUnitOfTheFieldsQuantity) {
  StartedSession mks(3);
  const auto& labels = mks.session.display.Labels;
  EXPECT_EQ(labels[kFloorDeadField][0], "Floor / Roof Load,");
  EXPECT_EQ(labels[kFloorDeadField][2], "Dead ");
  EXPECT_EQ(labels[kFmPrimeField][1], mks.problem().units.Label(kMasonryStress));
  EXPECT_EQ(labels[kSsField][1], "% of g");
  EXPECT_EQ(labels[kModularRatioField][1], "");
  EXPECT_EQ(labels[kMinSteelRatioField][1], "");
  EXPECT_EQ(labels[kZOverHField][0], "Parapet / Roof Height Ratio            =");
}

TEST(FieldDisplayTest, ToolTipsNameQuantityUnitAndRange) {
  StartedSession us;
  EXPECT_EQ(FieldToolTip(us.session, kWallHeightField),
            "Wall Height: length in ft, from 0.00 to 99.00");
  EXPECT_EQ(FieldToolTip(us.session, kFloorEccentricityField),
            "Floor / Roof Load, Eccentricity: length in in, from -99.00 to 99.00");
  EXPECT_EQ(FieldToolTip(us.session, kSsField),
            "Short Period Spectral Accel.: spectral acceleration in % of g, from 0.00 to "
            "5,000.00");
  EXPECT_EQ(FieldToolTip(us.session, kModularRatioField),
            "Modular Ratio, n: ratio, no unit, from 1.00 to 99.00");
  StartedSession si(2);
  EXPECT_EQ(FieldToolTip(si.session, kWallWeightField),
            "Wall Weight: weight per unit wall area in kPa, from 0.00 to " +
                FormatNumber(si.session.display.DisplayMax[kWallWeightField], "#,##0.00"));
}

TEST(FieldDisplayTest, OutOfRangeWallHeightIsRefusedAndPutBack) {
  StartedSession started;
  started.entry().Fields[kWallHeightField] = "150";
  bool accepted = CheckFieldRange(started.session, kWallHeightField, 150.0, 12.0);
  EXPECT_FALSE(accepted);
  ASSERT_EQ(started.platform.messages.size(), 1u);
  EXPECT_EQ(started.platform.messages[0].text,
            "Sorry, 150.00 is out of range.\r Acceptable values are between 0.00 and 99.00");
  EXPECT_EQ(started.platform.messages[0].title, "Out of Range");
  EXPECT_EQ(started.platform.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(started.platform.beeps, 1);
  EXPECT_EQ(started.entry().Fields[kWallHeightField], "12.00");
}

TEST(FieldDisplayTest, LimitsThemselvesAreAccepted) {
  StartedSession started;
  EXPECT_TRUE(CheckFieldRange(started.session, kWallHeightField, 99.0, 12.0));
  EXPECT_TRUE(CheckFieldRange(started.session, kWallHeightField, 0.0, 12.0));
  EXPECT_FALSE(CheckFieldRange(started.session, kWallHeightField, -0.01, 12.0));
  EXPECT_FALSE(CheckFieldRange(started.session, kFloorEccentricityField, -99.5, 0.0));
  EXPECT_EQ(started.platform.messages.back().text,
            "Sorry, -99.50 is out of range.\r Acceptable values are between -99.00 and 99.00");
}

TEST(FieldDisplayTest, MetricLimitsAreQuotedInDisplayUnits) {
  StartedSession si(2);
  CheckFieldRange(si.session, kWallHeightField, 31.0, 3.658);
  ASSERT_EQ(si.platform.messages.size(), 1u);
  // 99 ft x 0.3048 = 30.1752 m.
  EXPECT_EQ(si.platform.messages[0].text,
            "Sorry, 31.00 is out of range.\r Acceptable values are between 0.00 and 30.18");
  EXPECT_EQ(si.entry().Fields[kWallHeightField], "3.658");
}

}  // namespace
}  // namespace calvix
