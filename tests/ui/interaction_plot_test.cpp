// The interaction diagram window: its curves, design point and labels, the
// bar choice, and its printed page.
#include "ui/interaction_plot.h"

#include <QPrinter>
#include <cmath>

#include "ui/print_dialog.h"
#include "window_fixture.h"

namespace calvix::ui::testing {
namespace {

// cmu-bearing-wall.cxl: ACI, 16 ft wall and 3 ft parapet of 8 in CMU with one
// layer of bars at 3.813 in, i.e. at the middle of the 7.625 in actual
// thickness, so d = d' and the diagram has two curves.
class InteractionPlotTest : public ::testing::Test {
 protected:
  PMPlotData Plot(int part, int combination, int bar) {
    return ComputePMPlot(example.problem(), example.analysis, example.design.reinforced, part,
                         combination, bar);
  }
  std::vector<RebarEntry> Entries(int part) {
    return RebarEntries(example.problem(), example.design, DesignRun::Reinforced, part);
  }
  std::unique_ptr<PMPlotWindow> Window(int part, int combination, int bar) {
    return std::make_unique<PMPlotWindow>(nullptr, example.session, example.analysis,
                                          example.design, part, combination, bar);
  }
  std::unique_ptr<QPrinter> PdfPrinter(const std::filesystem::path& pdf) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(pdf.string()));
    return printer;
  }

  SolvedExample example{"cmu-bearing-wall.cxl", true};
};

TEST_F(InteractionPlotTest, AxialCapacityOfTheFirstBarByHand) {
  const PMPlotData gravity = Plot(1, 1, 0);
  // Partially grouted 8 in CMU (t = 7.625 in, face shells 1.25 in), strip
  // b = 48 in, #3 at s = 16 in: bf = min(16, 6 x 8, 72) = 16 = s, so
  // bEff = 48 in; b' = 8 x 48 / 16 = 24 in;
  // Ae = (7.625 - 2 x 1.25) x 24 + 2 x 48 x 1.25 = 123 + 120 = 243 in^2.
  // h' = 16 ft = 192 in, r = 2.49 in, h'/r = 77.1:
  // Fa = 0.25 x 1500 x (1 - (77.1 / 140)^2) = 261.3 psi (ACI 530-99 2-13).
  // Point 1 of the allowable curve: Fa x Ae = 261.3 x 243 = 63,500 lb.
  EXPECT_NEAR(gravity.P[1][0], 63500.0f, 0.005f * 63500.0f);
  // As = 48 x 0.11 / 16 = 0.330 in^2.
  EXPECT_NEAR(gravity.AsFurnished, 0.330f, 1e-4f);
  // Fa of the wind combination 2 is 4/3 of that of combination 1.
  ASSERT_FLOAT_EQ(example.entry().StressIncreaseFactor, 4.0f / 3.0f);
  EXPECT_NEAR(Plot(1, 2, 0).P[1][0] / gravity.P[1][0], 4.0 / 3.0, 1e-5);
  // Combination 0 is shown as combination 1.
  const PMPlotData zero = Plot(1, 0, 0);
  EXPECT_EQ(zero.combo, 1);
  EXPECT_EQ(zero.P, gravity.P);
  EXPECT_EQ(zero.M, gravity.M);
}

TEST_F(InteractionPlotTest, LabelsOfTheParapetAndChoosingAnotherBar) {
  const auto entries = Entries(2);
  ASSERT_GE(entries.size(), 2u);
  auto window = Window(2, 2, entries[0].row);
  const auto labels = PMResultLabels(example.problem(), window->Data());
  // The area values carry their unit, their captions none.
  std::string shown;
  for (const auto& [caption, value] : labels) shown += caption + "=" + value + "|";
  EXPECT_EQ(shown.rfind("Parapet Height=3.00 ft|Parapet Thick.=8.00 in|", 0), 0u);
  EXPECT_NE(shown.find("|Load Comb.="), std::string::npos);
  EXPECT_NE(shown.find("|Rebar=" + entries[0].text + "|Furnished As="), std::string::npos);
  EXPECT_NE(shown.find(" in^2|Minimum As="), std::string::npos);
  window->RebarList()->setCurrentIndex(1);
  EXPECT_EQ(window->Data().bar, entries[1].row);
  const auto values = window->findChildren<QLabel*>();
  EXPECT_TRUE(std::any_of(values.begin(), values.end(), [&](const QLabel* label) {
    return label->text().toStdString() == entries[1].text;
  }));
}

TEST_F(InteractionPlotTest, ChangedInputDrawsAndPrintsNothingMore) {
  const auto entries = Entries(1);
  ASSERT_GE(entries.size(), 2u);
  auto window = Window(1, 2, entries[0].row);
  window->show();
  example.problem().Designed = false;  // a field was edited
  window->RebarList()->setCurrentIndex(1);
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(window->Data().bar, entries[0].row);
  EXPECT_FALSE(window->PrintOn(*PdfPrinter(example.folder / "stale.pdf")));
  EXPECT_FALSE(std::filesystem::exists(example.folder / "stale.pdf"));
}

TEST_F(InteractionPlotTest, PrintedPageCarriesTheDataBlockAndTheDiagram) {
  const auto entries = Entries(2);
  ASSERT_FALSE(entries.empty());
  const auto pdf = example.folder / "plot.pdf";
  ASSERT_TRUE(Window(2, 2, entries[0].row)->PrintOn(*PdfPrinter(pdf)));
  const std::string text = Squeezed(PdfText(pdf));
  for (const std::string expected : std::initializer_list<std::string>{
           "Calvix: MASONRY WALL ANALYSIS AND DESIGN", "MASONRY WALL DATA:", "Parapet Height",
           "Nominal Parapet Thickness", "Depth to c.g. Steel, Parapet",
           "DESIGN LOADS:", "Axial Load - Moment Interaction Diagram", "Moment (ft-lbs)",
           "Actual P vs. M Curve", "Allowable P vs. M Curve", Squeezed(entries[0].text)}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected;
  }
  EXPECT_EQ(text.find("Depth to c.g. Steel, Wall"), std::string::npos);
}

}  // namespace
}  // namespace calvix::ui::testing
