// The settings file "Calvix.ini" in the program folder: "[Section]" lines and
// "key=value" lines, read and written as private-profile settings are.
//
//   [Units System]
//   UnitsType=1
//   [Max Shell Thickness]
//   MaxShell=2
//   [Design Criteria]
//   ShowDesignCriteria=True
//   [Font Data]
//   FontName=Courier New
//   FontSize=12
//
// The file is 8-bit text in the Windows-1252 code page; names and values passed
// in and out are UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace calvix {

// Longest value a read returns, in characters: the program reads settings into
// a buffer of 128 characters, the last one holding the terminating NUL.
inline constexpr std::size_t kSettingsValueMaxLength = 127;

class SettingsFile {
 public:
  explicit SettingsFile(std::filesystem::path path);

  const std::filesystem::path& path() const { return path_; }

  // The value of `key` in `section`, names compared without regard to ASCII
  // case or surrounding spaces. The value has its surrounding spaces and tabs
  // removed, then one pair of enclosing double quotes, and is cut at the first
  // NUL and at kSettingsValueMaxLength characters. A missing file, section or
  // key reads as an empty text; reading never throws for such reasons.
  // When a section or key appears twice, the first one counts.
  std::string Read(std::string_view section, std::string_view key) const;

  // Sets `key` in `section` to `value`. An existing key line is rewritten in
  // place (keeping its text up to the old value); a new key goes after the
  // last non-blank line of its section; a new section goes, with its key, at
  // the end of the file, which is created when missing. Every other line stays
  // byte for byte, and new lines use the file's line ending (CR LF for a new
  // file or one without LF). Line breaks in `value` are written as spaces.
  // The new file replaces the old one only once it is written whole. Returns
  // false, leaving the file as it was, when the file cannot be read or
  // written, or when a name is empty or holds a line break, a section name
  // holds "]", or a key holds "=" or starts with "[".
  bool Write(std::string_view section, std::string_view key, std::string_view value);

 private:
  std::filesystem::path path_;
};

// Settings read at start-up and when printing, each with its fallback for an
// absent or unusable value.

// "Units System" / "UnitsType": a whole number 1-3; otherwise 1 (U.S. Standard).
std::int16_t ReadUnitsType(const SettingsFile& settings);
// "Max Shell Thickness" / "MaxShell": a finite positive number of inches;
// otherwise 2.
float ReadMaxShell(const SettingsFile& settings);
// "Design Criteria" / "ShowDesignCriteria": true exactly when the value is
// "True" in any letter case.
bool ReadShowDesignCriteria(const SettingsFile& settings);
// Keeps whether the design criteria open with each new problem ("True" or
// "False").
void WriteShowDesignCriteria(SettingsFile& settings, bool show);
// "Font Data" / "FontName": the printer font name; "Courier New" when empty.
std::string ReadFontName(const SettingsFile& settings);
// "Font Data" / "FontSize": a finite positive number; otherwise 12.
float ReadFontSize(const SettingsFile& settings);

// The paper of printed reports and diagrams.
enum class PaperSize { Letter, A4 };
// "Printer" / "PaperSize": "Letter" or "A4" in any letter case; otherwise the
// paper of the unit system's countries: Letter in U.S. units (`unitsType` 1),
// A4 in the metric systems.
PaperSize ReadPaperSize(const SettingsFile& settings, std::int16_t unitsType);

}  // namespace calvix
