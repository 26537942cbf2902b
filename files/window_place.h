// Where a window stood on the screen and how large it was, kept in the
// settings file between runs (section "Main Window" for the main window):
//
//   [Main Window]
//   Left=120
//   Top=80
//   Width=1100
//   Height=760
//   Maximized=False
#pragma once

#include <optional>
#include <string_view>

#include "files/settings.h"

namespace calvix {

struct WindowPlace {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool maximized = false;
  bool operator==(const WindowPlace&) const = default;
};

inline constexpr std::string_view kMainWindowSection = "Main Window";

// The place kept in `section`; nothing when a key is missing or not a whole
// number, or when the width or height is not positive.
std::optional<WindowPlace> ReadWindowPlace(const SettingsFile& settings, std::string_view section);

// Keeps `place` in `section`. False when the settings file cannot be written.
bool WriteWindowPlace(SettingsFile& settings, std::string_view section, const WindowPlace& place);

}  // namespace calvix
