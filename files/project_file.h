// Project files (*.cxl): the entry form of a problem as one text item per line,
// in the unit system named on the first line. Two layouts exist: the current
// one of 98 lines and an earlier one of 96 lines without the S1 class and the
// "Use Mcr = S(fr + P/A)" option; the reader tells them apart by line 71.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>

#include "model/session.h"

namespace calvix {

inline constexpr int kProjectFileLines = 98;
inline constexpr int kEarlierProjectFileLines = 96;

// A project file read whole and checked: the unit system of its texts and the
// entry form it describes (items the earlier layout lacks keep the values of
// the form it was read over).
struct ProjectFileContents {
  int16_t UnitsType = 1;
  EntryForm entry;
  bool currentFormat = true;
};

// Why a file was refused.
struct ProjectFileFault {
  bool couldNotOpen = false;      // the file could not be opened for reading
  std::optional<size_t> badLine;  // 1-based line of the first damaged item
  std::string detail;             // what is wrong there
};

// Reads and checks a whole project file over a copy of `current`. Nothing is
// applied to a problem here.
std::variant<ProjectFileContents, ProjectFileFault> ReadProjectFile(
    const std::filesystem::path& path, const EntryForm& current);

// Writes the current layout. Throws CalvixError when the file cannot be
// written; the old file is then untouched.
void WriteProjectFile(const std::filesystem::path& path, const Problem& problem);

// The "File Error" message for a refused file.
std::string FaultText(const std::filesystem::path& path, const ProjectFileFault& fault);
// The load factors the analysis uses: the user's under "NO", the building
// code's otherwise.
void ApplyLoadFactors(EntryForm& entry);

void ClearData(Session& session);

// Switches the program to another unit system without converting any text:
// unit record, bar table, field limits, decimals and labels.
void SwitchUnitSystem(Session& session, int16_t unitsType);

}  // namespace calvix

// The File menu commands (New, Open, Save, Save As) live beside the file format.
#include "files/file_commands.h"
