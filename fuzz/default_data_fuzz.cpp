// Fuzz target: the default-data reader. A session is started once on the
// generated program folder; each input replaces CXDeflt.fil and the default
// values are loaded into a copy of the started problem in each unit system.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const calvix::fuzzing::ScratchFolder folder;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string fault = calvix::fuzzing::CheckDefaultData(folder, bytes);
  if (!fault.empty()) {
    std::fprintf(stderr, "%s\n", fault.c_str());
    std::abort();
  }
  return 0;
}
