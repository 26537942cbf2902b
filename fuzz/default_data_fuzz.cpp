// Fuzz target: the default-data reader. A session is started once on the
// generated program folder; each input replaces CXDeflt.fil and the default
// values are loaded into a copy of the started problem in each unit system.
#include <cstdint>
#include <exception>

#include "files/default_data.h"
#include "files/program_start.h"
#include "fuzz_support.h"
#include "model/errors.h"

using namespace calvix;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static fuzzing::ScratchFolder folder;
  static fuzzing::AnsweringPlatform platform;
  static const Problem started = [] {
    Session session(platform, ProgramFolder{folder.path()});
    StartProgram(session);
    return session.problem;
  }();
  fuzzing::WriteBytes(folder / "CXDeflt.fil", data, size);
  for (int16_t units : {1, 2, 3}) {
    Session session(platform, ProgramFolder{folder.path()});
    session.problem = started;
    session.problem.units.UnitsType = units;
    try {
      LoadDefaultValues(session);
    } catch (const CalvixError&) {
      // A damaged file is refused with a message naming it: that is the
      // expected outcome.
    }
  }
  return 0;
}
