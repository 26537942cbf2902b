// Shared helpers of the report and command-line tests: a report destination
// kept in memory, the command-line program run as a user runs it, and the
// comparison of a produced text with its checked-in copy.
#pragma once

#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "files/file_commands.h"
#include "reports/report_document.h"
#include "support/started_session.h"

namespace calvix::testing {

// A document kept in memory: "\n" per line end, two per page end. It plays a
// file or, with `file` false, a printer.
class MemoryDestination : public ReportDestination {
 public:
  explicit MemoryDestination(bool file = true) : file_(file) {}
  void Begin(const PageGeometry&) override { text.clear(); }
  void Put(std::string_view t) override { text.append(t); }
  void EndLine() override { text += "\n"; }
  void EndPage() override { text += "\n\n"; }
  void Finish() override { ++finished; }
  void Abandon() override { ++abandoned; }
  bool IsFile() const override { return file_; }
  // Whether a whole line (margin included) reads `line`.
  bool Has(const std::string& line) const {
    return ("\n" + text + "\n").find("\n" + line + "\n") != std::string::npos;
  }
  std::string text;
  int finished = 0, abandoned = 0;

 private:
  bool file_;
};

inline std::filesystem::path SourcePath(const std::string& relative) {
  return std::filesystem::path(CALVIX_SOURCE_DIR) / relative;
}
inline std::string Example(const std::string& name) {
  return SourcePath("examples/" + name).string();
}

// The checked-in expected texts are renewed after a deliberate change of the
// design or report code by running the tests with
// CALVIX_UPDATE_EXAMPLE_REPORTS=1 (then read the differences before
// committing).
// ExpectedText is the text checked in at `file`, renewed first when updating.
inline std::string ExpectedText(const std::filesystem::path& file, const std::string& actual) {
  if (std::getenv("CALVIX_UPDATE_EXAMPLE_REPORTS") != nullptr) WriteBytes(file, actual);
  return ReadBytes(file);
}

// A session with a project file opened as the Open command opens it.
struct ExampleSession : StartedSession {
  explicit ExampleSession(const std::string& path) {
    platform.files.push_back(path);
    EXPECT_TRUE(OpenFile(session)) << path;
  }
};

struct CliRun {
  int status = -1;
  std::string out;
};

// calvix-cli with `arguments`, its standard output captured.
inline CliRun RunCli(const std::string& arguments) {
  const std::string command = std::string(CALVIX_CLI) + " " + arguments + " 2>/dev/null";
  CliRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  std::array<char, 4096> buffer{};
  for (size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) {
    run.out.append(buffer.data(), n);
  }
  const int raw = pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return run;
}

inline std::string Quoted(const std::filesystem::path& path) {
  return "'" + path.string() + "'";
}

}  // namespace calvix::testing
