#include "model/convert_input.h"

#include <gtest/gtest.h>

#include "model/errors.h"
#include "support/started_session.h"
#include "tests/support/analysis_fixtures.h"

namespace calvix {
namespace {

using testing::StartedSession;

// Categories in tests/data/analysis/seismic_categories.txt.
TEST(ConvertInputTest, SeismicDesignCategoryBandsAndBoundaries) {
  const auto rows = testing::ReadTable("seismic_categories.txt");
  for (const auto& row : rows) {
    StartedSession started;
    EntryForm& e = started.entry();
    e.SiteClass = row[0];
    e.Fields[kSsField] = row[1];
    e.UseGroup = row[2];
    e.S1Class = row[3];
    ConvertInput(started.session);
    EXPECT_EQ(started.working().SeismicCategory, row[4])
        << row[0] << " Ss " << row[1] << " " << row[2] << " " << row[3];
  }
  EXPECT_GT(rows.size(), 15u);
}

TEST(ConvertInputTest, ImportanceFactorIsOneOnlyForTheExactText) {
  for (const auto& [text, ip] : {std::pair{"1.0", 1.0f}, {"1.5", 1.5f}, {"1", 1.5f}, {"", 1.5f}}) {
    StartedSession started;
    started.entry().ParapetIpText = text;
    ConvertInput(started.session);
    EXPECT_EQ(started.working().Ip, ip) << '"' << text << '"';
  }
}

TEST(ConvertInputTest, StrengthDesignPutsTheAdditionalLoadAtTheWallTop) {
  StartedSession started;
  EntryForm& e = started.entry();
  e.Fields[kWallHeightField] = "14.50";
  e.Fields[kAddYField] = "3.00";
  ConvertInput(started.session);
  EXPECT_FLOAT_EQ(started.working().AddY, 3.0f);  // working stress keeps the typed height
  e.DesignMethod = "IBC-S";
  ConvertInput(started.session);
  EXPECT_FLOAT_EQ(started.working().AddY, 14.5f);
  EXPECT_EQ(e.Fields[kAddYField], "14.50");
}

TEST(ConvertInputTest, WindRowsUpToTheLastTypedRow) {
  StartedSession started;
  auto& wind = started.entry().Wind;
  wind[0] = {"W", "1,250", "0", "10"};
  wind[2] = {"H", "", "8", "8"};
  ConvertInput(started.session);
  const WorkingForm& w = started.working();
  ASSERT_EQ(w.WindRowCount(), 3);  // the empty middle row takes part with an empty type
  EXPECT_EQ(w.WindType[0] + w.WindType[1] + w.WindType[2], "WH");
  EXPECT_FLOAT_EQ(w.WindMagnitude[0], 1250.0f);  // grouping separator accepted
  EXPECT_EQ(w.WindMagnitude[2], 0.0f);
  EXPECT_FLOAT_EQ(w.WindStart[2], 8.0f);
}

TEST(ConvertInputTest, TextThatIsNotANumberFailsAsAWholeNamingTheField) {
  StartedSession started;
  started.entry().Fields[kWallHeightField] = "12.00";
  ConvertInput(started.session);
  started.entry().Fields[kWallHeightField] = "20.00";
  started.entry().Fields[kFloorLiveField] = "12 ft";
  try {
    ConvertInput(started.session);
    FAIL() << "a text that is not a number must fail";
  } catch (const CalvixError& error) {
    EXPECT_EQ(error.number(), kErrorTypeMismatch);
    EXPECT_NE(std::string(error.what()).find("Floor / Roof Load, Live"), std::string::npos);
  }
  EXPECT_EQ(started.working().WallHeight, 12.0f);
}

}  // namespace
}  // namespace calvix
