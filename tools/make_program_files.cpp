// make_program_files: builds the files of the Calvix program folder from the
// readable tables kept in data/.
//
//   make_program_files <data dir> <output dir>
//
// reads units.tsv, bars.tsv, defaults.tsv and Calvix.ini from <data dir> and
// writes Units.fil, Bars.fil, CXDeflt.fil and Calvix.ini into <output dir>.
// Every table is checked before anything is written; a malformed table stops
// the tool with a message naming the file and line, and a non-zero exit code.
//
// Table conventions: UTF-8 text, one row per line, cells separated by tabs, a
// header line naming the columns, blank lines and lines starting with '#'
// ignored. The program-folder files hold 8-bit text in the Windows-1252 code
// page; the conversion happens here.
#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <limits>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "files/encoding.h"

namespace {

namespace fs = std::filesystem;

static_assert(std::numeric_limits<float>::is_iec559, "the files hold IEEE single-precision floats");

// ---------------------------------------------------------------------------
// File layouts.

constexpr int kQuantityCount = 17;
constexpr int kSystemCount = 3;
constexpr std::array<std::string_view, kSystemCount> kSystemNames = {"US", "SI", "MKS"};

// Widths of the label and pattern slots of a unit record, quantity 0 to 16.
constexpr std::array<std::size_t, kQuantityCount> kLabelWidths = {4, 4, 6, 6, 6, 6, 7, 7, 7,
                                                                  5, 6, 5, 4, 4, 3, 3, 5};
constexpr std::array<std::size_t, kQuantityCount> kPatternWidths = {6, 6, 6, 6, 7, 7, 7, 7, 7,
                                                                    6, 8, 7, 6, 6, 8, 7, 6};

constexpr std::size_t SumOf(const std::array<std::size_t, kQuantityCount>& widths) {
  std::size_t sum = 0;
  for (std::size_t w : widths) sum += w;
  return sum;
}

constexpr std::size_t kUnitRecordSize =
    4 * kQuantityCount + SumOf(kLabelWidths) + SumOf(kPatternWidths);
static_assert(kUnitRecordSize == 269);

constexpr int kBarRecordCount = 15;
constexpr std::size_t kBarDesignationWidth = 3;
constexpr std::size_t kBarRecordSize = kBarDesignationWidth + 2 * 4;

constexpr double kMillimetresPerInch = 25.4;
constexpr double kSquareMillimetresPerSquareInch = 645.16;

// The default data file: a section of 41 items per unit system; the first two
// sections are followed by one item that the program keeps but never reads.
constexpr int kSectionItemCount = 41;
constexpr int kDefaultItemCount = 3 * kSectionItemCount + 2;
static_assert(kDefaultItemCount == 125);

constexpr std::string_view kCrLf = "\r\n";

// ---------------------------------------------------------------------------
// Reading the tables.

class TableError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Row {
  int line = 0;
  std::vector<std::string> cells;
};

struct Table {
  fs::path path;
  std::vector<std::string_view> columns;
  std::vector<Row> rows;

  std::string Column(std::size_t column) const {
    return column < columns.size() ? "\"" + std::string(columns[column]) + "\""
                                   : "column " + std::to_string(column + 1);
  }

