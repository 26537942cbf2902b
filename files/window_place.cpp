#include "files/window_place.h"

#include <charconv>
#include <string>

namespace calvix {
namespace {

std::optional<int> ReadWhole(const SettingsFile& settings, std::string_view section,
                             std::string_view key) {
  std::string text = settings.Read(section, key);
  int value = 0;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last || text.empty()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<WindowPlace> ReadWindowPlace(const SettingsFile& settings, std::string_view section) {
  auto left = ReadWhole(settings, section, "Left");
  auto top = ReadWhole(settings, section, "Top");
  auto width = ReadWhole(settings, section, "Width");
  auto height = ReadWhole(settings, section, "Height");
  if (!left || !top || !width || !height || *width <= 0 || *height <= 0) return std::nullopt;
  WindowPlace place{*left, *top, *width, *height, false};
  place.maximized = settings.Read(section, "Maximized") == "True";
  return place;
}

bool WriteWindowPlace(SettingsFile& settings, std::string_view section, const WindowPlace& place) {
  return settings.Write(section, "Left", std::to_string(place.left)) &&
         settings.Write(section, "Top", std::to_string(place.top)) &&
         settings.Write(section, "Width", std::to_string(place.width)) &&
         settings.Write(section, "Height", std::to_string(place.height)) &&
         settings.Write(section, "Maximized", place.maximized ? "True" : "False");
}

}  // namespace calvix
