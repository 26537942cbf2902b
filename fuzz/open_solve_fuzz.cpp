// Fuzz target: File > Open of any bytes and then Solve of what was opened, as
// a reinforced and as an unreinforced wall, with the real design routines. A
// solve may refuse the problem (validation, a failure code, a conversion
// error), but a design it completes must hold finite numbers only.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const calvix::fuzzing::ScratchFolder folder;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string fault = calvix::fuzzing::CheckOpenAndSolve(folder, bytes);
  if (!fault.empty()) {
    std::fprintf(stderr, "%s\n", fault.c_str());
    std::abort();
  }
  return 0;
}
