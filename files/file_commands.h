// The File menu commands on the one problem: New, Open, Save and Save As, and
// the question asked before unsaved changes would be lost. Each asks the
// platform for the file and for the confirmations, and shows its messages
// there.
#pragma once

#include <filesystem>
#include <string>

#include "model/session.h"

namespace calvix {

// The name the save question and the status bar use: the project file's name
// without its folder, or "Untitled" for a problem never saved.
std::string ProblemName(const Session& session);

// Before the problem is replaced or the program ends: when the problem has
// unsaved changes, asks "Save changes to NAME?" (Save / Don't Save / Cancel,
// title "Calvix"). Save saves as File > Save does. Returns true when the
// caller may go on: nothing changed, Don't Save, or Save that went through.
bool ResolveUnsavedChanges(Session& session);

// File > New: after the save question, the problem of the default data.
bool NewProblem(Session& session);
// File > Open: after the save question, the file chosen in the open dialog.
bool OpenFile(Session& session);
// Opens `path` after the save question (recent files, the command line).
bool OpenFileAt(Session& session, const std::filesystem::path& path);
// File > Save: to the problem's project file without a dialog; a problem
// never saved asks for its file as Save As does.
bool SaveFile(Session& session);
// File > Save As: the file chosen in the save dialog.
bool SaveFileAs(Session& session);

// Each returns true when it went through (false: cancelled or refused).

}  // namespace calvix
