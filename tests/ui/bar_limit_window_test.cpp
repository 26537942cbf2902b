// Bars above the size limit of the wall's thickness (IBC 2000 2107.2.4 for
// working stress, 2108.9.2.1 for strength) are shown as not permitted in the
// results window and are not offered by its list, the print dialog or the
// interaction diagram.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QTableWidget>
#include <ostream>

#include "tests/ui/print_test_support.h"
#include "ui/interaction_plot.h"
#include "ui/print_dialog.h"
#include "ui/results_window.h"

namespace calvix {
namespace {

using testing::SolvedExample;

struct LimitCase {
  const char* example;
  const char* clause;
  std::vector<std::string> notPermitted;
};

void PrintTo(const LimitCase& c, std::ostream* out) {
  *out << c.example;
}

class BarLimitWindowTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(BarLimitWindowTest, BarsAboveTheLimitAreShownNotPermittedAndNeverListed) {
  const LimitCase& c = GetParam();
  SolvedExample example(c.example, true);
  ResultsWindow window(nullptr, example.session, example.analysis, example.design,
                       example.outcome.design, {});
  int16_t code = -1;
  window.ShowSummaryResults(1, code);
  ASSERT_EQ(code, 0);
  QTableWidget* grid = window.Grid("grdDesign");
  const auto& bars = example.problem().units.BarTable;
  int shown = 0;
  for (int r = 0; r < grid->rowCount(); ++r) {
    const QString name = grid->item(r, 0)->text().trimmed();
    const bool limited = std::find(c.notPermitted.begin(), c.notPermitted.end(),
                                   name.toStdString()) != c.notPermitted.end();
    if (!limited) continue;
    ++shown;
    EXPECT_EQ(grid->item(r, 1)->text().toStdString(), std::string("not permitted, ") + c.clause);
  }
  EXPECT_EQ(shown, static_cast<int>(c.notPermitted.size()));
  for (int i = 0; i < window.RebarList()->count(); ++i) {
    const std::string entry = window.RebarList()->itemText(i).toStdString();
    for (const std::string& name : c.notPermitted) {
      EXPECT_NE(entry.rfind(name, 0), 0u) << entry;
    }
  }
  EXPECT_GT(window.RebarList()->count(), 0);
  const auto entries = RebarEntries(example.problem(), example.design, example.outcome.design, 1);
  ASSERT_EQ(static_cast<int>(entries.size()), window.RebarList()->count());
  for (const RebarEntry& entry : entries) {
    for (const std::string& name : c.notPermitted) {
      EXPECT_NE(bars[static_cast<std::size_t>(entry.row)].Name.find(name), 0u) << entry.text;
    }
  }
  if (example.outcome.design == DesignRun::Reinforced) {
    // The interaction diagram lists the same bars; asked for a bar above the
    // limit it draws no curves.
    PMPlotWindow plot(nullptr, example.session, example.analysis, example.design, 1, 1, 0);
    EXPECT_EQ(plot.RebarList()->count(), static_cast<int>(entries.size()));
    const auto above = static_cast<int>(bars.size()) - 1;
    const PMPlotData data =
        ComputePMPlot(example.problem(), example.analysis, example.design.reinforced, 1, 1, above);
    EXPECT_EQ(data.spacing, 0.0f);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, BarLimitWindowTest,
    ::testing::Values(LimitCase{"retail-parapet-wall-si.cxl", "IBC 2000 2107.2.4", {"30M", "35M"}},
                      LimitCase{
                          "school-gym-parapet-mks.cxl", "IBC 2000 2108.9.2.1", {"30M", "35M"}},
                      LimitCase{"ibc-strength-wall.cxl", "IBC 2000 2108.9.2.1", {"#9"}}));

}  // namespace
}  // namespace calvix
