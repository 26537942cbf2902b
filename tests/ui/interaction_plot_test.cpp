// The interaction diagram window: its curves, design point and labels, the
// bar choice, and its printed page.
#include "ui/interaction_plot.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <cmath>

#include "design/section_properties.h"
#include "tests/ui/print_test_support.h"
#include "ui/print_dialog.h"

namespace calvix {
namespace {

using testing::SolvedExample;

// cmu-bearing-wall.cxl: ACI, 16 ft wall and 3 ft parapet of 8 in CMU with one
// layer of bars at 3.813 in, i.e. at the middle of the 7.625 in actual
// thickness, so d = d' and the diagram has two curves.
constexpr const char* kExample = "cmu-bearing-wall.cxl";

int FirstListedBar(SolvedExample& example, int part) {
  const auto entries = RebarEntries(example.problem(), example.design, DesignRun::Reinforced, part);
  EXPECT_FALSE(entries.empty());
  return entries.empty() ? 0 : entries.front().row;
}

TEST(InteractionPlotTest, ActualPairsAreTheStationsAndRepeatTheBase) {
  SolvedExample example(kExample, true);
  const int bar = FirstListedBar(example, 1);
  const PMPlotData data =
      ComputePMPlot(example.problem(), example.analysis, example.design.reinforced, 1, 3, bar);
  ASSERT_EQ(data.curveCount, 2);
  for (int i = 0; i < kCurvePointCount; ++i) {
    const std::size_t j = static_cast<std::size_t>(std::min(i, 10));
    EXPECT_EQ(data.P[0][static_cast<std::size_t>(i)], example.analysis.CombAxial[0][2][j]);
    EXPECT_EQ(data.M[0][static_cast<std::size_t>(i)],
              std::fabs(example.analysis.CombMoment[0][2][j]));
  }
}

TEST(InteractionPlotTest, WindCombinationRaisesTheAxialCapacityByTheStressIncrease) {
  SolvedExample example(kExample, true);
  const int bar = FirstListedBar(example, 1);
  ASSERT_FLOAT_EQ(example.entry().StressIncreaseFactor, 4.0f / 3.0f);
  const PMPlotData gravity =
      ComputePMPlot(example.problem(), example.analysis, example.design.reinforced, 1, 1, bar);
  const PMPlotData wind =
      ComputePMPlot(example.problem(), example.analysis, example.design.reinforced, 1, 2, bar);
  // Point 1 is Fa·Ae; Fa of combinations 2-5 is 4/3 of that of combination 1.
  EXPECT_NEAR(wind.P[1][0] / gravity.P[1][0], 4.0 / 3.0, 1e-5);
  EXPECT_GT(gravity.P[1][0], 0.0f);
}

TEST(InteractionPlotTest, AxialCapacityOfTheFirstBarByHand) {
  SolvedExample example(kExample, true);
  ASSERT_GT(example.design.reinforced.BarSpacing[0][0], 15.9f);  // #3 at 16 in
  ASSERT_LT(example.design.reinforced.BarSpacing[0][0], 16.1f);
  const PMPlotData data =
      ComputePMPlot(example.problem(), example.analysis, example.design.reinforced, 1, 1, 0);
  // Partially grouted 8 in CMU (t = 7.625 in, face shells 1.25 in), strip
  // b = 48 in, #3 at s = 16 in: bf = min(16, 6 x 8, 72) = 16 = s, so
  // bEff = 48 in; b' = 8 x 48 / 16 = 24 in;
  // Ae = (7.625 - 2 x 1.25) x 24 + 2 x 48 x 1.25 = 123 + 120 = 243 in^2.
  // h' = 16 ft = 192 in, r = 2.49 in, h'/r = 77.1:
  // Fa = 0.25 x 1500 x (1 - (77.1 / 140)^2) = 261.3 psi (ACI 530-99 2-13).
  // Point 1 of the allowable curve: Fa x Ae = 261.3 x 243 = 63,500 lb.
  EXPECT_NEAR(data.P[1][0], 63500.0f, 0.005f * 63500.0f);
  // As = 48 x 0.11 / 16 = 0.330 in^2.
  EXPECT_NEAR(data.AsFurnished, 0.330f, 1e-4f);
}

TEST(InteractionPlotTest, CombinationZeroIsShownAsCombinationOne) {
  SolvedExample example(kExample, true);
  const int bar = FirstListedBar(example, 1);
  const PMPlotData zero =
      ComputePMPlot(example.problem(), example.analysis, example.design.reinforced, 1, 0, bar);
  const PMPlotData one =
      ComputePMPlot(example.problem(), example.analysis, example.design.reinforced, 1, 1, bar);
  EXPECT_EQ(zero.combo, 1);
  EXPECT_EQ(zero.P, one.P);
  EXPECT_EQ(zero.M, one.M);
}

TEST(InteractionPlotTest, DesignPointIsTheSignWithTheLargerRatio) {
  SolvedExample example(kExample, true);
  const int bar = FirstListedBar(example, 1);
  for (int k = 1; k <= 5; ++k) {
    const PMPlotData data =
        ComputePMPlot(example.problem(), example.analysis, example.design.reinforced, 1, k, bar);
    const auto& a = example.analysis;
    if (data.ratioPositive > data.ratioNegative) {
      EXPECT_EQ(data.designMoment, a.CombMaxPosMoment[0][static_cast<std::size_t>(k - 1)]) << k;
      EXPECT_EQ(data.designAxial, a.CombAxialAtPosMoment[0][static_cast<std::size_t>(k - 1)]);
    } else {
      EXPECT_EQ(data.designMoment, a.CombMaxNegMoment[0][static_cast<std::size_t>(k - 1)]) << k;
      EXPECT_EQ(data.designAxial, a.CombAxialAtNegMoment[0][static_cast<std::size_t>(k - 1)]);
    }
  }
}

TEST(InteractionPlotTest, SteelOffCentreGivesThreeCurves) {
  SolvedExample example(kExample, true);
  const int bar = FirstListedBar(example, 1);
  // One layer 2 in from the face: d = 2.0, d' = 7.625 - 2.0 = 5.625 in.
  example.working().WallSteelDepth = 2.0f;
  const PMPlotData data =
      ComputePMPlot(example.problem(), example.analysis, example.design.reinforced, 1, 2, bar);
  ASSERT_EQ(data.curveCount, 3);
  EXPECT_EQ(PMLegendTexts(3),
            (std::vector<std::string>{"Actual P vs. M Curve", "Neg. Moment P vs. M",
                                      "Pos. Moment P vs. M"}));
  // Near pure flexure the deeper steel (d' for negative moment) carries more.
  EXPECT_GT(data.M[1][kCurvePointCount - 1], data.M[2][kCurvePointCount - 1]);
}

TEST(InteractionPlotTest, BarWithoutSpacingDrawsNothingAndShowsNA) {
  SolvedExample example(kExample, true);
  // A bar row outside the table has no spacing.
  const PMPlotData data =
      ComputePMPlot(example.problem(), example.analysis, example.design.reinforced, 1, 1, 99);
  EXPECT_EQ(data.curveCount, 0);
  const auto labels = PMResultLabels(example.problem(), data);
  ASSERT_EQ(labels.size(), 10u);
  EXPECT_EQ(labels[7], (std::pair<std::string, std::string>{"Rebar", "N/A   "}));
  EXPECT_EQ(labels[8].second, "N/A   ");
  PMPlotWindow window(nullptr, example.session, example.analysis, example.design, 1, 1, 99);
  EXPECT_EQ(window.RebarList()->currentIndex(), -1);
}

TEST(InteractionPlotTest, LabelsOfTheParapetAndChoosingAnotherBar) {
  SolvedExample example(kExample, true);
  const auto entries = RebarEntries(example.problem(), example.design, DesignRun::Reinforced, 2);
  ASSERT_GE(entries.size(), 2u);
  PMPlotWindow window(nullptr, example.session, example.analysis, example.design, 2, 2,
                      entries[0].row);
  const auto labels = PMResultLabels(example.problem(), window.Data());
  EXPECT_EQ(labels[0], (std::pair<std::string, std::string>{"Parapet Height", "3.00 ft"}));
  EXPECT_EQ(labels[1], (std::pair<std::string, std::string>{"Parapet Thick.", "8.00 in"}));
  EXPECT_EQ(labels[6].first, "Load Comb.");
  EXPECT_EQ(labels[7].second, entries[0].text);
  // The area values carry their unit, their captions none.
  EXPECT_EQ(labels[8].first, "Furnished As");
  EXPECT_EQ(labels[8].second.substr(labels[8].second.size() - 5), " in^2");
  EXPECT_EQ(labels[9].first, "Minimum As");

  window.RebarList()->setCurrentIndex(1);
  EXPECT_EQ(window.Data().bar, entries[1].row);
  const auto values = window.findChildren<QLabel*>();
  bool shown = false;
  for (const QLabel* label : values)
    shown = shown || label->text().toStdString() == entries[1].text;
  EXPECT_TRUE(shown);
}

TEST(InteractionPlotTest, ChangedInputDrawsAndPrintsNothingMore) {
  SolvedExample example(kExample, true);
  const auto entries = RebarEntries(example.problem(), example.design, DesignRun::Reinforced, 1);
  ASSERT_GE(entries.size(), 2u);
  PMPlotWindow window(nullptr, example.session, example.analysis, example.design, 1, 2,
                      entries[0].row);
  window.show();
  example.problem().Designed = false;  // a field was edited
  window.RebarList()->setCurrentIndex(1);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.Data().bar, entries[0].row);
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString((example.folder / "stale.pdf").string()));
  EXPECT_FALSE(window.PrintOn(printer));
  EXPECT_FALSE(std::filesystem::exists(example.folder / "stale.pdf"));
}

