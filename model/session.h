// One open problem with everything that belongs to it: the problem record,
// the display state of the entry fields, the program folder and the platform
// services. The desktop program holds one per main window; calvix-cli and the
// tests make their own.
#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "model/platform.h"
#include "model/problem.h"

namespace calvix {

// The files of the program folder.
struct ProgramFolder {
  std::filesystem::path dir;

  std::filesystem::path Settings() const { return dir / "Calvix.ini"; }
  std::filesystem::path Units() const { return dir / "Units.fil"; }
  std::filesystem::path Bars() const { return dir / "Bars.fil"; }
  std::filesystem::path Manual() const { return dir / "Calvix.pdf"; }
  std::filesystem::path Defaults() const { return dir / "CXDeflt.fil"; }
};

// How the entry fields are shown in the current unit system: decimals,
// displayed limits and the label table (label, unit label, sub-label).
struct FieldDisplay {
  std::array<int, kEntryFieldCount> Decimals{};
  std::array<double, kEntryFieldCount> DisplayMin{};
  std::array<double, kEntryFieldCount> DisplayMax{};
  std::array<std::array<std::string, 3>, kEntryFieldCount> Labels;
};

// Texts of the main window that the problem operations set.
struct WindowTexts {
  std::string Caption = "Calvix";
  std::string ProjectStatus = "Project:  ";
};

struct Session {
  Session(Platform& platformServices, ProgramFolder programFolder)
      : platform(platformServices), folder(std::move(programFolder)) {}

  Platform& platform;
  ProgramFolder folder;
  Problem problem;
  // The project file the problem was last opened from or saved to; empty for
  // a problem that has never been saved.
  std::filesystem::path projectPath;
  FieldDisplay display;
  WindowTexts window;
};

}  // namespace calvix
