#include "files/file_commands.h"

#include "files/default_data.h"
#include "files/project_file.h"
#include "model/errors.h"
#include "model/field_states.h"

namespace calvix {
namespace {

const FileDialogRequest kOpenDialog{
    "Open Calvix File", "Calvix Files (*.cxl)|*.cxl|All Files (*.*)|*.*", "cxl", true, false};
const FileDialogRequest kSaveDialog{"Save Calvix File", "Calvix Files (*.cxl)|*.cxl", "cxl", false,
                                    true};

// Reads `path` into the session; the question has been asked already.
bool ReadIntoSession(Session& session, const std::filesystem::path& path) {
  auto read = ReadProjectFile(path, session.problem.entry);
  if (const auto* fault = std::get_if<ProjectFileFault>(&read)) {
    session.platform.ShowInformation(FaultText(path, *fault), "File Error");
    return false;
  }
  auto& file = std::get<ProjectFileContents>(read);
  if (file.UnitsType != session.problem.units.UnitsType) {
    SwitchUnitSystem(session, file.UnitsType);
  }
  session.problem.entry = std::move(file.entry);
  // The field texts were replaced, so earlier results no longer belong to them.
  session.problem.Designed = false;
  session.projectPath = path;
  session.window.Caption = "Calvix - " + path.string();
  session.window.ProjectStatus = "Project:  " + session.problem.entry.Project;
  session.problem.DataChanged = false;
  UpdateFields(session);
  ApplyLoadFactors(session.problem.entry);
  return true;
}

bool WriteTo(Session& session, const std::filesystem::path& path) {
  try {
    WriteProjectFile(path, session.problem);
  } catch (const CalvixError&) {
    session.platform.ShowInformation("Error: The file, " + path.string() + ", could not be saved",
                                     "File Error");
    return false;
  }
  session.projectPath = path;
  session.window.Caption = "Calvix - " + path.string();
  session.problem.DataChanged = false;
  return true;
}

}  // namespace

std::string ProblemName(const Session& session) {
  if (session.projectPath.empty()) return "Untitled";
  return session.projectPath.filename().string();
}

bool ResolveUnsavedChanges(Session& session) {
  if (!session.problem.DataChanged) return true;
  MessageAnswer answer = session.platform.AskSaveDiscardCancel(
      "Save changes to " + ProblemName(session) + "?", "Calvix");
  if (answer == MessageAnswer::Discard) return true;
  if (answer == MessageAnswer::Save) return SaveFile(session);
  return false;
}

bool NewProblem(Session& session) {
  if (!ResolveUnsavedChanges(session)) return false;
  ClearData(session);
  LoadDefaultValues(session);
  UpdateFields(session);
  // A fresh problem has no file, nothing to save and no results yet.
  session.projectPath.clear();
  session.problem.DataChanged = false;
  session.problem.Designed = false;
  return true;
}

bool OpenFile(Session& session) {
  if (!ResolveUnsavedChanges(session)) return false;
  auto path = session.platform.ChooseFileToOpen(kOpenDialog);
  if (!path) return false;
  return ReadIntoSession(session, *path);
}

bool OpenFileAt(Session& session, const std::filesystem::path& path) {
  if (!ResolveUnsavedChanges(session)) return false;
  return ReadIntoSession(session, path);
}

bool SaveFile(Session& session) {
  if (session.projectPath.empty()) return SaveFileAs(session);
  return WriteTo(session, session.projectPath);
}

bool SaveFileAs(Session& session) {
  auto path = session.platform.ChooseFileToSave(kSaveDialog);
  if (!path) return false;
  return WriteTo(session, *path);
}

}  // namespace calvix
