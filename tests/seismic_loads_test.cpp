// Seismic loads on the main wall (IBC 2000 1620.1.7) and the parapet
// (IBC 2000 1621.1.4), and the site coefficient dialog.
#include "analysis/seismic_loads.h"

#include <gtest/gtest.h>

#include <string>

#include "model/problem.h"

namespace calvix {
namespace {

// A 12 in strip of a 50 psf wall with a 10 psf veneer (w = 60 psf), use group
// I, parapet at z/h = 1 with Ip = 1.0.
Problem SeismicProblem(const std::string& siteClass, float ssPercent) {
  Problem p;
  p.working.SiteClass = siteClass;
  p.working.Ss = ssPercent;
  p.working.UseGroup = "I";
  p.working.S1Class = "< 0.75 g";
  p.working.WallWeight = 50.0f;
  p.working.VeneerWeight = 10.0f;
  p.working.StripWidth = 12.0f;
  p.working.ZOverH = 1.0f;
  p.working.Ip = 1.0f;
  return p;
}

TEST(SeismicLoads, ClassDAtSixtyTwoAndAHalfPercent) {
  // Fa = 1.3 halfway between 1.4 (0.5 g) and 1.2 (0.75 g); SDS = 2·1.3·0.625/3
  // = 0.541667. Wall: 0.4·0.541667·60 = 13.0 lb/ft (above the 6.0 minimum).
  // Parapet: (2·1 + 1)·0.541667·60/2.5 = 39.0, within 0.3·32.5 = 9.75 and
  // 1.6·32.5 = 52.0.
  const SeismicResult r = ComputeSeismicLoads(SeismicProblem("Class D", 62.5f));
  EXPECT_NEAR(r.SeismicLoad[0], 13.0f, 1e-4);
  EXPECT_NEAR(r.SeismicLoad[1], 39.0f, 1e-4);
  EXPECT_FALSE(r.SeismicMinGoverns);
}

TEST(SeismicLoads, ClassEAboveOneGWithoutUserFaTakesTheMinimum) {
  // Class E at 1.10 g takes the engineer's Fa, here 0: SDS = 0, so the
  // parapet load is 0 and the wall takes 0.1·60 = 6 lb/ft.
  Problem p = SeismicProblem("Class E", 110.0f);
  p.entry.UserFa = 0.0f;
  const SeismicResult r = ComputeSeismicLoads(p);
  EXPECT_FLOAT_EQ(r.SeismicLoad[0], 6.0f);
  EXPECT_FLOAT_EQ(r.SeismicLoad[1], 0.0f);
  EXPECT_TRUE(r.SeismicMinGoverns);

  // With an Fa of 1.5 from a site study: SDS = 2·1.5·1.1/3 = 1.1, wall
  // 0.4·1.1·60 = 26.4, parapet 1.2·1.1·60 = 79.2.
  p.entry.UserFa = 1.5f;
  const SeismicResult s = ComputeSeismicLoads(p);
  EXPECT_NEAR(s.SeismicLoad[0], 26.4f, 1e-4);
  EXPECT_NEAR(s.SeismicLoad[1], 79.2f, 1e-4);
  EXPECT_FALSE(s.SeismicMinGoverns);
}

TEST(SeismicLoads, MinimumOnlyWhenStrictlyGreater) {
  // Class B at 37.5 %: Fa = 1.0, SDS = 0.25, wall 0.4·0.25·60 = 6.0, equal to
  // the minimum 0.1·60 = 6.0: the minimum does not govern.
  const SeismicResult r = ComputeSeismicLoads(SeismicProblem("Class B", 37.5f));
  EXPECT_FLOAT_EQ(r.SeismicLoad[0], 6.0f);
  EXPECT_FALSE(r.SeismicMinGoverns);
  // At 30 %: SDS = 0.2, 0.4·0.2·60 = 4.8 < 6.0: the minimum governs.
  const SeismicResult s = ComputeSeismicLoads(SeismicProblem("Class B", 30.0f));
  EXPECT_FLOAT_EQ(s.SeismicLoad[0], 6.0f);
  EXPECT_TRUE(s.SeismicMinGoverns);
}

TEST(SeismicLoads, NegativeSsGivesNegativeLoadsOfTheSameSize) {
  const SeismicResult up = ComputeSeismicLoads(SeismicProblem("Class D", 62.5f));
  const SeismicResult down = ComputeSeismicLoads(SeismicProblem("Class D", -62.5f));
  EXPECT_FLOAT_EQ(down.SeismicLoad[0], -up.SeismicLoad[0]);
  EXPECT_FLOAT_EQ(down.SeismicLoad[1], -up.SeismicLoad[1]);
  EXPECT_LT(down.SeismicLoad[0], 0.0f);

  // The minimum keeps the sign too: Class E with Fa 0 at −110 % gives −6.
  Problem p = SeismicProblem("Class E", -110.0f);
  const SeismicResult e = ComputeSeismicLoads(p);
  EXPECT_FLOAT_EQ(e.SeismicLoad[0], -6.0f);
  EXPECT_TRUE(e.SeismicMinGoverns);
}

TEST(SeismicLoads, ImportanceFactorByUseGroup) {
  // Class B at 150 %: SDS = 1.0; wall 0.4·IE·60 = 24·IE.
  struct Case {
    const char* group;
    double ie;
  };
  for (const Case c : {Case{"I", 1.0}, Case{"II", 1.25}, Case{"III", 1.5}, Case{"IV", 1.0}}) {
    Problem p = SeismicProblem("Class B", 150.0f);
    p.working.UseGroup = c.group;
    EXPECT_NEAR(ComputeSeismicLoads(p).SeismicLoad[0], 24.0 * c.ie, 1e-4) << c.group;
    EXPECT_DOUBLE_EQ(SeismicImportanceFactor(c.group), c.ie);
  }
  // An unknown group gives IE = 0 and so the 10 % minimum.
  Problem p = SeismicProblem("Class B", 150.0f);
  p.working.UseGroup = "V";
  const SeismicResult r = ComputeSeismicLoads(p);
  EXPECT_FLOAT_EQ(r.SeismicLoad[0], 6.0f);
  EXPECT_TRUE(r.SeismicMinGoverns);
}

TEST(SeismicLoads, ParapetForceWithinItsBounds) {
  // Class B at 150 %: SDS = 1.0, w = 60. Force (2z/h + 1)·60/(2.5/Ip), held
  // between 0.3·60·Ip and 1.6·60·Ip.
  struct Case {
    float zOverH, ip;
    double expected;
  };
  const Case cases[] = {
      {1.0f, 1.0f, 72.0},   // 3·60/2.5 = 72 (between 18 and 96)
      {0.0f, 1.0f, 24.0},   // 1·60/2.5 = 24
      {2.0f, 1.0f, 96.0},   // 5·60/2.5 = 120, capped at 1.6·60 = 96
      {1.0f, 1.5f, 108.0},  // 3·60/(2.5/1.5) = 108 (cap 144)
      {2.0f, 1.5f, 144.0},  // 5·60/(2.5/1.5) = 180, capped at 1.6·1.5·60 = 144
      // Below z/h = −0.125 (outside the field's range) the floor 0.3·Ip·SDS·w
      // governs: (−0.5·2 + 1)·60/2.5 = 0 → 0.3·60 = 18.
      {-0.5f, 1.0f, 18.0},
  };
  for (const Case& c : cases) {
    Problem p = SeismicProblem("Class B", 150.0f);
    p.working.ZOverH = c.zOverH;
    p.working.Ip = c.ip;
    EXPECT_NEAR(ComputeSeismicLoads(p).SeismicLoad[1], c.expected, 1e-3)
        << "z/h " << c.zOverH << " Ip " << c.ip;
  }
}

TEST(SeismicLoads, ScaledToTheStripWidth) {
  // A 24 in strip carries twice the 12 in loads: 26 and 78 lb per ft of height.
  Problem p = SeismicProblem("Class D", 62.5f);
  p.working.StripWidth = 24.0f;
  const SeismicResult r = ComputeSeismicLoads(p);
  EXPECT_NEAR(r.SeismicLoad[0], 26.0f, 2e-4);
  EXPECT_NEAR(r.SeismicLoad[1], 78.0f, 2e-4);
}

TEST(SeismicLoads, LeavesTheProblemUnchanged) {
  const Problem p = SeismicProblem("Class D", 62.5f);
  Problem copy = p;
  ComputeSeismicLoads(copy);
  EXPECT_EQ(copy.working.Ss, p.working.Ss);
  EXPECT_EQ(copy.entry.UserFa, p.entry.UserFa);
}

TEST(SiteCoefficientDialog, ShowsUserFaAndOkTakesTheFieldValue) {
  EntryForm entry;
  entry.UserFa = 1.5f;
  SiteCoefficientDialogModel dialog(entry);
  EXPECT_EQ(dialog.FieldText(), " 1.50");
  EXPECT_EQ(SiteCoefficientDialogModel::kCaption, "Site Coefficient, Fa");
  EXPECT_EQ(SiteCoefficientDialogModel::kFieldLabel, "Fa = ");
  EXPECT_EQ(SiteCoefficientDialogModel::kNote,
            "For Site Classes E (Ss >= 125%) and F the site coefficient Fa is not defined by "
            "IBC 2000 and must be determined by \"site specific geotechnical  investigation and "
            "dynamic site response analyses\".");

  dialog.SetFieldText("2.25");
  dialog.Ok(entry);
  EXPECT_FLOAT_EQ(entry.UserFa, 2.25f);

  // A blank field holds 0.
  SiteCoefficientDialogModel blank(entry);
  blank.SetFieldText("");
  blank.Ok(entry);
  EXPECT_FLOAT_EQ(entry.UserFa, 0.0f);
}

TEST(SiteCoefficientDialog, CancelChangesNothing) {
  EntryForm entry;
  entry.UserFa = 0.8f;
  {
    SiteCoefficientDialogModel dialog(entry);
    dialog.SetFieldText("3.00");
    // Cancel: the dialog closes without OK.
  }
  EXPECT_FLOAT_EQ(entry.UserFa, 0.8f);
}

}  // namespace
}  // namespace calvix
