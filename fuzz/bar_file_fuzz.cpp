// Fuzz target: the bar file reader. Each input is Bars.fil; the units file is
// the generated one. Every unit system is read.
#include <cstdint>

#include "files/units_file.h"
#include "fuzz_support.h"
#include "model/errors.h"

using namespace calvix;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static fuzzing::ScratchFolder folder;
  fuzzing::WriteBytes(folder / "fuzz-Bars.fil", data, size);
  for (int16_t units : {1, 2, 3}) {
    try {
      UnitSystem system = LoadUnits(units, folder / "Units.fil", folder / "fuzz-Bars.fil");
      for (const Bar& bar : system.BarTable) (void)BarLabel(bar);
    } catch (const CalvixError&) {
    }
  }
  return 0;
}
