#include "model/convert_input.h"

#include <gtest/gtest.h>

#include "model/errors.h"
#include "support/started_session.h"

namespace calvix {
namespace {

using testing::StartedSession;

struct CategoryCase {
  const char* siteClass;
  const char* ss;  // field 17, percent of g
  const char* useGroup;
  const char* s1;
  const char* category;
};

// SDS = 2/3 Fa Ss with Fa at |Ss|; the bands are 0.167, 0.33 and 0.5.
TEST(ConvertInputTest, SeismicDesignCategoryBandsAndBoundaries) {
  const CategoryCase cases[] = {
      // Class C at 0.5 g: Fa = 1.2 (the breakpoint belongs to the lower interval), SDS = 0.4.
      {"Class C", "50", "I", "< 0.75 g", "Category C"},
      {"Class C", "50", "III", "< 0.75 g", "Category D"},
      {"Class C", "50", "III", "= 0.75 g", "Category F"},
      {"Class C", "50", "I", "> 0.75 g", "Category E"},
      // Class B, Fa = 1: SDS = Ss/1.5. 49.5 % gives 0.33 exactly in single precision.
      {"Class B", "49.5", "I", "< 0.75 g", "Category C"},
      {"Class B", "49.4", "I", "< 0.75 g", "Category B"},
      {"Class B", "49.5", "III", "< 0.75 g", "Category D"},
      // 75 % gives SDS = 0.5, the top band.
      {"Class B", "75", "I", "< 0.75 g", "Category D"},
      {"Class B", "74.9", "I", "< 0.75 g", "Category C"},
      {"Class B", "74.9", "II", "< 0.75 g", "Category C"},
      // 25.05 % gives 0.167 exactly; just below, category A.
      {"Class B", "25.05", "I", "< 0.75 g", "Category B"},
      {"Class B", "25.05", "III", "< 0.75 g", "Category C"},
      {"Class B", "25", "I", "< 0.75 g", "Category A"},
      // Use group IV behaves like I; a negative Ss counts by its magnitude.
      {"Class C", "50", "IV", "< 0.75 g", "Category C"},
      {"Class C", "-50", "III", "< 0.75 g", "Category D"},
      // Class D at 62.5 %: Fa = 1.3 halfway between 1.4 and 1.2, SDS = 0.5417.
      {"Class D", "62.5", "I", "< 0.75 g", "Category D"},
  };
  for (const auto& c : cases) {
    StartedSession started;
    EntryForm& e = started.entry();
    e.SiteClass = c.siteClass;
    e.Fields[kSsField] = c.ss;
    e.UseGroup = c.useGroup;
    e.S1Class = c.s1;
    ConvertInput(started.session);
    EXPECT_EQ(started.working().SeismicCategory, c.category)
        << c.siteClass << " Ss " << c.ss << " " << c.useGroup << " " << c.s1;
  }
}

TEST(ConvertInputTest, UnknownUseGroupLeavesTheCategory) {
  StartedSession started;
  started.entry().SiteClass = "Class C";
  started.entry().Fields[kSsField] = "50";
  ConvertInput(started.session);
  ASSERT_EQ(started.working().SeismicCategory, "Category C");
  started.entry().UseGroup = "V";
  started.entry().Fields[kSsField] = "100";
  ConvertInput(started.session);
  EXPECT_EQ(started.working().SeismicCategory, "Category C");
}

TEST(ConvertInputTest, ImportanceFactorIsOneOnlyForTheExactText) {
  const std::pair<const char*, float> cases[] = {
      {"1.0", 1.0f}, {"1.5", 1.5f}, {"1", 1.5f}, {"", 1.5f}};
  for (const auto& [text, ip] : cases) {
    StartedSession started;
    started.entry().ParapetIpText = text;
    ConvertInput(started.session);
    EXPECT_EQ(started.working().Ip, ip) << '"' << text << '"';
  }
}

TEST(ConvertInputTest, StrengthDesignPutsTheAdditionalLoadAtTheWallTop) {
  StartedSession started;
  EntryForm& e = started.entry();
  e.DesignMethod = "IBC-S";
  e.Fields[kWallHeightField] = "14.50";
  e.Fields[kAddYField] = "3.00";
  ConvertInput(started.session);
  EXPECT_EQ(started.working().AddY, started.working().WallHeight);
  EXPECT_FLOAT_EQ(started.working().WallHeight, 14.5f);
  EXPECT_EQ(e.Fields[kAddYField], "14.50");

  // Working stress keeps the typed height.
  e.DesignMethod = "ACI";
  e.Fields[kAddYField] = "3.00";
  ConvertInput(started.session);
  EXPECT_FLOAT_EQ(started.working().AddY, 3.0f);
}

TEST(ConvertInputTest, WindRowsUpToTheLastTypedRowWithAnEmptyMiddleRow) {
  StartedSession started;
  auto& wind = started.entry().Wind;
  wind[0] = {"W", "1,250", "0", "10"};
  wind[2] = {"H", "", "8", "8"};
  ConvertInput(started.session);
  const WorkingForm& w = started.working();
  ASSERT_EQ(w.WindRowCount(), 3);
  EXPECT_EQ(w.WindType[0], "W");
  EXPECT_FLOAT_EQ(w.WindMagnitude[0], 1250.0f);  // grouping separator accepted
  EXPECT_FLOAT_EQ(w.WindEnd[0], 10.0f);
  EXPECT_EQ(w.WindType[1], "");  // takes part with an empty type
  EXPECT_EQ(w.WindMagnitude[1], 0.0f);
  EXPECT_EQ(w.WindType[2], "H");
  EXPECT_EQ(w.WindMagnitude[2], 0.0f);  // "H" with an empty magnitude keeps 0
  EXPECT_FLOAT_EQ(w.WindStart[2], 8.0f);
}

TEST(ConvertInputTest, NoWindRowsWhenNoTypeIsEntered) {
  StartedSession started;
  started.entry().Wind[1] = {"", "20", "0", "5"};
  ConvertInput(started.session);
  EXPECT_EQ(started.working().WindRowCount(), 0);
}

TEST(ConvertInputTest, MetricTextsAreDividedByTheirFactors) {
  StartedSession started(2);
  EntryForm& e = started.entry();
  e.Fields[kWallHeightField] = "3.658";
  e.Fields[kWallThicknessField] = "200.0";
  e.Fields[kWallWeightField] = "2.155";
  e.Fields[kFloorDeadField] = "7,297";
  e.Wind[0] = {"W", "0.958", "0", "3.658"};
  e.Wind[1] = {"H", "1459.4", "3", "3"};
  ConvertInput(started.session);
  const WorkingForm& w = started.working();
  EXPECT_EQ(w.WallThickness, static_cast<float>(200.0 / 25.4f));  // 7.874 in
  EXPECT_EQ(w.WallHeight, static_cast<float>(3.658 / 0.3048f));   // 12.001 ft
  EXPECT_NEAR(w.WallWeight, 45.0, 0.01);                          // kPa -> psf
  EXPECT_NEAR(w.FloorDead, 500.0, 0.01);                          // N/m -> plf
  EXPECT_NEAR(w.WindMagnitude[0], 20.0, 0.01);                    // kPa -> psf
  EXPECT_NEAR(w.WindMagnitude[1], 100.0, 0.01);                   // N/m -> plf
  EXPECT_NEAR(w.WindStart[1], 9.8425, 1e-4);                      // m -> ft
}

TEST(ConvertInputTest, SpacingModuleIsHalfAUnitOrTwoInchesForBrick) {
  StartedSession started;
  started.entry().Fields[kUnitLengthField] = "16.00";
  ConvertInput(started.session);
  EXPECT_EQ(started.working().SpacingModule, 8.0f);
  started.entry().MasonryMaterial = "Brick";
  ConvertInput(started.session);
  EXPECT_EQ(started.working().SpacingModule, 2.0f);
}

TEST(ConvertInputTest, OptionGroupsGiveGroutingAndLayers) {
  StartedSession started;
  started.entry().GroutSpacingOption = 1;
  started.entry().ReinfLayersOption = 1;
  ConvertInput(started.session);
  EXPECT_TRUE(started.working().SolidGrouted);
  EXPECT_TRUE(started.working().TwoLayers);
}

TEST(ConvertInputTest, TextThatIsNotANumberFailsAsAWholeNamingTheField) {
  StartedSession started;
  started.entry().Fields[kWallHeightField] = "12.00";
  ConvertInput(started.session);
  WorkingForm before = started.working();
  started.entry().Fields[kWallHeightField] = "20.00";
  started.entry().Fields[kFloorLiveField] = "12 ft";
  try {
    ConvertInput(started.session);
    FAIL() << "a text that is not a number must fail";
  } catch (const CalvixError& error) {
    EXPECT_EQ(error.number(), kErrorTypeMismatch);
    EXPECT_NE(std::string(error.what()).find("Floor / Roof Load, Live"), std::string::npos);
  }
  EXPECT_EQ(started.working().WallHeight, before.WallHeight);
}

TEST(ConvertInputTest, EmptyFieldsConvertToZero) {
  StartedSession started;
  started.entry().Fields[kEfpField] = "";
  ConvertInput(started.session);
  EXPECT_EQ(started.working().EFP, 0.0f);
}

}  // namespace
}  // namespace calvix