  [[noreturn]] void Fail(int line, const std::string& message) const {
    throw TableError(path.string() + ":" + std::to_string(line) + ": " + message);
  }
};

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw TableError(path.string() + ": cannot be opened");
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw TableError(path.string() + ": cannot be read");
  return text;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  std::istringstream stream(text);
  while (std::getline(stream, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> SplitCells(const std::string& line) {
  std::vector<std::string> cells;
  std::size_t start = 0;
  while (true) {
    const std::size_t tab = line.find('\t', start);
    cells.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
    if (tab == std::string::npos) break;
    start = tab + 1;
  }
  return cells;
}

// Reads a table whose header must name exactly `columns`.
Table ReadTable(const fs::path& path, const std::vector<std::string_view>& columns) {
  Table table{path, columns, {}};
  const std::vector<std::string> lines = SplitLines(ReadFile(path));
  bool headerSeen = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int lineNumber = static_cast<int>(i) + 1;
    const std::string& line = lines[i];
    if (line.empty() || line.front() == '#') continue;
    if (line.find_first_not_of(" \t") == std::string::npos) continue;
    std::vector<std::string> cells = SplitCells(line);
    if (cells.size() != columns.size()) {
      table.Fail(lineNumber, "expected " + std::to_string(columns.size()) +
                                 " tab-separated columns, found " + std::to_string(cells.size()));
    }
    if (!headerSeen) {
      for (std::size_t c = 0; c < columns.size(); ++c) {
        if (cells[c] != columns[c]) {
          table.Fail(lineNumber, "header column " + std::to_string(c + 1) + " should be \"" +
                                     std::string(columns[c]) + "\", found \"" + cells[c] + "\"");
        }
      }
      headerSeen = true;
      continue;
    }
    table.rows.push_back(Row{lineNumber, std::move(cells)});
  }
  if (!headerSeen) table.Fail(static_cast<int>(lines.size()), "the header line is missing");
  return table;
}

template <typename Number>
std::optional<Number> ParseWhole(std::string_view text) {
  Number value{};
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
  return value;
}

int IntegerCell(const Table& table, const Row& row, std::size_t column, int low, int high) {
  const auto value = ParseWhole<int>(row.cells[column]);
  if (!value || *value < low || *value > high) {
    table.Fail(row.line, table.Column(column) + " should be a whole number from " +
                             std::to_string(low) + " to " + std::to_string(high) + ", found \"" +
                             row.cells[column] + "\"");
  }
  return *value;
}

template <typename Number>
Number PositiveOrZeroCell(const Table& table, const Row& row, std::size_t column, bool allowZero) {
  const auto value = ParseWhole<Number>(row.cells[column]);
  if (!value || !(*value >= 0) || *value > std::numeric_limits<Number>::max() ||
      (!allowZero && *value == 0)) {
    table.Fail(row.line, table.Column(column) + " should be a " +
                             (allowZero ? "non-negative" : "positive") + " number, found \"" +
                             row.cells[column] + "\"");
  }
  return *value;
}

// The text in the 8-bit code page, refusing characters the code page lacks.
std::string ToCodePage(const Table& table, int line, const std::string& utf8) {
  const std::string bytes = calvix::Utf8ToCp1252(utf8);
  std::size_t questionMarksIn = 0, questionMarksOut = 0;
  for (char c : utf8) questionMarksIn += (c == '?');
  for (char c : bytes) questionMarksOut += (c == '?');
  if (questionMarksOut != questionMarksIn) {
    table.Fail(line, "\"" + utf8 + "\" holds a character that the 8-bit code page cannot show");
  }
  return bytes;
}

std::string FitLeft(const Table& table, int line, const std::string& utf8, std::size_t width,
                    std::string_view what) {
  std::string bytes = ToCodePage(table, line, utf8);
  if (bytes.size() > width) {
    table.Fail(line, std::string(what) + " \"" + utf8 + "\" is " + std::to_string(bytes.size()) +
                         " characters wide; its slot holds " + std::to_string(width));
  }
  bytes.append(width - bytes.size(), ' ');
  return bytes;
}

std::string FitRight(const Table& table, int line, const std::string& utf8, std::size_t width,
                     std::string_view what) {
  const std::string bytes = ToCodePage(table, line, utf8);
  if (bytes.size() > width) {
    table.Fail(line, std::string(what) + " \"" + utf8 + "\" is " + std::to_string(bytes.size()) +
                         " characters wide; its slot holds " + std::to_string(width));
  }
  return std::string(width - bytes.size(), ' ') + bytes;
}

void AppendFloat(std::string& out, float value) {
  const auto bits = std::bit_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) {
    out.push_back(static_cast<char>((bits >> shift) & 0xFFu));
  }
}

// ---------------------------------------------------------------------------
// Units.fil: 3 records (U.S., S.I., MKS) of 17 factors, 17 labels, 17 patterns.

std::string BuildUnitsFile(const fs::path& source) {
  const Table table = ReadTable(source, {"k", "quantity", "system", "factor", "label", "pattern"});

  struct Entry {
    bool present = false;
    float factor = 0;
    std::string label, pattern;
  };
  std::array<std::array<Entry, kQuantityCount>, kSystemCount> entries{};

  for (const Row& row : table.rows) {
    const int k = IntegerCell(table, row, 0, 0, kQuantityCount - 1);
    int system = -1;
    for (int s = 0; s < kSystemCount; ++s) {
      if (row.cells[2] == kSystemNames[static_cast<std::size_t>(s)]) system = s;
    }
    if (system < 0) {
      table.Fail(row.line, "unit system should be US, SI or MKS, found \"" + row.cells[2] + "\"");
    }
    Entry& entry = entries[static_cast<std::size_t>(system)][static_cast<std::size_t>(k)];
    if (entry.present) {
      table.Fail(row.line,
                 "quantity " + std::to_string(k) + " of " + row.cells[2] + " is given twice");
    }
    entry.present = true;
    entry.factor = PositiveOrZeroCell<float>(table, row, 3, false);
    const auto ku = static_cast<std::size_t>(k);
    entry.label = FitLeft(table, row.line, row.cells[4], kLabelWidths[ku], "label");
    entry.pattern = FitRight(table, row.line, row.cells[5], kPatternWidths[ku], "pattern");
    if (row.cells[5].empty()) table.Fail(row.line, "the pattern is empty");
  }

  std::string file;
  for (int s = 0; s < kSystemCount; ++s) {
    const auto& system = entries[static_cast<std::size_t>(s)];
    for (int k = 0; k < kQuantityCount; ++k) {
      if (!system[static_cast<std::size_t>(k)].present) {
        throw TableError(source.string() + ": quantity " + std::to_string(k) + " of " +
                         std::string(kSystemNames[static_cast<std::size_t>(s)]) + " is missing");
      }
    }
    const std::size_t recordStart = file.size();
    for (const Entry& e : system) AppendFloat(file, e.factor);
    for (const Entry& e : system) file += e.label;
    for (const Entry& e : system) file += e.pattern;
    if (file.size() - recordStart != kUnitRecordSize) {
      throw std::logic_error("unit record of " + std::to_string(file.size() - recordStart) +
                             " bytes");
    }
  }
  return file;
}

// ---------------------------------------------------------------------------
// Bars.fil: 15 records of a 3-character designation, diameter and area, in
// inches and square inches.

std::string BuildBarsFile(const fs::path& source) {
  const Table table = ReadTable(source, {"record", "designation", "diameter", "area", "units"});
  if (table.rows.size() != kBarRecordCount) {
    throw TableError(source.string() + ": expected " + std::to_string(kBarRecordCount) +
                     " bar records, found " + std::to_string(table.rows.size()));
  }
  std::string file;
  int expected = 1;
  for (const Row& row : table.rows) {
    const int record = IntegerCell(table, row, 0, 1, kBarRecordCount);
    if (record != expected) {
      table.Fail(row.line, "expected record " + std::to_string(expected) + ", found " +
                               std::to_string(record));
    }
    ++expected;
    const std::string designation =
        FitLeft(table, row.line, row.cells[1], kBarDesignationWidth, "designation");
    float diameter = 0, area = 0;
    if (row.cells[4] == "in") {
      diameter = PositiveOrZeroCell<float>(table, row, 2, true);
      area = PositiveOrZeroCell<float>(table, row, 3, true);
    } else if (row.cells[4] == "mm") {
      diameter =
          static_cast<float>(PositiveOrZeroCell<double>(table, row, 2, true) / kMillimetresPerInch);
      area = static_cast<float>(PositiveOrZeroCell<double>(table, row, 3, true) /
                                kSquareMillimetresPerSquareInch);
    } else {
      table.Fail(row.line, "units should be \"in\" or \"mm\", found \"" + row.cells[4] + "\"");
    }
    const bool unused = row.cells[1].empty();
    if (unused && (diameter != 0 || area != 0)) {
      table.Fail(row.line, "an unused record (blank designation) must hold zeros");
    }
    if (!unused && (diameter == 0 || area == 0)) {
      table.Fail(row.line, "a bar needs a diameter and an area greater than zero");
    }
    file += designation;
    AppendFloat(file, diameter);
    AppendFloat(file, area);
  }
  if (file.size() != kBarRecordCount * kBarRecordSize) {
    throw std::logic_error("bar file of " + std::to_string(file.size()) + " bytes");
  }
  return file;
}

// ---------------------------------------------------------------------------
// CXDeflt.fil: 125 items, one per line, in the item conventions of the
// project file.

bool IsDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// Checks that a cell is written as an item of its kind; returns a complaint.
std::optional<std::string> ItemProblem(std::string_view kind, std::string_view cell) {
  if (kind == "string") {
    if (cell.size() < 2 || cell.front() != '"' || cell.back() != '"') {
      return "a string item must be written in double quotes";
    }
    if (cell.substr(1, cell.size() - 2).find('"') != std::string_view::npos) {
      return "a string item cannot hold a double quote";
    }
    return std::nullopt;
  }
  if (kind == "boolean") {
    if (cell == "#TRUE#" || cell == "#FALSE#") return std::nullopt;
    return "a boolean item is #TRUE# or #FALSE#";
  }
  if (kind == "integer") {
    const auto value = ParseWhole<int>(cell);
    if (value && *value >= std::numeric_limits<std::int16_t>::min() &&
        *value <= std::numeric_limits<std::int16_t>::max() &&
        IsDigits(cell.front() == '-' ? cell.substr(1) : cell)) {
      return std::nullopt;
    }
    return "an integer item is a 16-bit whole number";
  }
  if (kind == "number") {
    std::string_view body = cell;
    if (!body.empty() && body.front() == '-') body.remove_prefix(1);
    const std::size_t point = body.find('.');
    const std::string_view whole = body.substr(0, point);
    const std::string_view decimals =
        point == std::string_view::npos ? std::string_view() : body.substr(point + 1);
    const bool wholeOk = whole.empty() || IsDigits(whole);
    const bool decimalsOk = point == std::string_view::npos || IsDigits(decimals);
    if (wholeOk && decimalsOk && !(whole.empty() && decimals.empty())) return std::nullopt;
    return "a number item is written with digits and an optional \".\"";
  }
  return "the kind should be string, integer, boolean or number";
}

std::string BuildDefaultsFile(const fs::path& source) {
  const Table table = ReadTable(source, {"item", "content", "kind", "US", "SI", "MKS"});
  constexpr int kRowCount = kSectionItemCount + 1;  // the section items and the kept item
  if (table.rows.size() != static_cast<std::size_t>(kRowCount)) {
    throw TableError(source.string() + ": expected " + std::to_string(kRowCount) +
                     " item rows (41 section items and item 42), found " +
                     std::to_string(table.rows.size()));
  }

  // sections[s] holds the lines of section s, then its kept item if it has one.
  std::array<std::vector<std::string>, kSystemCount> sections;
  int expected = 1;
  for (const Row& row : table.rows) {
    const int item = IntegerCell(table, row, 0, 1, kRowCount);
    if (item != expected) {
      table.Fail(row.line,
                 "expected item " + std::to_string(expected) + ", found " + std::to_string(item));
    }
    ++expected;
    const std::string& kind = row.cells[2];
    for (int s = 0; s < kSystemCount; ++s) {
      const std::string& cell = row.cells[3 + static_cast<std::size_t>(s)];
      const bool lastSection = s == kSystemCount - 1;
      if (item == kRowCount && lastSection) {
        if (cell != "-") {
          table.Fail(row.line, "the MKS section is the last one and has no kept item: write \"-\"");
        }
        continue;
      }
      if (const auto problem = ItemProblem(kind, cell)) {
        table.Fail(row.line, std::string(kSystemNames[static_cast<std::size_t>(s)]) + " cell \"" +
                                 cell + "\": " + *problem);
      }
      sections[static_cast<std::size_t>(s)].push_back(ToCodePage(table, row.line, cell));
    }
  }

  std::string file;
  int items = 0;
  for (const auto& section : sections) {
    for (const std::string& item : section) {
      file += item;
      file += kCrLf;
      ++items;
    }
  }
  if (items != kDefaultItemCount) {
    throw TableError(source.string() + ": the tables give " + std::to_string(items) +
                     " items instead of " + std::to_string(kDefaultItemCount));
  }
  return file;
}

// ---------------------------------------------------------------------------
// Calvix.ini: the settings file as shipped, with CR LF line ends.

std::string BuildSettingsFile(const fs::path& source) {
  const Table where{source, {}, {}};
  const std::vector<std::string> lines = SplitLines(ReadFile(source));
  std::string file;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    const int lineNumber = static_cast<int>(i) + 1;
    const bool blank = line.find_first_not_of(" \t") == std::string::npos;
    const bool comment = !blank && line.front() == ';';
    const bool section = !blank && line.front() == '[' && line.back() == ']' && line.size() > 2;
    const std::size_t equals = line.find('=');
    const bool entry = !blank && equals != std::string::npos && equals > 0 && line.front() != '[';
    if (!(blank || comment || section || entry)) {
      where.Fail(lineNumber, "expected [Section], Key=Value, a ';' comment or a blank line");
    }
    file += ToCodePage(where, lineNumber, line);
    file += kCrLf;
  }
  return file;
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw std::runtime_error(path.string() + ": cannot be written");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: make_program_files <data dir> <output dir>\n";
    return 2;
  }
  const fs::path dataDir = argv[1];
  const fs::path outputDir = argv[2];
  try {
    // Every table is read and checked before any file is written.
    const std::string units = BuildUnitsFile(dataDir / "units.tsv");
    const std::string bars = BuildBarsFile(dataDir / "bars.tsv");
    const std::string defaults = BuildDefaultsFile(dataDir / "defaults.tsv");
    const std::string settings = BuildSettingsFile(dataDir / "Calvix.ini");

    fs::create_directories(outputDir);
    WriteFile(outputDir / "Units.fil", units);
    WriteFile(outputDir / "Bars.fil", bars);
    WriteFile(outputDir / "CXDeflt.fil", defaults);
    WriteFile(outputDir / "Calvix.ini", settings);
  } catch (const std::exception& error) {
    std::cerr << "make_program_files: error: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
