#include "ui/print_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "analysis/wall_part.h"
#include "files/settings.h"
#include "model/number_format.h"
#include "reports/results_file.h"
#include "ui/package_export.h"
#include "ui/small_dialogs.h"

namespace calvix {
namespace {

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

// The spacing of `bar` when the design offers it (a permitted bar with an
// accepted spacing), else 0.
float OfferedSpacing(const DesignResults& design, DesignRun run, int part, std::size_t bar) {
  const std::size_t p = PartIndex(part);
  if (run == DesignRun::Strength && design.strength.BarOffered(p, bar))
    return design.strength.BarSpacing[p][bar];
  if (run == DesignRun::Reinforced && design.reinforced.BarOffered(p, bar))
    return design.reinforced.BarSpacing[p][bar];
  return 0.0f;
}

}  // namespace

bool SavePrinterFont(const std::filesystem::path& settingsFile, const std::string& family,
                     double pointSize) {
  SettingsFile settings(settingsFile);
  const long size = std::clamp(std::lround(pointSize), 1L, static_cast<long>(kMaxPrinterFontSize));
  return settings.Write("Font Data", "FontName", family) &&
         settings.Write("Font Data", "FontSize", std::to_string(size));
}

std::string BarSpacingText(const Problem& problem, int bar, float s) {
  const UnitSystem& u = problem.units;
  std::string label;
  if (bar >= 0 && static_cast<std::size_t>(bar) < u.BarTable.size()) {
    label = u.BarTable[static_cast<std::size_t>(bar)].Name;
  }
  const double spacing = static_cast<double>(s) * static_cast<double>(u.Factor(kLengthShort));
  return Trimmed(label) + " @ " + Trimmed(FormatFixed(spacing, u.Pattern(kLengthShort))) + " " +
         Trimmed(u.Label(kLengthShort)) + " o.c.";
}

std::vector<RebarEntry> RebarEntries(const Problem& problem, const DesignResults& design,
                                     DesignRun run, int part) {
  std::vector<RebarEntry> entries;
  if (part == kParapet && !(problem.working.ParapetHeight > 0.0f)) return entries;
  if (run == DesignRun::Unreinforced) {
    const auto& labels = design.unreinforced.GroutCaseLabel;
    for (std::size_t c = 0; c < labels.size(); ++c) {
      const std::string label = Trimmed(labels[c]);
      std::string text;
      if (c == 0) {
        text = "Grouted Cells @ Solid";
      } else if (c + 1 == labels.size() && labels.size() > 1) {
        text = "No Grouted Cells";
      } else {
        text = "Grouted Cells @ " + label + " o.c.";
      }
      entries.push_back({text, static_cast<int>(c)});
    }
    return entries;
  }
  // Bars above the size limit of the wall's thickness are not offered.
  for (std::size_t bar = 0; bar < problem.units.BarTable.size(); ++bar) {
    const float s = OfferedSpacing(design, run, part, bar);
    if (s > 0.0f)
      entries.push_back({BarSpacingText(problem, static_cast<int>(bar), s), static_cast<int>(bar)});
  }
  return entries;
}

PrintDialog::PrintDialog(QWidget* parent, Session& session, PrintDialogState& state, PrintJob job)
    : QDialog(parent), session_(session), state_(state), job_(std::move(job)) {
  setObjectName("frmPrintDlg");
  setWindowTitle("Print Results");
  static const std::array<const char*, 7> kCaptions{
      "&Calvix Input Data",  "Calvix &Graphic",
      "&Summary of Results", "&Results For Each Load Case",
      "S&ummary of Results", "R&esults For Each Load Case",
      "Print to &File"};
  for (std::size_t i = 0; i < chkReport_.size(); ++i) {
    chkReport_[i] = new QCheckBox(kCaptions[i], this);
    chkReport_[i]->setObjectName(QString("chkReport_%1").arg(i));
    chkReport_[i]->setChecked(state_.checks[i]);
  }

  auto* options = new QGroupBox("Report Options", this);
  auto* optionsLayout = new QVBoxLayout(options);
  optionsLayout->addWidget(chkReport_[0]);
  optionsLayout->addWidget(chkReport_[1]);
  optionsLayout->addWidget(chkReport_[6]);

  static const std::array<const char*, 2> kFrames{"Main Wall Results", "Parapet Wall Results"};
  static const std::array<const char*, 2> kListCaptions{"Select &Wall Reinforcing:",
                                                        "Select P&arapet Reinforcing:"};
  std::array<QGroupBox*, 2> frames{};
  for (int part = kMainWall; part <= kParapet; ++part) {
    const std::size_t i = static_cast<std::size_t>(part - 1);
    frames[i] = new QGroupBox(kFrames[i], this);
    auto* frameLayout = new QVBoxLayout(frames[i]);
    frameLayout->addWidget(chkReport_[2 + 2 * i]);
    frameLayout->addWidget(chkReport_[3 + 2 * i]);
    lblRebar_[i] = new QLabel(kListCaptions[i], frames[i]);
    cboRebar_[i] = new QComboBox(frames[i]);
    cboRebar_[i]->setObjectName(part == kMainWall ? "cboRebar_0" : "cboRebar_1");
    lblRebar_[i]->setBuddy(cboRebar_[i]);
    frameLayout->addWidget(lblRebar_[i]);
    frameLayout->addWidget(cboRebar_[i]);
    if (job_.design != nullptr) {
      for (const RebarEntry& entry : RebarEntries(session_.problem, *job_.design, job_.run, part)) {
        cboRebar_[i]->addItem(QString::fromStdString(entry.text), entry.row);
      }
    }
    if (cboRebar_[i]->count() > 0) cboRebar_[i]->setCurrentIndex(0);
  }

  static const std::array<const char*, 4> kButtons{"&Print", "&Cancel", "Se&tup...", "Fonts..."};
  auto* buttons = new QVBoxLayout;
  std::array<QPushButton*, 4> cmdPrint{};
  for (std::size_t i = 0; i < cmdPrint.size(); ++i) {
    cmdPrint[i] = new QPushButton(kButtons[i], this);
    cmdPrint[i]->setObjectName(QString("cmdPrint_%1").arg(i));
    buttons->addWidget(cmdPrint[i]);
  }
  cmdPrint[0]->setDefault(true);
  auto* cmdPdf = new QPushButton("Calculation P&DF...", this);
  cmdPdf->setObjectName("cmdPrintPdf");
  cmdPdf->setToolTip("The calculation package of the chosen reinforcement as a PDF file");
  cmdPdf->setEnabled(job_.analysis != nullptr && job_.design != nullptr);
  buttons->addWidget(cmdPdf);
  buttons->addStretch(1);

  auto* grid = new QGridLayout(this);
  grid->addWidget(options, 0, 0);
  grid->addLayout(buttons, 0, 1, 3, 1);
  grid->addWidget(frames[0], 1, 0);
  grid->addWidget(frames[1], 2, 0);

  connect(cmdPrint[0], &QPushButton::clicked, this, [this] {
    if (PrintClicked()) accept();
  });
  connect(cmdPrint[1], &QPushButton::clicked, this, &QDialog::reject);
  connect(cmdPdf, &QPushButton::clicked, this, [this] {
    if (ExportPdfClicked()) accept();
  });
  connect(cmdPrint[2], &QPushButton::clicked, this, [this] { SetupClicked(); });
  connect(cmdPrint[3], &QPushButton::clicked, this, [this] { FontsClicked(); });
  UpdatePartControls();
}

void PrintDialog::UpdatePartControls() {
  // Without a parapet nothing of it can be chosen.
  const bool parapet = session_.problem.working.ParapetHeight > 0.0f;
  chkReport_[4]->setEnabled(parapet);
  chkReport_[5]->setEnabled(parapet);
  lblRebar_[1]->setEnabled(parapet);
  cboRebar_[1]->setEnabled(parapet);
  // A part without any accepted spacing has no reinforcement to detail: its
  // load-case results cannot be asked for.
  for (std::size_t i = 0; i < 2; ++i) {
    if (cboRebar_[i]->count() == 0) {
      chkReport_[3 + 2 * i]->setChecked(false);
      chkReport_[3 + 2 * i]->setEnabled(false);
      cboRebar_[i]->setEnabled(false);
    }
  }
}

ReportRequest PrintDialog::Request() const {
  ReportRequest request;
  for (int option = 1; option <= kReportOptionCount; ++option) {
    const QCheckBox* box = chkReport_[static_cast<std::size_t>(option - 1)];
    request.options.Set(option, box->isEnabled() && box->isChecked());
  }
  const std::array<int*, 2> choices{&request.mainChoice, &request.parapetChoice};
  for (std::size_t i = 0; i < 2; ++i) {
    const int index = cboRebar_[i]->currentIndex();
    *choices[i] = index >= 0 ? cboRebar_[i]->itemData(index).toInt() : 0;
  }
  request.reinforced = session_.problem.ReinforcedWall;
  return request;
}

bool PrintDialog::ExportPdfClicked() {
  if (job_.analysis == nullptr || job_.design == nullptr) return false;
  SaveChecks();
  const ReportRequest request = Request();
  return ExportCalculationPdf(session_, *job_.analysis, *job_.design,
                              {request.mainChoice, request.parapetChoice});
}

bool PrintDialog::PrintClicked() {
  SaveChecks();
  if (chkReport_[6]->isChecked()) return PrintToFile();
  if (!state_.printer) {
    state_.printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    SetSettingsPaper(*state_.printer, session_);
  }
  QPrintDialog dialog(state_.printer.get(), this);
  dialog.setWindowTitle("Print Results");
  if (dialog.exec() != QDialog::Accepted) return false;
  return PrintOnPrinter(*state_.printer);
}

bool PrintDialog::PrintOnPrinter(QPrinter& printer) {
  SaveChecks();
  PrepareReportPrinter(printer);
  // The printing notice while the pages are made.
  ui::PrintingNotice notice(this);
  notice.show();
  QApplication::processEvents();
  return PrintReportOnPrinter(session_, printer, Request(), job_.hooks, ReportStampNow(),
                              job_.wallPicture);
}

bool PrintDialog::PrintToFile() {
  SaveChecks();
  return PrintResultsToFile(session_, Request(), job_.hooks);
}

void PrintDialog::SetupClicked() {
  if (!state_.printer) {
    state_.printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    SetSettingsPaper(*state_.printer, session_);
  }
  QPageSetupDialog dialog(state_.printer.get(), this);
  dialog.setWindowTitle("Printer Setup");
  dialog.exec();
}

void PrintDialog::FontsClicked() {
  SettingsFile settings(session_.folder.Settings());
  QFont current(QString::fromStdString(ReadFontName(settings)), kMaxPrinterFontSize);
  bool ok = false;
  const QFont chosen =
      QFontDialog::getFont(&ok, current, this, "Choose Printer Font", QFontDialog::MonospacedFonts);
  if (!ok) return;
  SavePrinterFont(session_.folder.Settings(), chosen.family().toStdString(), chosen.pointSizeF());
}

void PrintDialog::SaveChecks() {
  for (std::size_t i = 0; i < chkReport_.size(); ++i) {
    // A box switched off for want of a parapet or a spacing keeps the
    // engineer's last choice for the next problem.
    if (chkReport_[i]->isEnabled()) state_.checks[i] = chkReport_[i]->isChecked();
  }
}

void PrintDialog::done(int result) {
  SaveChecks();
  QDialog::done(result);
}

bool RunPrintDialog(QWidget* parent, Session& session, PrintDialogState& state, PrintJob job,
                    bool* printed) {
  if (!CheckPrintable(session)) return false;
  PrintDialog dialog(parent, session, state, std::move(job));
  const bool accepted = dialog.exec() == QDialog::Accepted;
  if (printed != nullptr) *printed = accepted;
  return true;
}

}  // namespace calvix
