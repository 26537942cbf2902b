// Default masonry data: unit strength tables, allowable stresses, face shell
// and the entry rules that keep the calculated fields up to date. Expected
// values are worked by hand from the unit strength method tables.
#include "model/material_data.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/errors.h"
#include "support/recording_platform.h"

namespace calvix {
namespace {

// ---------------------------------------------------------------------------
// MasonryStrength

struct StrengthCase {
  const char* method;
  const char* material;
  const char* mortar;
  float unitStrength;
  double fmPrime;  // psi
  double em;       // ksi
  const char* why;
};

void PrintTo(const StrengthCase& c, std::ostream* os) {
  *os << c.material << "/" << c.mortar << "/" << c.method << " u=" << c.unitStrength << " ("
      << c.why << ")";
}

class MasonryStrengthTest : public ::testing::TestWithParam<StrengthCase> {};

TEST_P(MasonryStrengthTest, InterpolatesTheTableColumn) {
  const StrengthCase& c = GetParam();
  MasonryStrengthResult r = MasonryStrength(c.method, c.material, c.mortar, c.unitStrength);
  // Single precision: a few thousandths of a psi at these magnitudes.
  EXPECT_NEAR(r.FmPrime, c.fmPrime, 2e-3);
  EXPECT_NEAR(r.Em, c.em, 2e-3);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, MasonryStrengthTest,
    ::testing::Values(
        // Row 2 of U, M/S: 1900 -> 1500; Em = 0.9 x 1500 = 1350 ksi.
        StrengthCase{"ACI", "CMU", "S", 1900, 1500, 1350, "on row 2"},
        // Clay, C-IBC, N tops out at 13000 -> 3000; Em = 0.7 x 3000 = 2100.
        StrengthCase{"IBC-W", "Clay", "N", 20000, 3000, 2100, "above last row"},
        // 1000 + 500 x (500 - 1300) / 850 = 1000 - 470.5882 = 529.4118; Em = 476.4706.
        StrengthCase{"ACI", "CMU", "N", 500, 529.411765, 476.470588, "extrapolated"},
        // 1000 + 500 x (100 - 1300) / 850 = 1000 - 705.8824 = 294.1176; Em = 264.7059.
        StrengthCase{"ACI", "CMU", "N", 100, 294.117647, 264.705882, "far below row 1"},
        // u = 0 is taken as no data: 0.0001 for both.
        StrengthCase{"ACI", "CMU", "S", 0, 0.0001, 0.0001, "zero"},
        StrengthCase{"IBC-S", "Brick", "N", 0, 0.0001, 0.0001, "zero brick"}));

// One value in the middle of a row interval of each column.
INSTANTIATE_TEST_SUITE_P(
    EachColumn, MasonryStrengthTest,
    ::testing::Values(
        // U, N: midway 2150..3050 = 2600 -> 1750; Em = 0.9 x 1750 = 1575.
        StrengthCase{"ACI", "CMU", "N", 2600, 1750, 1575, "U N"},
        // U, M/S: midway 1900..2800 = 2350 -> 1750.
        StrengthCase{"ACI", "CMU", "M", 2350, 1750, 1575, "U M"},
        // U serves IBC too: a quarter of 3050..4050 = 3300 -> 2000 + 125 = 2125; Em 1912.5.
        StrengthCase{"IBC-W", "CMU", "N", 3300, 2125, 1912.5, "U N IBC-W"},
        StrengthCase{"IBC-S", "CMU", "S", 2350, 1750, 1575, "U S IBC-S"},
        // C-ACI, N: midway 4150..6200 = 5175 -> 1750; Em = 0.7 x 1750 = 1225.
        StrengthCase{"ACI", "Clay", "N", 5175, 1750, 1225, "C-ACI N"},
        // C-ACI, M/S: midway 9900..13200 = 11550 -> 3750; Em = 2625.
        StrengthCase{"ACI", "Clay", "S", 11550, 3750, 2625, "C-ACI S"},
        StrengthCase{"ACI", "Brick", "M", 11550, 3750, 2625, "C-ACI M brick"},
        // C-IBC, N: midway 8000..10500 = 9250 -> 2250; Em = 1575.
        StrengthCase{"IBC-W", "Clay", "N", 9250, 2250, 1575, "C-IBC N"},
        StrengthCase{"IBC-S", "Brick", "N", 9250, 2250, 1575, "C-IBC N brick"},
        // C-IBC, M/S: midway 12400..14400 = 13400 -> 3750; Em = 2625.
        StrengthCase{"IBC-W", "Clay", "M", 13400, 3750, 2625, "C-IBC M"},
        // 4150 is a row of C-ACI N (1500) but lies in 3000..5500 of C-IBC N:
        // 1000 + 500 x 1150 / 2500 = 1230; Em = 861.
        StrengthCase{"ACI", "Brick", "N", 4150, 1500, 1050, "C-ACI picked"},
        StrengthCase{"IBC-W", "Brick", "N", 4150, 1230, 861, "C-IBC picked"},
        StrengthCase{"IBC-S", "Clay", "N", 4150, 1230, 861, "C-IBC for strength"}));

// Both sides of tabulated unit strengths: on the value the row's f'm, one psi
// above it the next interval, one psi below it the previous one.
INSTANTIATE_TEST_SUITE_P(
    BracketBoundaries, MasonryStrengthTest,
    ::testing::Values(
        // U, M/S rows 1250/1900/2800/3750/4800 -> 1000..3000.
        StrengthCase{"ACI", "CMU", "S", 1250, 1000, 900, "row 1"},
        // Below row 1 along rows 1-2: 1000 - 500/650 = 999.2308.
        StrengthCase{"ACI", "CMU", "S", 1249, 999.230769, 899.307692, "below row 1"},
        // 1000 + 500/650 = 1000.7692.
        StrengthCase{"ACI", "CMU", "S", 1251, 1000.769231, 900.692308, "above row 1"},
        // 1500 - 500/650 = 1499.2308.
        StrengthCase{"ACI", "CMU", "S", 1899, 1499.230769, 1349.307692, "below row 2"},
        // 1500 + 500/900 = 1500.5556.
        StrengthCase{"ACI", "CMU", "S", 1901, 1500.555556, 1350.5, "above row 2"},
        StrengthCase{"ACI", "CMU", "S", 2800, 2000, 1800, "row 3"},
        // 2000 + 500/950 = 2000.5263.
        StrengthCase{"ACI", "CMU", "S", 2801, 2000.526316, 1800.473684, "above row 3"},
        StrengthCase{"ACI", "CMU", "S", 3750, 2500, 2250, "row 4"},
        // 2500 - 500/950 = 2499.4737.
        StrengthCase{"ACI", "CMU", "S", 3749, 2499.473684, 2249.526316, "below row 4"},
        StrengthCase{"ACI", "CMU", "S", 4800, 3000, 2700, "last row"},
        // 3000 - 500/1050 = 2999.5238.
        StrengthCase{"ACI", "CMU", "S", 4799, 2999.523810, 2699.571429, "below last row"},
        StrengthCase{"ACI", "CMU", "S", 4801, 3000, 2700, "above last row"},
        // U, N: 2150 -> 1500; 1500 - 500/850 = 1499.4118; 1500 + 500/900 = 1500.5556.
        StrengthCase{"ACI", "CMU", "N", 2150, 1500, 1350, "U N row 2"},
        StrengthCase{"ACI", "CMU", "N", 2149, 1499.411765, 1349.470588, "U N below row 2"},
        StrengthCase{"ACI", "CMU", "N", 2151, 1500.555556, 1350.5, "U N above row 2"},
        StrengthCase{"ACI", "CMU", "N", 5250, 3000, 2700, "U N last row"},
        StrengthCase{"ACI", "CMU", "N", 5251, 3000, 2700, "U N above last row"},
        // C-ACI, N ends at 10300 (no 3500 row).
        StrengthCase{"ACI", "Clay", "N", 10300, 3000, 2100, "C-ACI N last row"},
        StrengthCase{"ACI", "Clay", "N", 10301, 3000, 2100, "C-ACI N above last"},
        // C-ACI, M/S goes on to 9900 -> 3500 and 13200 -> 4000.
        StrengthCase{"ACI", "Clay", "M", 8250, 3000, 2100, "C-ACI M row 5"},
        // 3000 + 500/1650 = 3000.3030.
        StrengthCase{"ACI", "Clay", "M", 8251, 3000.303030, 2100.212121, "C-ACI M above row 5"},
        StrengthCase{"ACI", "Clay", "M", 9900, 3500, 2450, "C-ACI M row 6"},
        // 3500 + 500/3300 = 3500.1515.
        StrengthCase{"ACI", "Clay", "M", 9901, 3500.151515, 2450.106061, "C-ACI M above row 6"},
        StrengthCase{"ACI", "Clay", "M", 13200, 4000, 2800, "C-ACI M last row"},
        // 4000 - 500/3300 = 3999.8485.
        StrengthCase{"ACI", "Clay", "M", 13199, 3999.848485, 2799.893939, "C-ACI M below last"},
        StrengthCase{"ACI", "Brick", "S", 13201, 4000, 2800, "C-ACI S above last"},
        // C-IBC: N ends at 13000 -> 3000, M/S at 14400 -> 4000.
        StrengthCase{"IBC-W", "Clay", "N", 13000, 3000, 2100, "C-IBC N last row"},
        StrengthCase{"IBC-W", "Clay", "N", 13001, 3000, 2100, "C-IBC N above last"},
        StrengthCase{"IBC-W", "Clay", "N", 3000, 1000, 700, "C-IBC N row 1"},
        // 1000 - 500/2500 = 999.8.
        StrengthCase{"IBC-W", "Clay", "N", 2999, 999.8, 699.86, "C-IBC N below row 1"},
        StrengthCase{"IBC-S", "Clay", "S", 12400, 3500, 2450, "C-IBC S row 6"},
        StrengthCase{"IBC-S", "Clay", "S", 14400, 4000, 2800, "C-IBC S last row"},
        StrengthCase{"IBC-S", "Clay", "S", 20000, 4000, 2800, "C-IBC S above last"}));

TEST(MasonryStrength, MortarsMAndSShareAColumnAndNDiffers) {
  for (const char* material : {"CMU", "Clay", "Brick"}) {
    for (const char* method : {"ACI", "IBC-W", "IBC-S"}) {
      // 4400 lies inside every column, so the columns give different values.
      float m = MasonryStrength(method, material, "M", 4400).FmPrime;
      float s = MasonryStrength(method, material, "S", 4400).FmPrime;
      float n = MasonryStrength(method, material, "N", 4400).FmPrime;
      EXPECT_EQ(m, s) << material << " " << method;
      EXPECT_NE(m, n) << material << " " << method;
    }
  }
}

// ---------------------------------------------------------------------------
// Allowable stresses

TEST(AllowableFlexure, OneThirdOfFmForWorkingStressOnly) {
  EXPECT_FLOAT_EQ(AllowableFlexure("ACI", 1500), 500.0f);    // 1500 / 3
  EXPECT_FLOAT_EQ(AllowableFlexure("IBC-W", 2400), 800.0f);  // 2400 / 3
  EXPECT_FLOAT_EQ(AllowableFlexure("ACI", 1000), 333.333333f);
  EXPECT_EQ(AllowableFlexure("IBC-S", 1500), 0.0f);
  EXPECT_EQ(AllowableFlexure("aci", 1500), 0.0f);  // method texts are exact
}

TEST(AllowableShear, RootFmCappedAt50Psi) {
  struct Case {
    float fm;
    float fv;
  };
  const std::vector<Case> cases{
      {1500, 38.729833f},                // sqrt(1500)
      {2401, 49.0f},                     // sqrt(2401) = 49, under the cap
      {2500, 50.0f},                     // sqrt(2500) = 50, on the cap
      {3000, 50.0f},                     // sqrt(3000) = 54.77 -> 50
      {0.0001f, 0.01f},                  // the f'm of a zero unit strength
      {0, 0.0f},          {-100, 0.0f},  // no root of a negative f'm
  };
  for (const Case& c : cases) EXPECT_FLOAT_EQ(AllowableShear(c.fm), c.fv) << "f'm " << c.fm;
}

struct TensionCase {
  const char* material;
  const char* mortarType;
  const char* mortarMaterial;
  float noGrout;
  float solidGrout;
};

TEST(AllowableTension, TableForWorkingStressMethods) {
  // Flexural tension normal to bed joints, psi (no grout, solid grout).
  const std::vector<TensionCase> cases{
      {"Brick", "M", "PCL", 40, 40},     {"Brick", "S", "PCL", 40, 40},
      {"Brick", "N", "PCL", 30, 30},     {"Brick", "M", "Masonry", 24, 24},
      {"Brick", "S", "Masonry", 24, 24}, {"Brick", "N", "Masonry", 15, 15},
      {"CMU", "M", "PCL", 25, 68},       {"CMU", "S", "PCL", 25, 68},
      {"CMU", "N", "PCL", 19, 58},       {"CMU", "M", "Masonry", 15, 41},
      {"CMU", "S", "Masonry", 15, 41},   {"CMU", "N", "Masonry", 9, 29},
      {"Clay", "M", "PCL", 25, 68},      {"Clay", "S", "PCL", 25, 68},
      {"Clay", "N", "PCL", 19, 58},      {"Clay", "M", "Masonry", 15, 41},
      {"Clay", "S", "Masonry", 15, 41},  {"Clay", "N", "Masonry", 9, 29},
  };
  for (const char* method : {"ACI", "IBC-W"}) {
    for (const TensionCase& c : cases) {
      AllowableTensionResult ft =
          AllowableTension(method, c.material, c.mortarType, c.mortarMaterial);
      EXPECT_EQ(ft.FtNoGrout, c.noGrout)
          << method << " " << c.material << " " << c.mortarType << " " << c.mortarMaterial;
      EXPECT_EQ(ft.FtSolidGrout, c.solidGrout)
          << method << " " << c.material << " " << c.mortarType << " " << c.mortarMaterial;
    }
  }
}

TEST(AllowableTension, NoneUnderStrengthDesignOrForUnknownChoices) {
  for (const char* material : {"CMU", "Clay", "Brick"}) {
    for (const char* type : {"N", "S", "M"}) {
      for (const char* cement : {"PCL", "Masonry"}) {
        AllowableTensionResult ft = AllowableTension("IBC-S", material, type, cement);
        EXPECT_EQ(ft.FtNoGrout, 0.0f) << material << type << cement;
        EXPECT_EQ(ft.FtSolidGrout, 0.0f) << material << type << cement;
      }
    }
  }
  const std::vector<std::vector<std::string>> unknown{{"ACI", "Stone", "S", "PCL"},
                                                      {"ACI", "CMU", "O", "PCL"},
                                                      {"IBC-W", "Clay", "S", "Lime"},
                                                      {"Allowable", "CMU", "S", "PCL"}};
  for (const auto& u : unknown) {
    AllowableTensionResult ft = AllowableTension(u[0], u[1], u[2], u[3]);
    EXPECT_EQ(ft.FtNoGrout, 0.0f) << u[0] << " " << u[1] << " " << u[2] << " " << u[3];
    EXPECT_EQ(ft.FtSolidGrout, 0.0f) << u[0] << " " << u[1] << " " << u[2] << " " << u[3];
  }
}

// ---------------------------------------------------------------------------
// Unit geometry

TEST(FaceShell, BandsOfNominalThickness) {
  struct Case {
    float t;
    float shell;
  };
  // Hollow units with a 2 in cap, which none of the bands reaches below 16 in.
  const std::vector<Case> cases{
      {3, 0.75f},     {4, 0.75f},    {4.01f, 1.0f},   {5, 1.0f},    {6, 1.0f},
      {6.01f, 1.25f}, {8, 1.25f},    {8.01f, 1.375f}, {10, 1.375f}, {10.01f, 1.5f},
      {12, 1.5f},     {13, 1.5625f},  // (13/8 + 1.5)/2 = (1.625 + 1.5)/2
      {16, 1.75f},                    // (16/8 + 1.5)/2 = (2 + 1.5)/2
      {20, 2.0f},                     // (2.5 + 1.5)/2 = 2.0, on the cap
      {24, 2.0f},                     // (3 + 1.5)/2 = 2.25 -> capped at 2
  };
  for (const char* material : {"CMU", "Clay"}) {
    for (const Case& c : cases) {
      EXPECT_FLOAT_EQ(FaceShell(c.t, material, 2.0f), c.shell) << material << " t " << c.t;
    }
  }
}

TEST(FaceShell, CapAppliesToHollowUnitsOnly) {
  EXPECT_FLOAT_EQ(FaceShell(16, "CMU", 2.0f), 1.75f);
  EXPECT_FLOAT_EQ(FaceShell(16, "CMU", 1.5f), 1.5f);  // 1.75 -> cap 1.5
  EXPECT_FLOAT_EQ(FaceShell(8, "Clay", 1.0f), 1.0f);  // 1.25 -> cap 1.0
  EXPECT_FLOAT_EQ(FaceShell(4, "CMU", 1.0f), 0.75f);  // under the cap
  EXPECT_FLOAT_EQ(FaceShell(8, "Brick", 1.0f), 3.625f);
  EXPECT_FLOAT_EQ(FaceShell(4, "Brick", 2.0f), 3.625f);
}

TEST(NominalMinusActual, ByMaterial) {
  EXPECT_FLOAT_EQ(NominalMinusActual("CMU"), 0.375f);
  EXPECT_FLOAT_EQ(NominalMinusActual("Clay"), 0.5f);
  EXPECT_EQ(NominalMinusActual("Brick"), 0.0f);
}

TEST(ModularRatio, EsOverEmAndZeroForNoEm) {
  EXPECT_FLOAT_EQ(ModularRatio(29000, 1350), 21.481481f);  // 29000 / 1350
  EXPECT_FLOAT_EQ(ModularRatio(29000, 2100), 13.809524f);  // 29000 / 2100
  EXPECT_EQ(ModularRatio(29000, 0), 0.0f);
}

TEST(TensionForSpacing, GroutingCases) {
  struct Case {
    int16_t n;
    int16_t m;
    bool solid;
    float ft;
  };
  // Ft no grout 25, solid grout 68 (CMU, type S, PCL): difference 43.
  const std::vector<Case> cases{
      {1, 4, true, 68.0f},                         // solid grouted wall: always the grouted value
      {4, 4, true, 68.0f},  {4, 4, false, 25.0f},  // the last case is "no grout"
      {1, 4, false, 68.0f},                        // 25 + 43/1
      {2, 4, false, 46.5f},                        // 25 + 43/2
      {0, 4, false, 0.0f},                         // no case 0: guarded
      {0, 0, false, 25.0f},                        // n = m comes first
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TensionForSpacing(c.n, c.m, c.solid, 25.0f, 68.0f), c.ft)
        << "n " << c.n << " m " << c.m << " solid " << c.solid;
  }
  // 25 + 43/3 = 25 + 14.333333 in single precision.
  EXPECT_FLOAT_EQ(TensionForSpacing(3, 4, false, 25.0f, 68.0f), 39.333332f);
}

// ---------------------------------------------------------------------------
// UpDateMasonry and the entry rules

class MasonryFieldsTest : public ::testing::Test {
 protected:
  MasonryFieldsTest() : session(platform, ProgramFolder{}) {
    Problem& p = session.problem;
    p.units.UnitsType = 1;
    p.units.UnitFactors.fill(1.0f);
    p.MaxShellThickness = 2.0f;
    p.entry.DesignMethod = "ACI";
    p.entry.MasonryMaterial = "CMU";
    p.entry.MortarType = "S";
    p.entry.MortarMaterial = "PCL";
    p.entry.UserMasonryData = false;
    auto& d = session.display.Decimals;
    d.fill(2);
    d[kWallThicknessField] = 0;
    d[kWallSteelDepthField] = 3;
    d[kParapetThicknessField] = 0;
    d[kParapetSteelDepthField] = 3;
    d[kUnitStrengthField] = 0;
    d[kEmField] = 0;
    d[kEsField] = 0;
    d[kFaceShellField] = 3;
    d[kNominalMinusActualField] = 3;
    Field(kWallThicknessField) = "8";
    Field(kUnitStrengthField) = "1900";
    Field(kEsField) = "29000";
  }

