// Solve > Design Sweep... (frmSweep): the engineer frees some of the wall's
// choices, runs the sweep with a progress bar and a Cancel button, reads the
// ranked passing walls in a sortable table and opens one into the entry form
// with one click on its "Open" cell. The sweep runs on its own threads, so
// the dialog stays responsive; it never touches the open problem until a
// wall is opened.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <array>
#include <memory>
#include <thread>

#include "sweep/sweep.h"
#include "sweep/sweep_text.h"

namespace calvix::ui {

class MainWindow;

// The choices a sweep may free, in the order of the check boxes.
enum SweepFreeBox : int { kFreeThickness, kFreeGrout, kFreeLayers, kFreeStrength, kFreeBars };
inline constexpr int kSweepFreeBoxCount = 5;

class SweepDialog : public QDialog {
  Q_OBJECT
 public:
  explicit SweepDialog(MainWindow& window, QWidget* parent = nullptr);
  ~SweepDialog() override;

  QCheckBox* freeBox(int box) const { return freeBoxes_.at(static_cast<std::size_t>(box)); }
  QPushButton* runButton() const { return run_; }
  QPushButton* cancelButton() const { return cancel_; }
  QProgressBar* progressBar() const { return progressBar_; }
  QTableWidget* table() const { return table_; }
  QLabel* summary() const { return summary_; }
  bool running() const { return worker_ != nullptr; }
  const SweepResult& result() const { return result_; }
  // The table column of the "Open" cells.
  static int OpenColumn() { return kSweepColumnCount + 1; }

  // Checks the problem and starts the sweep of the checked choices.
  void Run();
  // Stops a running sweep; the walls solved so far are shown.
  void CancelSweep();
  // Opens the passing wall of table row `row` into the entry form.
  void OpenRow(int row);

 private:
  SweepFreedom Freedom() const;
  void Poll();
  void Finished();
  void FillTable();
  void SetRunning(bool running);
  void reject() override;

  MainWindow& window_;
  std::array<QCheckBox*, kSweepFreeBoxCount> freeBoxes_{};
  QPushButton* run_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* close_ = nullptr;
  QProgressBar* progressBar_ = nullptr;
  QTableWidget* table_ = nullptr;
  QLabel* summary_ = nullptr;
  QTimer poll_;

  // The running sweep: what it started from, its progress and its thread.
  std::unique_ptr<SweepBase> base_;
  SweepRequest request_;
  SweepProgress progress_;
  std::atomic<bool> done_{false};
  std::unique_ptr<std::thread> worker_;
  SweepResult result_;
  std::string error_;  // a failure of the sweep itself (the cost table)
  Problem swept_;      // the problem the shown result belongs to
  SweepFreedom sweptFreedom_;
};

// Solve > Design Sweep...: the dialog over the main window.
void OpenSweepDialog(MainWindow& window);

}  // namespace calvix::ui
