// The unit records and the bar table, read from the files of the program
// folder.
//
// Units.fil holds one fixed record of 269 bytes per unit system (record 1
// U.S. Standard, 2 S.I. metric, 3 MKS metric): the 17 conversion factors as
// little-endian single-precision floats, then the 17 unit labels and the 17
// number-format patterns as space-padded 8-bit text of fixed widths.
// Bars.fil holds fixed records of 11 bytes: a 3-character bar designation and
// two little-endian single-precision floats, the nominal diameter (in) and the
// bar area (in^2). Records 1-7 are the U.S. Standard bar sizes, records 10-15
// the bar sizes of both metric systems.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "model/problem.h"

namespace calvix {

// Reads record `unitsType` (1-3) of the units file into UnitFactors and
// UnitLabels (labels 0-16, then patterns 0-16), and the bar table of that
// system from the bar file: records 1-7 for the U.S. Standard system, records
// 10-15 for the metric ones. Texts are converted to UTF-8 and keep their
// padding, so each label and pattern is exactly as many characters wide as its
// slot in the file (labels left-aligned, patterns right-aligned as stored);
// Bar::Name keeps its 3 characters as stored.
//
// Throws CalvixError whose description names the file, worded to fit the
// error report ("missing units file "<path>"", "short bar file "<path>"
// (record 15 ends at byte 165, the file has 100 bytes)", ...):
//   kErrorFileNotFound  the file does not exist;
//   kErrorFileAccess    it exists but cannot be read;
//   kErrorInputPastEnd  it ends before the record needed, or unitsType is not
//                       1, 2 or 3 (the units file has no such record).
UnitSystem LoadUnits(int16_t unitsType, const std::filesystem::path& unitsFile,
                     const std::filesystem::path& barsFile);

// The bar designation as shown: the stored name without its leading blanks.
std::string BarLabel(const Bar& bar);

}  // namespace calvix
