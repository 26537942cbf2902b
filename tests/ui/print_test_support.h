// Shared by the printing, results window and interaction diagram tests: a
// started session holding a shipped example wall, solved by the real design
// routines, and the Qt application the window tests need.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <string>

#include "analysis/solve.h"
#include "design/design_results.h"
#include "files/project_file.h"
#include "support/started_session.h"

namespace calvix::testing {

// The window tests run under the test program's QApplication; a test program
// without one gets one here.
inline void EnsureApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  static int argc = 1;
  static char name[] = "calvix_ui_tests";
  static char* argv[] = {name, nullptr};
  static QApplication application(argc, argv);
}

// A text with its runs of blanks made one space and its ends trimmed: the
// text read back from a PDF places words by their position, not by spaces.
inline std::string Squeezed(const std::string& line) {
  std::string out;
  bool blank = false;
  for (char c : line) {
    if (c == ' ' || c == '\t' || c == '\r') {
      blank = true;
      continue;
    }
    if (blank && !out.empty() && c != '\n' && out.back() != '\n') out += ' ';
    blank = false;
    out += c;
  }
  return out;
}

// An example of examples/ opened and solved as the Solve menu does it.
struct SolvedExample : StartedSession {
  SolvedExample(const std::string& name, bool reinforced) {
    EnsureApplication();
    platform.files.push_back(std::string(CALVIX_SOURCE_DIR) + "/examples/" + name);
    EXPECT_TRUE(OpenFile(session));
    outcome = SolveWall(session, reinforced, analysis, DesignRoutinesFor(design));
    EXPECT_TRUE(outcome.designed) << name;
    platform.messages.clear();
    platform.pointer.clear();
    platform.dialogs.clear();
  }

  AnalysisResults analysis;
  DesignResults design;
  SolveOutcome outcome;
};

}  // namespace calvix::testing
