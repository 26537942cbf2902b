#include "model/program_version.h"

#include <array>
#include <cstdio>

namespace calvix {

std::string ProgramVersion() {
  return CALVIX_VERSION;
}

std::string BuildDate() {
  return IsoDateFromCompilerDate(__DATE__);
}

std::string IsoDateFromCompilerDate(std::string_view date) {
  static constexpr std::array<std::string_view, 12> kMonths{
      "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  if (date.size() != 11) return std::string(date);
  int month = 0;
  for (size_t i = 0; i < kMonths.size(); ++i) {
    if (date.substr(0, 3) == kMonths[i]) month = static_cast<int>(i) + 1;
  }
  int day = 0;
  int year = 0;
  std::string text(date.substr(4));
  if (month == 0 || std::sscanf(text.c_str(), "%d %d", &day, &year) != 2) return std::string(date);
  char iso[40];
  std::snprintf(iso, sizeof iso, "%04d-%02d-%02d", year, month, day);
  return iso;
}

}  // namespace calvix
