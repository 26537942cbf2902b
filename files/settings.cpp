#include "files/settings.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <exception>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

#include "files/encoding.h"
#include "files/text_items.h"

namespace calvix {

namespace {

constexpr std::int16_t kDefaultUnitsType = 1;
constexpr float kDefaultMaxShell = 2.0f;
constexpr float kDefaultFontSize = 12.0f;
constexpr std::string_view kDefaultFontName = "Courier New";

bool IsBlankChar(char c) {
  return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlankChar(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlankChar(text.back())) text.remove_suffix(1);
  return text;
}

char AsciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

// The whole file, or nothing when it is missing or cannot be read.
std::optional<std::string> LoadFile(const std::filesystem::path& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in.is_open()) return std::nullopt;
  std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return data;
}

enum class LineKind { Other, Section, Key };

// One line of the file, located by byte offsets into the file text.
struct IniLine {
  std::size_t begin = 0;       // first byte of the line
  std::size_t contentEnd = 0;  // end of the text before the line ending
  std::size_t end = 0;         // after the line ending (LF, or CR LF)
  LineKind kind = LineKind::Other;
  std::string_view name;      // section or key name, trimmed
  std::size_t equalsPos = 0;  // key lines: offset of "=" in the file text
};

IniLine ClassifyLine(std::string_view data, std::size_t begin, std::size_t contentEnd,
                     std::size_t end) {
  IniLine line;
  line.begin = begin;
  line.contentEnd = contentEnd;
  line.end = end;
  const std::string_view content = data.substr(begin, contentEnd - begin);
  const std::string_view trimmed = TrimBlanks(content);
  if (!trimmed.empty() && trimmed.front() == '[') {
    const std::size_t close = trimmed.find(']');
    if (close != std::string_view::npos) {
      line.kind = LineKind::Section;
      line.name = TrimBlanks(trimmed.substr(1, close - 1));
      return line;
    }
  }
  const std::size_t equals = content.find('=');
  if (equals != std::string_view::npos) {
    line.kind = LineKind::Key;
    line.name = TrimBlanks(content.substr(0, equals));
    line.equalsPos = begin + equals;
  }
  return line;
}

std::vector<IniLine> SplitLines(std::string_view data) {
  std::vector<IniLine> lines;
  std::size_t begin = 0;
  while (begin < data.size()) {
    const std::size_t newline = data.find('\n', begin);
    std::size_t contentEnd = newline == std::string_view::npos ? data.size() : newline;
    const std::size_t end = newline == std::string_view::npos ? data.size() : newline + 1;
    if (newline != std::string_view::npos && contentEnd > begin && data[contentEnd - 1] == '\r') {
      --contentEnd;
    }
    lines.push_back(ClassifyLine(data, begin, contentEnd, end));
    begin = end;
  }
  return lines;
}

// Where a section stands among the lines: its header and the lines up to the
// next header.
struct SectionRange {
  std::size_t header;
  std::size_t endLine;  // one past its last line
};

std::optional<SectionRange> FindSection(const std::vector<IniLine>& lines,
                                        std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].kind != LineKind::Section || !EqualsIgnoringAsciiCase(lines[i].name, section)) {
      continue;
    }
    std::size_t end = i + 1;
    while (end < lines.size() && lines[end].kind != LineKind::Section) ++end;
    return SectionRange{i, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> FindKey(const std::vector<IniLine>& lines, SectionRange range,
                                   std::string_view key) {
  for (std::size_t i = range.header + 1; i < range.endLine; ++i) {
    if (lines[i].kind == LineKind::Key && EqualsIgnoringAsciiCase(lines[i].name, key)) return i;
  }
  return std::nullopt;
}

// A name as it is compared and written: 8-bit text without surrounding blanks.
std::string FileName(std::string_view utf8) {
  return Utf8ToCp1252(TrimBlanks(utf8));
}

bool HasLineBreak(std::string_view text) {
  return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

std::string ValueOnOneLine(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n') ++i;
    const char c = value[i];
    out.push_back(c == '\r' || c == '\n' || c == '\0' ? ' ' : c);
  }
  return out;
}

std::string_view LineEndingOf(std::string_view data) {
  if (data.find("\r\n") != std::string_view::npos) return "\r\n";
  if (data.find('\n') != std::string_view::npos) return "\n";
  return "\r\n";
}

template <typename Number>
std::optional<Number> ParseFully(std::string_view text) {
  text = TrimBlanks(text);
  Number value{};
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<float> ParsePositiveFinite(std::string_view text) {
  const std::optional<float> value = ParseFully<float>(text);
  if (!value || !std::isfinite(*value) || *value <= 0.0f) return std::nullopt;
  return value;
}

}  // namespace

SettingsFile::SettingsFile(std::filesystem::path path) : path_(std::move(path)) {}

std::string SettingsFile::Read(std::string_view section, std::string_view key) const {
  const std::optional<std::string> data = LoadFile(path_);
  if (!data) return {};
  const std::vector<IniLine> lines = SplitLines(*data);
  const std::optional<SectionRange> range = FindSection(lines, FileName(section));
  if (!range) return {};
  const std::optional<std::size_t> index = FindKey(lines, *range, FileName(key));
  if (!index) return {};

  const IniLine& line = lines[*index];
  std::string_view value =
      std::string_view(*data).substr(line.equalsPos + 1, line.contentEnd - line.equalsPos - 1);
  value = value.substr(0, value.find('\0'));
  value = TrimBlanks(value);
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
    value = value.substr(1, value.size() - 2);
  }
  value = value.substr(0, kSettingsValueMaxLength);
  return Cp1252ToUtf8(value);
}

