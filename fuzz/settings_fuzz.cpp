// Fuzz target: the settings reader and writer. Each input is Calvix.ini; every
// setting the program reads is read, a window place is read, and a value is
// written and must read back.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const calvix::fuzzing::ScratchFolder folder;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string fault = calvix::fuzzing::CheckSettings(folder, bytes);
  if (!fault.empty()) {
    std::fprintf(stderr, "%s\n", fault.c_str());
    std::abort();
  }
  return 0;
}
