// The cost model of the design sweep: what a square foot of wall costs and
// weighs, from the masonry of its material and nominal thickness, the unit
// strength, the grout it holds and the reinforcing steel. The default prices
// are the readable table SweepCosts.tsv of the program folder (data/
// sweep_costs.tsv); a sweep may read another table of the same form.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace calvix {

// One standard wall of a material: nominal thickness (in; the table gives the
// metric sizes in mm), installed cost of the hollow wall per ft2 and its
// weight (psf). Metric sizes serve the S.I. and MKS systems, U.S. sizes the
// U.S. Standard system.
struct MasonryCost {
  std::string material;
  bool metric = false;
  float nominalThickness = 0;
  double cost = 0;
  double weight = 0;
};

// Extra cost per ft2 of wall for every 1000 psi of unit strength above the
// weakest tabulated unit of a material.
struct StrengthPremium {
  std::string material;
  double costPer1000Psi = 0;
};

struct CostModel {
  std::vector<MasonryCost> masonry;
  std::vector<StrengthPremium> strength;
  double groutCost = 0;     // per ft3 placed
  double groutDensity = 0;  // pcf
  double steelCost = 0;     // per lb placed
  double steelDensity = 0;  // pcf

  // The standard nominal thicknesses of a material (in), thinnest first.
  std::vector<float> Thicknesses(const std::string& material, bool metric) const;
  // The row of a material and nominal thickness (within 0.001 in); nullptr
  // when there is none.
  const MasonryCost* Masonry(const std::string& material, bool metric,
                             float nominalThickness) const;
  double PremiumPer1000Psi(const std::string& material) const;
};

// The file name of the default table in the program folder.
inline constexpr const char* kSweepCostFileName = "SweepCosts.tsv";

// Reads a cost table. A missing file or a malformed row throws a CalvixError
// (file not found, bad file format) naming the file and the row.
CostModel ReadCostModel(const std::filesystem::path& path);

// What one square foot of wall needs and what it costs.
struct WallQuantities {
  std::string material;
  bool metric = false;         // the metric sizes of the table
  float nominalThickness = 0;  // in
  float unitStrength = 0;      // psi
  float weakestUnitStrength = 0;
  double groutVolume = 0;  // ft3 per ft2 of wall
  double steelVolume = 0;  // ft3 per ft2 of wall
};

struct WallCost {
  double cost = 0;    // per ft2
  double weight = 0;  // psf
};

// Grout per ft2 of wall of actual thickness t (in) with face shells ts (in):
// the core (t - 2 ts) over the grouted fraction of the wall (1 solid
// grouted; grouted cell width / bar spacing, at most 1, partially grouted).
double GroutVolumePerSquareFoot(float t, float ts, bool solidGrouted, float groutedCellWidth,
                                float barSpacing);

// Steel per ft2 of wall: `layers` layers of bars of area A (in2) at spacing s
// (in), each bar running the full height: layers x A / s (in2 per in of
// width) over one foot of height, in ft3.
double SteelVolumePerSquareFoot(int layers, float barArea, float barSpacing);

// Cost and weight of a wall per ft2; a material and thickness that the model
// does not list throws a CalvixError.
WallCost CostOf(const CostModel& model, const WallQuantities& wall);

}  // namespace calvix
