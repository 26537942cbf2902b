// Fuzz target: the bar file reader. Each input is Bars.fil; the units file is
// the generated one. Every unit system is read.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const calvix::fuzzing::ScratchFolder folder;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string fault = calvix::fuzzing::CheckUnitsOrBars(folder, bytes, false);
  if (!fault.empty()) {
    std::fprintf(stderr, "%s\n", fault.c_str());
    std::abort();
  }
  return 0;
}
