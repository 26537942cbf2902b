// The one wall problem: its entry form (what the engineer typed and what the
// project file keeps), its working form (single-precision values in working
// units, rebuilt by ConvertInput before every use) and the unit-system state.
//
// Working units: short lengths in inches, heights in feet, surface loads in psf,
// line loads in plf, fluid density in pcf, masonry stresses in psi, steel
// stresses and moduli in ksi.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace calvix {

inline constexpr int kEntryFieldCount = 36;
inline constexpr int kWindRowCount = 5;
inline constexpr int kWindColumnCount = 4;
inline constexpr int kLoadCombinationCount = 5;
inline constexpr int kLoadFactorCount = 12;
inline constexpr int kUnitQuantityCount = 17;

// Entry field numbers (element i of the dbData array of the main window).
enum EntryField : int {
  kWallHeightField = 0,
  kWallThicknessField = 1,
  kWallSteelDepthField = 2,
  kParapetHeightField = 3,
  kParapetThicknessField = 4,
  kParapetSteelDepthField = 5,
  kStripWidthField = 6,
  kWallWeightField = 7,
  kFloorDeadField = 8,
  kFloorLiveField = 9,
  kFloorEccentricityField = 10,
  kAddDeadField = 11,
  kAddLiveField = 12,
  kAddEccentricityField = 13,
  kAddYField = 14,
  kEfpField = 15,
  kEfpXField = 16,
  kSsField = 17,
  kVeneerWeightField = 18,
  kUnitStrengthField = 19,
  kFmPrimeField = 20,
  kFbField = 21,
  kFvField = 22,
  kFtNoGroutField = 23,
  kFtSolidGroutField = 24,
  kEmField = 25,
  kModularRatioField = 26,
  kGroutedCellWidthField = 27,
  kUnitLengthField = 28,
  kFaceShellField = 29,
  kNominalMinusActualField = 30,
  kFyField = 31,
  kFsField = 32,
  kEsField = 33,
  kMinSteelRatioField = 34,
  kZOverHField = 35,
};

// Wind table columns.
enum WindColumn : int { kWindType = 0, kWindMagnitude = 1, kWindStart = 2, kWindEnd = 3 };

// The entry form. Texts are UTF-8 inside the program; files convert at their
// boundary.
struct EntryForm {
  // Identification.
  std::string Project;
  std::string Location;
  std::string Designer;

  // Design criteria. Selection strings are compared exactly, case included.
  std::string DesignMethod = "ACI";     // "ACI", "IBC-W" or "IBC-S"
  std::string MasonryMaterial = "CMU";  // "CMU", "Clay" or "Brick"
  std::string MortarMaterial = "PCL";   // "PCL" or "Masonry"
  std::string MortarType = "S";         // "N", "S" or "M"
  bool RunningBond = true;
  bool Cantilever = false;             // true: cantilever wall with fixed base
  std::string SupportType = "Pinned";  // "Pinned", "Fixed" or "Partially Fixed"
  int16_t PercentFixed = 0;
  bool UseAxialMcr = false;      // Use Mcr = S(fr + P/A)
  bool UserMasonryData = false;  // false: masonry data calculated (UpDateMasonry)

  // The 36 numeric entry fields, as displayed, in the display units of UnitsType.
  std::array<std::string, kEntryFieldCount> Fields;

  // Seismic selections, stored as shown.
  std::string SiteClass = "Class A";
  std::string UseGroup = "I";
  std::string S1Class = "< 0.75 g";
  std::string ParapetIpText = "1.0";
  float UserFa = 0.0f;

  // Option groups, as the index of the selected element.
  // optGroutSpacing: 0 "Partially Grouted", 1 "Solid Grouted".
  // optReinfLayers:  0 "One Layer", 1 "Two Layers".
  int GroutSpacingOption = 0;
  int ReinfLayersOption = 0;

  // Wind table cells [row 0..4][Type, Magnitude, Start, End], as displayed.
  std::array<std::array<std::string, kWindColumnCount>, kWindRowCount> Wind;

