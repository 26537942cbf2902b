// What an entry field shows: decimals, limits, labels, tool tips, and the
// out-of-range message.
#include "model/field_display.h"

#include <gtest/gtest.h>

#include <tuple>

#include "model/entry_fields.h"
#include "model/number_format.h"
#include "support/file_fixtures.h"
#include "support/started_session.h"

namespace calvix {
namespace {

using testing::StartedSession;

TEST(FieldDisplayTest, DecimalsPerFieldAndUnitSystem) {
  // Trailing blanks of a left-aligned pattern count.
  EXPECT_EQ(PatternDecimals("#0.0  "), 3);
  for (const testing::CaseRow& c : testing::CaseTable("field_decimals.txt")) {
    SCOPED_TRACE(c.where);
    StartedSession started(static_cast<int16_t>(c.Number(0)));
    EXPECT_EQ(started.session.display.Decimals.at(std::stoul(c[1])), std::stoi(c[2]));
  }
}

TEST(FieldDisplayTest, LimitsLabelsAndToolTips) {
  StartedSession si(2);
  const FieldDisplay& d = si.session.display;
  // Limits scale with the field's factor, except the ratios; no negative acceleration.
  EXPECT_DOUBLE_EQ(d.DisplayMax[kWallHeightField], 99.0 * static_cast<double>(0.3048f));
  EXPECT_DOUBLE_EQ(d.DisplayMin[kStripWidthField], 1.0 * static_cast<double>(25.4f));
  EXPECT_DOUBLE_EQ(d.DisplayMax[kSsField], 5000.0);
  EXPECT_DOUBLE_EQ(d.DisplayMin[kSsField], 0.0);
  EXPECT_DOUBLE_EQ(d.DisplayMax[kMinSteelRatioField], 1.0);
  EXPECT_DOUBLE_EQ(d.DisplayMax[kZOverHField], 10000.0);
  EXPECT_DOUBLE_EQ(d.DisplayMax[kModularRatioField], 99.0);
  EXPECT_EQ(FieldToolTip(si.session, kWallWeightField),
            "Wall Weight: weight per unit wall area in kPa, from 0.00 to " +
                FormatNumber(d.DisplayMax[kWallWeightField], "#,##0.00"));
  StartedSession mks(3);
  const auto& labels = mks.session.display.Labels;
  EXPECT_EQ(labels[kFloorDeadField][0] + labels[kFloorDeadField][2], "Floor / Roof Load,Dead ");
  EXPECT_EQ(labels[kFmPrimeField][1], mks.problem().units.Label(kMasonryStress));
  EXPECT_EQ(labels[kSsField][1] + labels[kModularRatioField][1] + labels[kMinSteelRatioField][1],
            "% of g");
  EXPECT_EQ(labels[kZOverHField][0], "Parapet / Roof Height Ratio            =");
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
}

TEST(FieldDisplayTest, OutOfRangeValuesAreRefusedAndPutBack) {
  StartedSession started;
  // The limits themselves are accepted.
  EXPECT_TRUE(CheckFieldRange(started.session, kWallHeightField, 99.0, 12.0));
  EXPECT_TRUE(CheckFieldRange(started.session, kWallHeightField, 0.0, 12.0));
  EXPECT_TRUE(started.platform.messages.empty());
  EXPECT_FALSE(CheckFieldRange(started.session, kWallHeightField, -0.01, 12.0));
  started.entry().Fields[kWallHeightField] = "150";
  EXPECT_FALSE(CheckFieldRange(started.session, kWallHeightField, 150.0, 12.0));
  ASSERT_EQ(started.platform.messages.size(), 2u);
  EXPECT_EQ(started.platform.messages[1].text,
            "Sorry, 150.00 is out of range.\r Acceptable values are between 0.00 and 99.00");
  EXPECT_EQ(started.platform.messages[1].title, "Out of Range");
  EXPECT_EQ(started.platform.messages[1].icon, MessageIcon::Information);
  EXPECT_EQ(started.platform.beeps, 2);
  EXPECT_EQ(started.entry().Fields[kWallHeightField], "12.00");
  EXPECT_FALSE(CheckFieldRange(started.session, kFloorEccentricityField, -99.5, 0.0));
  EXPECT_EQ(started.platform.messages.back().text,
            "Sorry, -99.50 is out of range.\r Acceptable values are between -99.00 and 99.00");
  // Both sides of the wall weight's 9999 psf and of the additional load's
  // eccentricity limit of 99 in.
  for (const auto& [field, inside, outside] : {std::tuple{kWallWeightField, 9999.0, 10000.0},
                                               std::tuple{kAddEccentricityField, 99.0, 99.01},
                                               std::tuple{kAddEccentricityField, -99.0, -99.01}}) {
    EXPECT_TRUE(CheckFieldRange(started.session, field, inside, 0.0)) << field;
    EXPECT_FALSE(CheckFieldRange(started.session, field, outside, 0.0)) << field;
  }
  // Metric limits are quoted in display units: 99 ft x 0.3048 = 30.1752 m.
  StartedSession si(2);
  CheckFieldRange(si.session, kWallHeightField, 31.0, 3.658);
  ASSERT_EQ(si.platform.messages.size(), 1u);
  EXPECT_EQ(si.platform.messages[0].text,
            "Sorry, 31.00 is out of range.\r Acceptable values are between 0.00 and 30.18");
  EXPECT_EQ(si.entry().Fields[kWallHeightField], "3.658");
}

}  // namespace
}  // namespace calvix
