// Fuzz target: the project-file reader on any bytes, and the writer on every
// file it accepts (what is read must be written back and read the same).
#include <cstdint>
#include <cstdlib>
#include <variant>

#include "files/project_file.h"
#include "fuzz_support.h"

using namespace calvix;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static fuzzing::ScratchFolder folder;
  const auto path = folder / "input.cxl";
  fuzzing::WriteBytes(path, data, size);
  EntryForm current;
  auto read = ReadProjectFile(path, current);
  if (auto* contents = std::get_if<ProjectFileContents>(&read)) {
    // Round trip: the accepted form is written in the current layout and
    // read back; it must be accepted again.
    Problem problem;
    problem.units.UnitsType = contents->UnitsType;
    problem.entry = contents->entry;
    const auto copy = folder / "copy.cxl";
    WriteProjectFile(copy, problem);
    auto again = ReadProjectFile(copy, current);
    if (!std::holds_alternative<ProjectFileContents>(again)) std::abort();
  }
  return 0;
}