  // Load combinations. LoadFactors[i] is F(i+1) of the five combinations.
  std::array<int16_t, kLoadCombinationCount> LoadCombSelected{1, 1, 1, 1, 1};
  float StressIncreaseFactor = 1.0f;                       // 1.0, or 4.0f / 3.0f
  std::string BuildingCodeComb = "YES";                    // "YES" building code, "NO" user defined
  std::array<double, kLoadFactorCount> UserLoadFactors{};  // kept in the project file
  std::array<float, kLoadFactorCount> LoadFactors{};       // used by the analysis

  bool operator==(const EntryForm&) const = default;

  bool SolidGroutedSelected() const { return GroutSpacingOption == 1; }
  bool TwoLayersSelected() const { return ReinfLayersOption == 1; }
};

// The working form: what analysis and design read. Wind arrays hold rows 1..n
// of the wind table at indices 0..n-1.
struct WorkingForm {
  float WallHeight = 0, WallThickness = 0, WallSteelDepth = 0;
  float ParapetHeight = 0, ParapetThickness = 0, ParapetSteelDepth = 0;
  float StripWidth = 0;
  float WallWeight = 0, FloorDead = 0, FloorLive = 0, FloorEccentricity = 0;
  float AddDead = 0, AddLive = 0, AddEccentricity = 0, AddY = 0;
  float EFP = 0, EFPX = 0;
  float Ss = 0;  // percent of g
  float VeneerWeight = 0;
  float ZOverH = 0;
  float Ip = 1.0f;
  std::string SiteClass, UseGroup, S1Class;
  std::string SeismicCategory;  // "Category A" ... "Category F"; empty after a clear
  float UnitStrength = 0, FmPrime = 0, Fb = 0, Fv = 0, FtNoGrout = 0, FtSolidGrout = 0;
  float Em = 0, ModularRatio = 0;
  float GroutedCellWidth = 0, UnitLength = 0, FaceShellThickness = 0, NominalMinusActual = 0;
  float Fy = 0, Fs = 0, Es = 0;
  float MinSteelRatio = 0;
  float SpacingModule = 0;  // step of every bar-spacing search, in
  bool SolidGrouted = false;
  bool TwoLayers = false;
  std::vector<std::string> WindType;
  std::vector<float> WindMagnitude;  // psf for "W" rows, plf otherwise
  std::vector<float> WindStart;      // ft
  std::vector<float> WindEnd;        // ft

  int WindRowCount() const { return static_cast<int>(WindType.size()); }
};

// One reinforcing bar size: designation as shown, nominal diameter (in) and area (in^2).
struct Bar {
  std::string Name;
  float Diameter = 0;
  float Area = 0;
};

// Unit quantities of the unit record (index k of UnitFactors and UnitLabels).
enum UnitQuantity : int {
  kLengthShort = 0,
  kLengthLong = 1,
  kFluidDensity = 2,
  kForce = 3,
  kMoment = 4,
  kSurfaceLoad = 5,
  kMasonryStress = 6,
  kSteelStress = 7,
  kModulus = 8,
  kDeflection = 9,
  kReportMoment = 10,
  kWindPressure = 11,
  kLineLoad = 14,
  kArea = 16,
};

// The unit-system state: factors (display = working x factor), labels 0-16
// followed by number-format patterns 0-16, and the bar table of the system.
struct UnitSystem {
  int16_t UnitsType = 1;  // 1 U.S. Standard, 2 S.I. metric, 3 MKS metric
  std::array<float, kUnitQuantityCount> UnitFactors{};
  std::array<std::string, 2 * kUnitQuantityCount> UnitLabels;
  std::vector<Bar> BarTable;

  float Factor(int quantity) const { return UnitFactors[static_cast<size_t>(quantity)]; }
  const std::string& Label(int quantity) const { return UnitLabels[static_cast<size_t>(quantity)]; }
  const std::string& Pattern(int quantity) const {
    return UnitLabels[static_cast<size_t>(kUnitQuantityCount + quantity)];
  }
};

// The problem record.
struct Problem {
  EntryForm entry;
  WorkingForm working;
  UnitSystem units;
  float MaxShellThickness = 2.0f;  // in, from the settings file
  bool ShowDesignCriteria = false;
  bool ReinforcedWall = true;
  bool DataChanged = false;
  bool Designed = false;
};

}  // namespace calvix
