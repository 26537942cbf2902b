// Fuzz target: the settings reader and writer. Each input is Calvix.ini; every
// setting the program reads is read, a window place is read, and a value is
// written and must read back.
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "files/settings.h"
#include "files/window_place.h"
#include "fuzz_support.h"

using namespace calvix;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static fuzzing::ScratchFolder folder;
  const auto path = folder / "fuzz.ini";
  fuzzing::WriteBytes(path, data, size);
  SettingsFile settings(path);
  int16_t units = ReadUnitsType(settings);
  if (units < 1 || units > 3) std::abort();
  float shell = ReadMaxShell(settings);
  if (!(shell > 0.0f) || !std::isfinite(shell)) std::abort();
  (void)ReadShowDesignCriteria(settings);
  if (ReadFontName(settings).empty()) std::abort();
  float font = ReadFontSize(settings);
  if (!(font > 0.0f) || !std::isfinite(font)) std::abort();
  (void)ReadWindowPlace(settings, kMainWindowSection);
  if (settings.Write("Units System", "UnitsType", "2")) {
    if (settings.Read("Units System", "UnitsType") != "2") std::abort();
  }
  return 0;
}