TEST(InteractionPlotTest, PrintedPageCarriesTheDataBlockAndTheDiagram) {
  SolvedExample example(kExample, true);
  const auto entries = RebarEntries(example.problem(), example.design, DesignRun::Reinforced, 2);
  ASSERT_FALSE(entries.empty());
  PMPlotWindow window(nullptr, example.session, example.analysis, example.design, 2, 2,
                      entries[0].row);
  const auto pdf = example.folder / "plot.pdf";
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(pdf.string()));
  ASSERT_TRUE(window.PrintOn(printer));
  QProcess process;
  process.start("pdftotext", QStringList{QString::fromStdString(pdf.string()), "-"});
  ASSERT_TRUE(process.waitForFinished(60000)) << "pdftotext (poppler-utils) must be installed";
  const std::string text = testing::Squeezed(process.readAllStandardOutput().toStdString());
  for (const char* expected :
       {"Calvix:  MASONRY WALL ANALYSIS AND DESIGN", "MASONRY WALL DATA:", "Parapet Height",
        "Nominal Parapet Thickness", "Depth to c.g. Steel, Parapet",
        "DESIGN LOADS:", "Axial Load - Moment Interaction Diagram", "Moment (ft-lbs)",
        "Actual P vs. M Curve", "Allowable P vs. M Curve"}) {
    EXPECT_NE(text.find(testing::Squeezed(expected)), std::string::npos) << expected;
  }
  EXPECT_EQ(text.find("Depth to c.g. Steel, Wall"), std::string::npos);
  EXPECT_NE(text.find(testing::Squeezed(entries[0].text)), std::string::npos);
}

}  // namespace
}  // namespace calvix