bool SettingsFile::Write(std::string_view section, std::string_view key, std::string_view value) {
  const std::string sectionName = FileName(section);
  const std::string keyName = FileName(key);
  if (sectionName.empty() || keyName.empty() || HasLineBreak(sectionName) ||
      HasLineBreak(keyName) || sectionName.find(']') != std::string::npos ||
      keyName.find('=') != std::string::npos || keyName.front() == '[') {
    return false;
  }

  std::string data;
  std::error_code ec;
  const bool exists = std::filesystem::exists(path_, ec);
  if (ec) return false;
  if (exists) {
    std::optional<std::string> loaded = LoadFile(path_);
    if (!loaded) return false;
    data = std::move(*loaded);
  }

  const std::string fileValue = Utf8ToCp1252(ValueOnOneLine(value));
  const std::string eol(LineEndingOf(data));
  const std::vector<IniLine> lines = SplitLines(data);
  const std::optional<SectionRange> range = FindSection(lines, sectionName);

  std::string updated;
  if (!range) {
    updated = data;
    if (!updated.empty() && updated.back() != '\n') updated += eol;
    updated += "[" + sectionName + "]" + eol + keyName + "=" + fileValue + eol;
  } else if (const std::optional<std::size_t> index = FindKey(lines, *range, keyName)) {
    // Keep the line up to the old value, blanks after "=" included.
    const IniLine& line = lines[*index];
    std::size_t valueStart = line.equalsPos + 1;
    while (valueStart < line.contentEnd && IsBlankChar(data[valueStart])) ++valueStart;
    updated = data.substr(0, valueStart) + fileValue + data.substr(line.contentEnd);
  } else {
    std::size_t last = range->header;
    for (std::size_t i = range->header + 1; i < range->endLine; ++i) {
      const IniLine& line = lines[i];
      if (!TrimBlanks(std::string_view(data).substr(line.begin, line.contentEnd - line.begin))
               .empty()) {
        last = i;
      }
    }
    const IniLine& after = lines[last];
    const bool terminated = after.end > after.contentEnd;
    updated = data.substr(0, after.end) + (terminated ? "" : eol) + keyName + "=" + fileValue +
              eol + data.substr(after.end);
  }

  try {
    WriteFileAtomically(path_, updated);
  } catch (const std::exception&) {
    return false;
  }
  return true;
}

std::int16_t ReadUnitsType(const SettingsFile& settings) {
  const std::optional<int> value = ParseFully<int>(settings.Read("Units System", "UnitsType"));
  if (!value || *value < 1 || *value > 3) return kDefaultUnitsType;
  return static_cast<std::int16_t>(*value);
}

float ReadMaxShell(const SettingsFile& settings) {
  return ParsePositiveFinite(settings.Read("Max Shell Thickness", "MaxShell"))
      .value_or(kDefaultMaxShell);
}

bool ReadShowDesignCriteria(const SettingsFile& settings) {
  return EqualsIgnoringAsciiCase(settings.Read("Design Criteria", "ShowDesignCriteria"), "True");
}

void WriteShowDesignCriteria(SettingsFile& settings, bool show) {
  settings.Write("Design Criteria", "ShowDesignCriteria", show ? "True" : "False");
}

std::string ReadFontName(const SettingsFile& settings) {
  std::string name = settings.Read("Font Data", "FontName");
  if (name.empty()) name = kDefaultFontName;
  return name;
}

float ReadFontSize(const SettingsFile& settings) {
  return ParsePositiveFinite(settings.Read("Font Data", "FontSize")).value_or(kDefaultFontSize);
}

PaperSize ReadPaperSize(const SettingsFile& settings, std::int16_t unitsType) {
  std::string value = settings.Read("Printer", "PaperSize");
  for (char& c : value) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (value == "letter") return PaperSize::Letter;
  if (value == "a4") return PaperSize::A4;
  return unitsType == 1 ? PaperSize::Letter : PaperSize::A4;
}

}  // namespace calvix
