// The last project files opened or saved, kept in the settings file for the
// File menu:
//
//   [Recent Files]
//   File1=/home/ana/walls/warehouse.cxl
//   File2=...
//
// File1 is the most recent. A path that the settings file cannot hold
// exactly (longer than a settings value, or with characters outside its code
// page) is not kept, so that the menu never offers a file that is not there.
#pragma once

#include <filesystem>
#include <vector>

#include "files/settings.h"

namespace calvix {

inline constexpr int kRecentFileCount = 5;

// The kept paths, most recent first; empty keys are skipped.
std::vector<std::filesystem::path> ReadRecentFiles(const SettingsFile& settings);

// Puts `path` at the head of the list: an entry for the same path moves up,
// and the list keeps at most kRecentFileCount paths. False when the path
// cannot be kept or the settings file cannot be written; the list is then
// unchanged.
bool AddRecentFile(SettingsFile& settings, const std::filesystem::path& path);

}  // namespace calvix