  std::string& Field(int i) { return session.problem.entry.Fields[static_cast<size_t>(i)]; }

  void UseSiUnits() {
    UnitSystem& u = session.problem.units;
    u.UnitsType = 2;
    u.UnitFactors.fill(1.0f);
    u.UnitFactors[kMasonryStress] = 0.00689475729f;  // MPa per psi
    u.UnitFactors[kModulus] = 6.89475729f;           // MPa per ksi
    u.UnitFactors[kLengthShort] = 25.4f;             // mm per in
    auto& d = session.display.Decimals;
    for (int f = kUnitStrengthField; f <= kFtSolidGroutField; ++f) d[static_cast<size_t>(f)] = 2;
    d[kEmField] = 0;
    d[kEsField] = 0;
    d[kWallThicknessField] = 0;
    d[kFaceShellField] = 0;
    d[kNominalMinusActualField] = 0;
  }

  std::vector<std::string> MasonryFields() {
    std::vector<std::string> texts;
    for (int f = kFmPrimeField; f <= kNominalMinusActualField; ++f) texts.push_back(Field(f));
    return texts;
  }

  testing::RecordingPlatform platform;
  Session session;
};

TEST_F(MasonryFieldsTest, CmuTypeSUnitedStates) {
  UpDateMasonry(session);
  EXPECT_EQ(Field(kFmPrimeField), "1500.00");  // row 2 of U, M/S
  EXPECT_EQ(Field(kFbField), "500.00");        // 1500 / 3
  EXPECT_EQ(Field(kFvField), "38.73");         // sqrt(1500) = 38.7298
  EXPECT_EQ(Field(kFtNoGroutField), "25.00");
  EXPECT_EQ(Field(kFtSolidGroutField), "68.00");
  EXPECT_EQ(Field(kEmField), "1350");             // 0.9 x 1500
  EXPECT_EQ(Field(kModularRatioField), "21.48");  // 29000 / 1350 = 21.4815
  EXPECT_EQ(Field(kFaceShellField), "1.250");     // 8 in: 6 < t <= 8
  EXPECT_EQ(Field(kNominalMinusActualField), "0.375");
  // Inputs stay as they were.
  EXPECT_EQ(Field(kUnitStrengthField), "1900");
  EXPECT_EQ(Field(kWallThicknessField), "8");
  EXPECT_EQ(Field(kEsField), "29000");
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(MasonryFieldsTest, ModularRatioUsesEmAsDisplayed) {
  Field(kUnitStrengthField) = "500";
  session.problem.entry.MortarType = "N";
  UpDateMasonry(session);
  // f'm = 529.4118 (extrapolated), Em = 0.9 x 529.4118 = 476.4706 -> "476".
  EXPECT_EQ(Field(kFmPrimeField), "529.41");
  EXPECT_EQ(Field(kFbField), "176.47");  // 529.4118 / 3 = 176.4706
  EXPECT_EQ(Field(kFvField), "23.01");   // sqrt(529.4118) = 23.0089
  EXPECT_EQ(Field(kFtNoGroutField), "19.00");
  EXPECT_EQ(Field(kFtSolidGroutField), "58.00");
  EXPECT_EQ(Field(kEmField), "476");
  // 29000 / 476 = 60.924 (not 29000 / 476.4706 = 60.864).
  EXPECT_EQ(Field(kModularRatioField), "60.92");
}

TEST_F(MasonryFieldsTest, ZeroUnitStrengthGivesNoModularRatio) {
  Field(kUnitStrengthField) = "0";
  UpDateMasonry(session);
  EXPECT_EQ(Field(kFmPrimeField), "0.00");  // 0.0001
  EXPECT_EQ(Field(kFvField), "0.01");       // sqrt(0.0001)
  EXPECT_EQ(Field(kEmField), "0");          // 0.0001 shows as 0
  EXPECT_EQ(Field(kModularRatioField), "0.00");
}

TEST_F(MasonryFieldsTest, BrickUnderStrengthDesign) {
  session.problem.entry.MasonryMaterial = "Brick";
  session.problem.entry.DesignMethod = "IBC-S";
  Field(kUnitStrengthField) = "4400";  // C-IBC, M/S row 2 -> 1500
  UpDateMasonry(session);
  EXPECT_EQ(Field(kFmPrimeField), "1500.00");
  EXPECT_EQ(Field(kFbField), "0.00");
  EXPECT_EQ(Field(kFvField), "38.73");
  EXPECT_EQ(Field(kFtNoGroutField), "0.00");
  EXPECT_EQ(Field(kFtSolidGroutField), "0.00");
  EXPECT_EQ(Field(kEmField), "1050");             // 0.7 x 1500
  EXPECT_EQ(Field(kModularRatioField), "27.62");  // 29000 / 1050 = 27.619
  EXPECT_EQ(Field(kFaceShellField), "3.625");     // one wythe, above the 2 in cap
  EXPECT_EQ(Field(kNominalMinusActualField), "0.000");
}

TEST_F(MasonryFieldsTest, ClayNominalMinusActual) {
  session.problem.entry.MasonryMaterial = "Clay";
  session.problem.entry.MortarType = "N";
  session.problem.entry.DesignMethod = "IBC-W";
  Field(kUnitStrengthField) = "20000";
  UpDateMasonry(session);
  EXPECT_EQ(Field(kFmPrimeField), "3000.00");  // top of C-IBC N
  EXPECT_EQ(Field(kFbField), "1000.00");
  EXPECT_EQ(Field(kFvField), "50.00");  // sqrt(3000) = 54.8 -> 50
  EXPECT_EQ(Field(kFtNoGroutField), "19.00");
  EXPECT_EQ(Field(kFtSolidGroutField), "58.00");
  EXPECT_EQ(Field(kEmField), "2100");
  EXPECT_EQ(Field(kNominalMinusActualField), "0.500");
}

TEST_F(MasonryFieldsTest, SixteenInchUnitAndTheShellCap) {
  Field(kWallThicknessField) = "16";
  UpDateMasonry(session);
  EXPECT_EQ(Field(kFaceShellField), "1.750");  // (16/8 + 1.5)/2
  session.problem.MaxShellThickness = 1.5f;
  UpDateMasonry(session);
  EXPECT_EQ(Field(kFaceShellField), "1.500");
}

TEST_F(MasonryFieldsTest, NominalThicknessRoundsToWholeInchesTiesToEven) {
  struct Case {
    const char* thickness;
    const char* shell;
  };
  const std::vector<Case> cases{
      {"4.5", "0.750"},   // -> 4 (half-up would give 5 and 1.0)
      {"5.5", "1.000"},   // -> 6
      {"8.4", "1.250"},   // -> 8
      {"8.5", "1.250"},   // -> 8
      {"8.6", "1.375"},   // -> 9
      {"9.5", "1.375"},   // -> 10
      {"10.5", "1.375"},  // -> 10 (half-up would give 11 and 1.5)
      {"11.5", "1.500"},  // -> 12
  };
  for (const Case& c : cases) {
    Field(kWallThicknessField) = c.thickness;
    UpDateMasonry(session);
    EXPECT_EQ(Field(kFaceShellField), c.shell) << "thickness " << c.thickness;
  }
}

TEST_F(MasonryFieldsTest, UserMasonryDataLeavesTheFieldsAlone) {
  session.problem.entry.UserMasonryData = true;
  for (int f = kFmPrimeField; f <= kNominalMinusActualField; ++f) Field(f) = std::to_string(f);
  std::vector<std::string> before = MasonryFields();
  Field(kUnitStrengthField) = "3000";
  UpDateMasonry(session);
  AfterFieldEdited(session, kUnitStrengthField);
  EXPECT_EQ(MasonryFields(), before);
  // Not even a bad text is read.
  Field(kUnitStrengthField) = "abc";
  EXPECT_NO_THROW(UpDateMasonry(session));
  EXPECT_EQ(MasonryFields(), before);
}

TEST_F(MasonryFieldsTest, TextThatIsNotANumberThrows) {
  Field(kUnitStrengthField) = "19OO";
  EXPECT_THROW(UpDateMasonry(session), CalvixError);
  Field(kUnitStrengthField) = "1900";
  Field(kEsField) = "twenty-nine thousand";
  EXPECT_THROW(UpDateMasonry(session), CalvixError);
}

TEST_F(MasonryFieldsTest, SiUnits) {
  UseSiUnits();
  Field(kUnitStrengthField) = "13.10";  // MPa
  Field(kWallThicknessField) = "200";   // mm
  Field(kEsField) = "199948";           // 29000 ksi x 6.8947573
  UpDateMasonry(session);
  // u = 13.1 / 0.0068947575 = 1899.994 psi (U, M/S, rows 1250..1900):
  // f'm = 1500 + 500 x (1899.994 - 1900) / 650 = 1499.9956 psi x 0.0068947575 = 10.3421 MPa.
  EXPECT_EQ(Field(kFmPrimeField), "10.34");
  // Fb = 499.9985 psi = 3.4474 MPa; Fv = sqrt(1499.9956) = 38.7298 psi = 0.26703 MPa.
  EXPECT_EQ(Field(kFbField), "3.45");
  EXPECT_EQ(Field(kFvField), "0.27");
  // Ft = 25 psi = 0.17237 MPa, 68 psi = 0.46884 MPa.
  EXPECT_EQ(Field(kFtNoGroutField), "0.17");
  EXPECT_EQ(Field(kFtSolidGroutField), "0.47");
  // Em = 0.9 x 1499.9956 = 1349.996 ksi x 6.8947573 = 9307.9 MPa.
  EXPECT_EQ(Field(kEmField), "9308");
  // n = 199948 / 9308 = 21.4813.
  EXPECT_EQ(Field(kModularRatioField), "21.48");
  // 200 mm / 25.4 = 7.874 in -> 8 in -> 1.25 in = 31.75 mm -> 32;
  // 0.375 in = 9.525 mm -> 10.
  EXPECT_EQ(Field(kFaceShellField), "32");
  EXPECT_EQ(Field(kNominalMinusActualField), "10");
}

TEST_F(MasonryFieldsTest, MetricThicknessesBecomeWholeDisplayUnits) {
  UseSiUnits();
  Field(kUnitStrengthField) = "13.10";
  Field(kWallThicknessField) = "305";  // 12.008 in -> 12 in -> 1.5 in
  // With one decimal shown the thicknesses are first written 38.1 and 12.7 mm,
  // then made whole.
  session.display.Decimals[kFaceShellField] = 1;
  session.display.Decimals[kNominalMinusActualField] = 1;
  session.problem.entry.MasonryMaterial = "Clay";
  UpDateMasonry(session);
  EXPECT_EQ(Field(kFaceShellField), "38.0");           // 1.5 x 25.4 = 38.1
  EXPECT_EQ(Field(kNominalMinusActualField), "13.0");  // 0.5 x 25.4 = 12.7
}

TEST_F(MasonryFieldsTest, WholeDisplayUnitsRoundTiesToEven) {
  // A made-up metric length unit of half-inches puts the thicknesses on halves.
  UseSiUnits();
  session.problem.units.UnitsType = 3;
  session.problem.units.UnitFactors[kLengthShort] = 2.0f;
  session.display.Decimals[kFaceShellField] = 1;
  session.display.Decimals[kNominalMinusActualField] = 1;
  Field(kUnitStrengthField) = "13.10";
  Field(kWallThicknessField) = "16";               // 8 in -> 1.25 in -> 2.5 units
  session.problem.entry.MasonryMaterial = "Clay";  // 0.5 in -> 1 unit
  UpDateMasonry(session);
  EXPECT_EQ(Field(kFaceShellField), "2.0");  // 2.5 -> 2
  EXPECT_EQ(Field(kNominalMinusActualField), "1.0");
  Field(kWallThicknessField) = "20";              // 10 in -> 1.375 in -> 2.75 units -> 3
  session.problem.entry.MasonryMaterial = "CMU";  // 0.375 in -> 0.75 units -> 1
  UpDateMasonry(session);
  EXPECT_EQ(Field(kFaceShellField), "3.0");
  EXPECT_EQ(Field(kNominalMinusActualField), "1.0");
  Field(kWallThicknessField) = "24";  // 12 in -> 1.5 in -> 3 units
  UpDateMasonry(session);
  EXPECT_EQ(Field(kFaceShellField), "3.0");
  session.problem.MaxShellThickness = 1.75f;  // 16 in -> 1.75 in -> 3.5 units -> 4
  Field(kWallThicknessField) = "32";
  UpDateMasonry(session);
  EXPECT_EQ(Field(kFaceShellField), "4.0");
}

TEST_F(MasonryFieldsTest, UnitedStatesKeepsFractionalThicknesses) {
  session.problem.entry.MasonryMaterial = "Clay";
  UpDateMasonry(session);
  EXPECT_EQ(Field(kFaceShellField), "1.250");
  EXPECT_EQ(Field(kNominalMinusActualField), "0.500");
}

// --- AfterFieldEdited

constexpr const char* kWarning =
    "Warning, the program is currently set to automatically calculate\r"
    "the DEFAULT MASONRY DATA.  If you wish to edit this data,\r"
    "then choose \"Masonry Data...\" from the Options Menu.";

TEST_F(MasonryFieldsTest, WallThicknessSetsSteelDepthThenMasonry) {
  UpDateMasonry(session);
  Field(kNominalMinusActualField) = "0.500";  // a value left over from clay
  Field(kWallThicknessField) = "12";
  AfterFieldEdited(session, kWallThicknessField);
  // (12 - 0.5) / 2 with the field 30 text present when the rule runs.
  EXPECT_EQ(Field(kWallSteelDepthField), "5.750");
  // Then the masonry data follow the new thickness.
  EXPECT_EQ(Field(kFaceShellField), "1.500");
  EXPECT_EQ(Field(kNominalMinusActualField), "0.375");
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(MasonryFieldsTest, WallThicknessInUserModeSetsSteelDepthOnly) {
  session.problem.entry.UserMasonryData = true;
  Field(kNominalMinusActualField) = "0.600";
  Field(kFaceShellField) = "1.000";
  Field(kWallThicknessField) = "10";
  AfterFieldEdited(session, kWallThicknessField);
  EXPECT_EQ(Field(kWallSteelDepthField), "4.700");  // (10 - 0.6) / 2
  EXPECT_EQ(Field(kFaceShellField), "1.000");
  EXPECT_EQ(Field(kNominalMinusActualField), "0.600");
}

TEST_F(MasonryFieldsTest, ParapetThicknessSetsParapetSteelDepthOnly) {
  UpDateMasonry(session);
  std::vector<std::string> before = MasonryFields();
  Field(kNominalMinusActualField) = "0.500";
  Field(kParapetThicknessField) = "6";
  Field(kUnitStrengthField) = "2800";  // would change f'm if the data were updated
  AfterFieldEdited(session, kParapetThicknessField);
  EXPECT_EQ(Field(kParapetSteelDepthField), "2.750");  // (6 - 0.5) / 2
  EXPECT_EQ(Field(kFmPrimeField), before[0]);
  EXPECT_EQ(Field(kNominalMinusActualField), "0.500");
  EXPECT_EQ(Field(kWallSteelDepthField), "");
}

TEST_F(MasonryFieldsTest, SiSteelDepthInDisplayUnits) {
  UseSiUnits();
  session.display.Decimals[kWallSteelDepthField] = 1;
  Field(kUnitStrengthField) = "13.10";
  Field(kNominalMinusActualField) = "10";
  Field(kWallThicknessField) = "200";
  AfterFieldEdited(session, kWallThicknessField);
  EXPECT_EQ(Field(kWallSteelDepthField), "95.0");  // (200 - 10) / 2 mm
  EXPECT_EQ(Field(kFaceShellField), "32");
}

TEST_F(MasonryFieldsTest, UnitStrengthAndSteelModulusRecalculate) {
  Field(kFmPrimeField) = "1.00";
  AfterFieldEdited(session, kUnitStrengthField);
  EXPECT_EQ(Field(kFmPrimeField), "1500.00");
  Field(kEsField) = "27000";
  AfterFieldEdited(session, kEsField);
  EXPECT_EQ(Field(kModularRatioField), "20.00");  // 27000 / 1350
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(MasonryFieldsTest, EditingACalculatedFieldWarnsAndRestores) {
  UpDateMasonry(session);
  const std::vector<std::string> calculated = MasonryFields();
  const int fields[] = {kFmPrimeField,      kFbField, kFvField,           kFtNoGroutField,
                        kFtSolidGroutField, kEmField, kModularRatioField, kFaceShellField};
  size_t shown = 0;
  for (int f : fields) {
    Field(f) = "7.00";
    AfterFieldEdited(session, f);
    ASSERT_EQ(platform.messages.size(), ++shown) << "field " << f;
    const Message& m = platform.messages.back();
    EXPECT_EQ(m.text, kWarning);
    EXPECT_EQ(m.title, "Default Masonry Data");
    EXPECT_EQ(m.icon, MessageIcon::Information);
    EXPECT_EQ(m.buttons, MessageButtons::Ok);
    EXPECT_EQ(MasonryFields(), calculated) << "field " << f;
  }
}

TEST_F(MasonryFieldsTest, WarningTextIsTheOneShown) {
  EXPECT_EQ(DefaultMasonryDataWarningText(), kWarning);
}

TEST_F(MasonryFieldsTest, EditingCalculatedFieldsInUserModeIsQuiet) {
  session.problem.entry.UserMasonryData = true;
  for (int f : {kFmPrimeField, kEmField, kModularRatioField, kFaceShellField}) {
    Field(f) = "7.00";
    AfterFieldEdited(session, f);
    EXPECT_EQ(Field(f), "7.00");
  }
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(MasonryFieldsTest, OtherFieldsDoNothing) {
  Field(kFmPrimeField) = "1.00";
  Field(kNominalMinusActualField) = "9.999";
  for (int f = 0; f < kEntryFieldCount; ++f) {
    bool ruled = f == kWallThicknessField || f == kParapetThicknessField ||
                 f == kUnitStrengthField || f == kEsField ||
                 (f >= kFmPrimeField && f <= kModularRatioField) || f == kFaceShellField;
    if (ruled) continue;
    AfterFieldEdited(session, f);
  }
  // Field 30 is calculated but editing it neither warns nor recalculates.
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(Field(kFmPrimeField), "1.00");
  EXPECT_EQ(Field(kNominalMinusActualField), "9.999");
  EXPECT_EQ(Field(kWallSteelDepthField), "");
  EXPECT_EQ(Field(kParapetSteelDepthField), "");
}

TEST_F(MasonryFieldsTest, BadUnitStrengthTextPropagates) {
  Field(kUnitStrengthField) = "x";
  EXPECT_THROW(AfterFieldEdited(session, kUnitStrengthField), CalvixError);
  Field(kUnitStrengthField) = "1900";
  Field(kNominalMinusActualField) = "?";
  EXPECT_THROW(AfterFieldEdited(session, kWallThicknessField), CalvixError);
}

}  // namespace
}  // namespace calvix
