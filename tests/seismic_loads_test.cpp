// Seismic loads on the main wall (IBC 2000 1620.1.7) and the parapet
// (IBC 2000 1621.1.4), and the site coefficient dialog.
#include "analysis/seismic_loads.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/analysis_fixtures.h"

namespace calvix {
namespace {

// A 12 in strip of a 50 psf wall with a 10 psf veneer (w = 60 psf), use group
// I, parapet at z/h = 1 with Ip = 1.0; plus the given edits.
SeismicResult Loads(const std::string& edits) {
  Problem p;
  testing::Apply(p,
                 "UseGroup=I S1Class=<_0.75_g WallWeight=50 VeneerWeight=10 StripWidth=12 "
                 "ZOverH=1 Ip=1 " +
                     edits);
  return ComputeSeismicLoads(p);
}

// Hand-worked loads in tests/data/analysis/seismic_loads.txt.
TEST(SeismicLoads, HandWorkedWallAndParapetLoads) {
  const auto rows = testing::ReadTable("seismic_loads.txt");
  for (const auto& row : rows) {
    const SeismicResult r = Loads(row[0]);
    EXPECT_NEAR(r.SeismicLoad[0], std::stod(row[1]), 2e-4) << row[0];
    EXPECT_NEAR(r.SeismicLoad[1], std::stod(row[2]), 2e-4) << row[0];
    EXPECT_EQ(r.SeismicMinGoverns, row[3] == "yes") << row[0];
  }
  EXPECT_GT(rows.size(), 15u);
  EXPECT_DOUBLE_EQ(SeismicImportanceFactor("II"), 1.25);
}

TEST(SiteCoefficientDialog, ShowsUserFaAndOnlyOkTakesTheFieldValue) {
  EntryForm entry;
  entry.UserFa = 1.5f;
  SiteCoefficientDialogModel dialog(entry);
  EXPECT_EQ(dialog.FieldText(), " 1.50");
  EXPECT_EQ(SiteCoefficientDialogModel::kNote,
            "For Site Classes E (Ss >= 125%) and F the site coefficient Fa is not defined by "
            "IBC 2000 and must be determined by \"site specific geotechnical  investigation and "
            "dynamic site response analyses\".");
  dialog.SetFieldText("2.25");
  EXPECT_FLOAT_EQ(entry.UserFa, 1.5f);  // closing without OK changes nothing
  dialog.Ok(entry);
  EXPECT_FLOAT_EQ(entry.UserFa, 2.25f);
  dialog.SetFieldText("");  // a blank field holds 0
  dialog.Ok(entry);
  EXPECT_FLOAT_EQ(entry.UserFa, 0.0f);
}

}  // namespace
}  // namespace calvix
