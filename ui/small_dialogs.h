// The small windows around the main window: the site coefficient dialog
// (frmFA), the units dialog (frmUnits), the masonry data dialog
// (frmUpdateMasonry), the about box (frmAbout), the start-up splash
// (frmSplash) and the printing notice (frmPrinting).
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>

#include "files/program_start.h"
#include "model/session.h"

namespace calvix::ui {

// The program's name and version as the splash and the about box show them.
QString ProgramNameAndVersion();

// "Site Coefficient, Fa": OK writes UserFa into the entry form.
class SiteCoefficientDialog : public QDialog {
  Q_OBJECT
 public:
  SiteCoefficientDialog(Platform& platform, EntryForm& entry, QWidget* parent = nullptr);
  QLineEdit* field() const { return field_; }

 private:
  Platform& platform_;
  EntryForm& entry_;
  QLineEdit* field_;
};

// "Calvix Units": the chosen unit system code (1-3) after OK, and whether the
// open problem is converted into it (the default) or a new problem started.
class UnitsDialog : public QDialog {
  Q_OBJECT
 public:
  UnitsDialog(int16_t currentUnitsType, QWidget* parent = nullptr);
  int16_t selected() const;
  UnitChange change() const;
  QRadioButton* option(int element) const { return options_.at(static_cast<size_t>(element)); }
  QRadioButton* changeOption(int element) const {
    return changeOptions_.at(static_cast<size_t>(element));
  }

 private:
  std::array<QRadioButton*, 3> options_{};
  std::array<QRadioButton*, 2> changeOptions_{};
};

// "Edit Masonry Data": after OK, true when the engineer edits the masonry
// data himself.
class MasonryDataDialog : public QDialog {
  Q_OBJECT
 public:
  MasonryDataDialog(bool userMasonryData, QWidget* parent = nullptr);
  bool userMasonryData() const;
  QRadioButton* option(int element) const { return options_.at(static_cast<size_t>(element)); }

 private:
  std::array<QRadioButton*, 2> options_{};
};

class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  explicit AboutDialog(QWidget* parent = nullptr);
};

// The start-up splash: shown while the main window loads.
class SplashWindow : public QWidget {
  Q_OBJECT
 public:
  SplashWindow();
};

// The small notice shown while a report goes to the printer.
class PrintingNotice : public QDialog {
  Q_OBJECT
 public:
  explicit PrintingNotice(QWidget* parent = nullptr);
};

}  // namespace calvix::ui
