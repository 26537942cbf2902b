#include "files/recent_files.h"

#include <algorithm>
#include <string>

#include "files/encoding.h"

namespace calvix {
namespace {

constexpr const char* kSection = "Recent Files";

std::string Key(int index) {
  return "File" + std::to_string(index + 1);
}

// True when the settings file reads `text` back exactly as it was written.
bool Keepable(const std::string& text) {
  return !text.empty() && text.size() <= kSettingsValueMaxLength &&
         Cp1252ToUtf8(Utf8ToCp1252(text)) == text &&
         text.find_first_of("\r\n") == std::string::npos && text.front() != ' ' &&
         text.back() != ' ' && text.front() != '"';
}

bool WriteList(SettingsFile& settings, const std::vector<std::filesystem::path>& paths) {
  for (int i = 0; i < kRecentFileCount; ++i) {
    std::string value =
        i < static_cast<int>(paths.size()) ? paths[static_cast<size_t>(i)].string() : std::string();
    if (!settings.Write(kSection, Key(i), value)) return false;
  }
  return true;
}

}  // namespace

std::vector<std::filesystem::path> ReadRecentFiles(const SettingsFile& settings) {
  std::vector<std::filesystem::path> paths;
  for (int i = 0; i < kRecentFileCount; ++i) {
    std::string value = settings.Read(kSection, Key(i));
    if (!value.empty()) paths.emplace_back(value);
  }
  return paths;
}

bool AddRecentFile(SettingsFile& settings, const std::filesystem::path& path) {
  std::filesystem::path full = std::filesystem::absolute(path).lexically_normal();
  if (!Keepable(full.string())) return false;
  std::vector<std::filesystem::path> paths = ReadRecentFiles(settings);
  std::vector<std::filesystem::path> before = paths;
  paths.erase(std::remove(paths.begin(), paths.end(), full), paths.end());
  paths.insert(paths.begin(), full);
  if (paths.size() > static_cast<size_t>(kRecentFileCount)) paths.resize(kRecentFileCount);
  if (WriteList(settings, paths)) return true;
  WriteList(settings, before);
  return false;
}

}  // namespace calvix
