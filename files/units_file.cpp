#include "files/units_file.h"

#include <array>
#include <bit>
#include <cstddef>
#include <fstream>
#include <iterator>
#include <limits>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "files/encoding.h"
#include "model/errors.h"

namespace calvix {

namespace {

namespace fs = std::filesystem;

static_assert(std::numeric_limits<float>::is_iec559,
              "the unit and bar files hold IEEE single-precision floats");

constexpr std::size_t kQuantities = static_cast<std::size_t>(kUnitQuantityCount);

// Slot widths of the labels and patterns of a unit record, quantity 0 to 16.
constexpr std::array<std::size_t, kQuantities> kLabelWidths = {4, 4, 6, 6, 6, 6, 7, 7, 7,
                                                               5, 6, 5, 4, 4, 3, 3, 5};
constexpr std::array<std::size_t, kQuantities> kPatternWidths = {6, 6, 6, 6, 7, 7, 7, 7, 7,
                                                                 6, 8, 7, 6, 6, 8, 7, 6};

constexpr std::size_t SumOf(const std::array<std::size_t, kQuantities>& widths) {
  std::size_t sum = 0;
  for (std::size_t width : widths) sum += width;
  return sum;
}

constexpr std::size_t kFloatSize = 4;
constexpr std::size_t kUnitRecordSize =
    kFloatSize * kQuantities + SumOf(kLabelWidths) + SumOf(kPatternWidths);
static_assert(kUnitRecordSize == 269);
constexpr int kUnitRecordCount = 3;

constexpr std::size_t kBarNameWidth = 3;
constexpr std::size_t kBarRecordSize = kBarNameWidth + 2 * kFloatSize;
constexpr int kUsFirstBar = 1, kUsLastBar = 7;
constexpr int kMetricFirstBar = 10, kMetricLastBar = 15;

std::string Quoted(const fs::path& file) {
  return "\"" + file.string() + "\"";
}

// Error descriptions are noun phrases, as the error report puts them between
// "A " and " error (Error # n) has occurred.", e.g. "A missing units file
// "C:\Calvix\Units.fil" error (Error # 53) has occurred."

// The whole file, or a CalvixError naming it.
std::string ReadWholeFile(const fs::path& file, std::string_view what) {
  std::error_code ec;
  const fs::file_status status = fs::status(file, ec);
  if (status.type() == fs::file_type::not_found) {
    throw CalvixError(kErrorFileNotFound, "missing " + std::string(what) + " " + Quoted(file));
  }
  const std::string accessError = std::string(what) + " " + Quoted(file) + " access";
  if (ec || status.type() == fs::file_type::directory) {
    throw CalvixError(kErrorFileAccess, accessError);
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) throw CalvixError(kErrorFileAccess, accessError);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw CalvixError(kErrorFileAccess, accessError);
  return bytes;
}

// Fails unless the file holds every byte of fixed-size record `record` (1-based).
void RequireRecord(const std::string& bytes, int record, std::size_t recordSize,
                   const fs::path& file, std::string_view what) {
  const std::size_t end = static_cast<std::size_t>(record) * recordSize;
  if (bytes.size() < end) {
    throw CalvixError(kErrorInputPastEnd,
                      "short " + std::string(what) + " " + Quoted(file) + " (record " +
                          std::to_string(record) + " ends at byte " + std::to_string(end) +
                          ", the file has " + std::to_string(bytes.size()) + " bytes)");
  }
}

// The little-endian single-precision float at `offset`, whatever the byte
// order of the machine.
float FloatAt(const std::string& bytes, std::size_t offset) {
  std::uint32_t bits = 0;
  for (std::size_t i = 0; i < kFloatSize; ++i) {
    bits |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
  }
  return std::bit_cast<float>(bits);
}

std::string TextAt(const std::string& bytes, std::size_t offset, std::size_t width) {
  return Cp1252ToUtf8(std::string_view(bytes).substr(offset, width));
}

std::vector<Bar> ReadBarTable(int16_t unitsType, const fs::path& barsFile) {
  const bool usStandard = unitsType == 1;
  const int first = usStandard ? kUsFirstBar : kMetricFirstBar;
  const int last = usStandard ? kUsLastBar : kMetricLastBar;
  const std::string bytes = ReadWholeFile(barsFile, "bar file");
  RequireRecord(bytes, last, kBarRecordSize, barsFile, "bar file");

  std::vector<Bar> bars;
  for (int record = first; record <= last; ++record) {
    const std::size_t offset = static_cast<std::size_t>(record - 1) * kBarRecordSize;
    Bar bar;
    bar.Name = TextAt(bytes, offset, kBarNameWidth);
    bar.Diameter = FloatAt(bytes, offset + kBarNameWidth);
    bar.Area = FloatAt(bytes, offset + kBarNameWidth + kFloatSize);
    bars.push_back(std::move(bar));
  }
  return bars;
}

}  // namespace

UnitSystem LoadUnits(int16_t unitsType, const fs::path& unitsFile, const fs::path& barsFile) {
  if (unitsType < 1 || unitsType > kUnitRecordCount) {
    throw CalvixError(kErrorInputPastEnd, "bad record number " + std::to_string(unitsType) +
                                              " of units file " + Quoted(unitsFile) +
                                              " (unit systems are numbered 1 to 3)");
  }
  const std::string bytes = ReadWholeFile(unitsFile, "units file");
  const std::size_t recordStart = static_cast<std::size_t>(unitsType - 1) * kUnitRecordSize;
  RequireRecord(bytes, unitsType, kUnitRecordSize, unitsFile, "units file");

  UnitSystem units;
  units.UnitsType = unitsType;
  std::size_t offset = recordStart;
  for (std::size_t k = 0; k < kQuantities; ++k, offset += kFloatSize) {
    units.UnitFactors[k] = FloatAt(bytes, offset);
  }
  for (std::size_t k = 0; k < kQuantities; ++k) {
    units.UnitLabels[k] = TextAt(bytes, offset, kLabelWidths[k]);
    offset += kLabelWidths[k];
  }
  for (std::size_t k = 0; k < kQuantities; ++k) {
    units.UnitLabels[kQuantities + k] = TextAt(bytes, offset, kPatternWidths[k]);
    offset += kPatternWidths[k];
  }
  units.BarTable = ReadBarTable(unitsType, barsFile);
  return units;
}

std::string BarLabel(const Bar& bar) {
  const std::size_t first = bar.Name.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : bar.Name.substr(first);
}

}  // namespace calvix
