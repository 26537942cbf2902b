// Undo and redo of the engineer's edits with Qt's undo framework. Each step
// keeps the whole entry form before and after one accepted edit (a field, an
// option, a list, a wind table cell or a dialog's choices), so that undoing it
// also undoes what the edit changed with it (masonry data recalculated from a
// thickness, field 14 following the wall height). A value that was refused
// never reaches the entry form and so makes no step.
#pragma once

#include <QObject>
#include <QUndoCommand>
#include <QUndoStack>
#include <functional>

#include "model/session.h"

namespace calvix::ui {

class ProblemHistory : public QObject {
  Q_OBJECT
 public:
  ProblemHistory(Session& session, QObject* parent = nullptr);
  // The stack empties itself on destruction; nothing is put back then.
  ~ProblemHistory() override { quiet_ = true; }

  QUndoStack* stack() { return &stack_; }

  // After an accepted edit: one step named `what` when the entry form differs
  // from the state of the last step.
  void Record(const QString& what);
  // The problem was replaced (start, New, Open, a change of unit system): the
  // history starts again from it. `saved`: the problem is the file's.
  void Reset(bool saved);
  // The problem was saved: this state of the history is the clean one.
  void MarkSaved() { stack_.setClean(); }

  // Called after undo or redo put a state back into the problem; the problem
  // then counts as changed unless the history is at its saved state.
  std::function<void()> restored;

 private:
  friend class EntryFormCommand;
  void Apply(const EntryForm& state);
  void IndexChanged();

  Session& session_;
  QUndoStack stack_;
  EntryForm recorded_;  // the entry form as the current step left it
  bool quiet_ = false;  // a push or a reset: nothing is put back
};

// One step: the entry form before and after an edit.
class EntryFormCommand : public QUndoCommand {
 public:
  EntryFormCommand(ProblemHistory& history, EntryForm before, EntryForm after, const QString& text);
  void undo() override;
  void redo() override;

 private:
  ProblemHistory& history_;
  EntryForm before_;
  EntryForm after_;
  bool done_ = true;  // pushed after the edit was made: the first redo has nothing to do
};

}  // namespace calvix::ui
