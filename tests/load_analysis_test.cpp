// Statics of the main wall and the parapet per load group (hand-worked
// beam results in tests/data/analysis/beam_statics.txt), the load
// combinations and their extremes, on a 10 ft wall and a 12 in strip.
#include "analysis/load_analysis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "analysis/load_combinations.h"
#include "tests/support/analysis_fixtures.h"

namespace calvix {
namespace {

using ::calvix::testing::Apply;

// An 8 in wall 10 ft high on a 12 in strip, site class B, use group I,
// z/h = 1 and Ip = 1, with the edits and the building-code factors of its
// design method (ACI unless edited).
Problem WallProblem(const std::string& edits) {
  Problem p;
  Apply(p,
        "WallHeight=10 WallThickness=8 NominalMinusActual=0.375 StripWidth=12 Em=1800 "
        "SiteClass=Class_B UseGroup=I S1Class=<_0.75_g Ip=1 ZOverH=1 " +
            edits);
  SetBuildingCodeFactors(p.entry);
  return p;
}

// The column of a load group (or of the dead / live axial load) by its name
// in the data file.
size_t Column(const std::string& name) {
  const std::map<std::string, int> columns{{"floor-dead", kFloorDeadGroup},
                                           {"floor-live", kFloorLiveGroup},
                                           {"add-dead", kAddDeadGroup},
                                           {"add-live", kAddLiveGroup},
                                           {"wind", kWindGroup},
                                           {"seismic", kSeismicGroup},
                                           {"fluid", kFluidPressureGroup},
                                           {"dead", 0},
                                           {"live", 1}};
  return static_cast<size_t>(columns.at(name));
}

// A value of the member tables, or of the combination tables with the
// combination number as the group.
double Read(const AnalysisResults& r, const std::string& part, const std::string& quantity,
            const std::string& group, size_t index) {
  const size_t p = PartIndex(part == "wall" ? kMainWall : kParapet);
  const MemberTables& t = r.Members[p];
  const std::map<std::string, const StationTable<float>*> combinations{
      {"comb-moment", &r.CombMoment},       {"comb-axial", &r.CombAxial},
      {"comb-shear", &r.CombShear},         {"factored-moment", &r.FactoredMoment},
      {"factored-axial", &r.FactoredAxial}, {"factored-shear", &r.FactoredShear}};
  if (auto c = combinations.find(quantity); c != combinations.end()) {
    return (*c->second)[p].at(static_cast<size_t>(std::stoi(group) - 1)).at(index);
  }
  const size_t column = Column(group);
  if (quantity == "shear") return t.Shear.at(index)[column];
  return quantity == "moment" ? t.Moment.at(index)[column] : t.Axial.at(index).at(column);
}

TEST(LoadAnalysisStatics, HandWorkedBeamResults) {
  std::ifstream in(std::string(CALVIX_SOURCE_DIR) + "/tests/data/analysis/beam_statics.txt");
  ASSERT_TRUE(in) << "beam_statics.txt missing";
  AnalysisResults r;
  std::string edits;
  int checked = 0;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    if (line.starts_with("case ")) {
      edits = line.substr(5);
      r = AnalyseLoads(WallProblem(edits));
      continue;
    }
    std::istringstream fields(line);
    std::string part, quantity, group;
    size_t index = 0;
    double value = 0;
    ASSERT_TRUE(fields >> part >> quantity >> group >> index >> value) << line;
    EXPECT_NEAR(Read(r, part, quantity, group, index), value,
                1e-3 * std::max(1.0, std::fabs(value)))
        << edits << ": " << line;
    ++checked;
  }
  EXPECT_GT(checked, 190);
}

const std::string kSeismic = " Ss=150 VeneerWeight=50";

// The worked combination problem of the data file.
Problem CombinationProblem(const char* method) {
  return WallProblem(std::string("DesignMethod=") + method +
                     " FloorDead=1000 FloorLive=400 FloorEccentricity=3 Wind=W:20:0:10" + kSeismic);
}

TEST(LoadCombinationExtremes, ScanOfTheWorkedProblem) {
  // ACI combination 4 (D + W): M(y) = −25y + 100y − 10y² = 75y − 10y². Of
  // the stations y = 4 (station 6) gives the largest, 300 − 160 = 140; the
  // smallest is 750 − 1000 = −250 at the top. Axial 1000 everywhere.
  const AnalysisResults r = AnalyseLoads(CombinationProblem("ACI"));
  EXPECT_NEAR(r.CombMaxPosMoment[0][3], 140.0, 1e-3);
  EXPECT_NEAR(r.CombMaxNegMoment[0][3], -250.0, 1e-3);
  EXPECT_NEAR(r.CombAxialAtPosMoment[0][3], 1000.0, 1e-3);
  // Shear 75 − 20y: 75 at the base, −125 at the top.
  EXPECT_NEAR(r.CombMaxShear[0][3], -125.0, 1e-3);
}

TEST(LoadCombinationExtremes, TieRules) {
  // Tables written directly: station j has axial 100·j and moment 1, with
  // equal largest moments 9 at stations 8 and 2, equal smallest −4 at 7 and
  // 3, shears +6 at 9 and −6 at 4 (2 at the top), deflections ±0.5 at 6 and 1.
  AnalysisResults r;
  for (size_t j = 0; j < kStationCount; ++j) {
    r.CombAxial[0][0][j] = r.FactoredAxial[0][0][j] = static_cast<float>(100 * j);
    r.CombMoment[0][0][j] = r.FactoredMoment[0][0][j] = 1.0f;
  }
  for (auto* table : {&r.CombMoment, &r.FactoredMoment}) {
    (*table)[0][0][8] = (*table)[0][0][2] = 9.0f;
    (*table)[0][0][7] = (*table)[0][0][3] = -4.0f;
  }
  for (auto* table : {&r.CombShear, &r.FactoredShear}) {
    (*table)[0][0][9] = 6.0f;
    (*table)[0][0][4] = -6.0f;
    (*table)[0][0][0] = 2.0f;
  }
  r.CombMoment[0][0][4] = 3.0f;  // service moment for the shear-span ratio
  r.FactoredDeflection[0][0][6] = -0.5f;
  r.FactoredDeflection[0][0][1] = 0.5f;
  r.FactoredDeflection[0][0][3] = 0.25f;

  FindCombinationExtremes(r, kMainWall);
  EXPECT_EQ(r.CombMaxPosMoment[0][0], 9.0f);
  EXPECT_EQ(r.CombAxialAtPosMoment[0][0], 800.0f);  // station 8, nearer the base
  EXPECT_EQ(r.CombMaxNegMoment[0][0], -4.0f);
  EXPECT_EQ(r.CombAxialAtNegMoment[0][0], 700.0f);  // station 7
  EXPECT_EQ(r.CombMaxShear[0][0], -6.0f);           // station 4, nearer the top

  FindFactoredExtremes(r, kMainWall);
  EXPECT_EQ(r.FactoredMaxPosMoment[0][0], 9.0f);
  EXPECT_EQ(r.PosMomentStation[0][0], 8);
  EXPECT_EQ(r.FactoredAxialAtPosMoment[0][0], 800.0f);
  EXPECT_EQ(r.FactoredMaxNegMoment[0][0], -4.0f);
  EXPECT_EQ(r.NegMomentStation[0][0], 7);
  EXPECT_EQ(r.FactoredAxialAtNegMoment[0][0], 700.0f);
  EXPECT_EQ(r.FactoredMaxShear[0][0], -6.0f);
  // 12·M/(V + 0.0001) at station 4: 12·3/(−6 + 0.0001).
  EXPECT_NEAR(r.MomentShearRatio[0][0], 36.0 / (-6.0 + 0.0001), 1e-9);
  EXPECT_EQ(r.MaxDeflectionStation[0][0], 1);  // ties move to the top
}

TEST(LoadCombinationExtremes, TopStationCountsWhenItHoldsTheExtreme) {
  // The scan starts just beyond the top value, so a top station that holds
  // the extreme is taken with its axial load.
  AnalysisResults r;
  for (size_t j = 0; j < kStationCount; ++j) {
    r.CombMoment[0][0][j] = -static_cast<float>(j);
    r.CombAxial[0][0][j] = static_cast<float>(50 + j);
  }
  r.CombMoment[0][0][0] = 5.0f;
  FindCombinationExtremes(r, kMainWall);
  EXPECT_EQ(r.CombMaxPosMoment[0][0], 5.0f);
  EXPECT_EQ(r.CombAxialAtPosMoment[0][0], 50.0f);
  EXPECT_EQ(r.CombMaxNegMoment[0][0], -10.0f);
  EXPECT_EQ(r.CombAxialAtNegMoment[0][0], 60.0f);
}

}  // namespace
}  // namespace calvix
