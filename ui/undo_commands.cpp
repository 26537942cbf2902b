#include "ui/undo_commands.h"

#include "model/entry_editing.h"

namespace calvix::ui {

ProblemHistory::ProblemHistory(Session& session, QObject* parent)
    : QObject(parent), session_(session), recorded_(session.problem.entry) {
  stack_.setUndoLimit(200);
  connect(&stack_, &QUndoStack::indexChanged, this, [this] { IndexChanged(); });
}

void ProblemHistory::Record(const QString& what) {
  const EntryForm& now = session_.problem.entry;
  if (now == recorded_) return;
  quiet_ = true;
  stack_.push(new EntryFormCommand(*this, recorded_, now, what));
  quiet_ = false;
  recorded_ = now;
}

void ProblemHistory::Reset(bool saved) {
  quiet_ = true;
  stack_.clear();
  quiet_ = false;
  recorded_ = session_.problem.entry;
  // A converted or otherwise unsaved problem has no clean state to return to.
  if (!saved) stack_.resetClean();
}

void ProblemHistory::Apply(const EntryForm& state) {
  session_.problem.entry = state;
  recorded_ = state;
  MarkInputChanged(session_.problem);
}

void ProblemHistory::IndexChanged() {
  if (quiet_) return;
  session_.problem.DataChanged = !stack_.isClean();
  if (restored) restored();
}

EntryFormCommand::EntryFormCommand(ProblemHistory& history, EntryForm before, EntryForm after,
                                   const QString& text)
    : QUndoCommand(text), history_(history), before_(std::move(before)), after_(std::move(after)) {}

void EntryFormCommand::undo() {
  history_.Apply(before_);
  done_ = false;
}

void EntryFormCommand::redo() {
  if (done_) return;
  history_.Apply(after_);
  done_ = true;
}

}  // namespace calvix::ui
