// A session started from a private copy of the generated program folder, as
// the program starts: settings, units, limits, default data, masonry data.
#pragma once

#include <optional>

#include "files/program_start.h"
#include "model/session.h"
#include "support/recording_platform.h"
#include "support/temp_folder.h"

namespace calvix::testing {

struct StartedSession {
  explicit StartedSession(std::optional<int16_t> unitsType = std::nullopt)
      : session(platform, ProgramFolder{folder.path()}) {
    CopyProgramFiles(folder.path());
    StartProgram(session, unitsType);
  }

  Problem& problem() { return session.problem; }
  EntryForm& entry() { return session.problem.entry; }
  WorkingForm& working() { return session.problem.working; }

  TempFolder folder;
  RecordingPlatform platform;
  Session session;
};

}  // namespace calvix::testing
