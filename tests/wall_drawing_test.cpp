#include "reports/wall_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "analysis/seismic_loads.h"
#include "model/convert_input.h"
#include "model/entry_fields.h"
#include "support/started_session.h"

namespace calvix {
namespace {

using testing::StartedSession;

WorkingForm WindRows(std::vector<std::string> types) {
  WorkingForm working;
  for (const std::string& type : types) {
    working.WindType.push_back(type);
    working.WindMagnitude.push_back(20.0f);
    working.WindStart.push_back(0.0f);
    working.WindEnd.push_back(10.0f);
  }
  return working;
}

bool HasText(const WallDrawing& drawing, const std::string& text) {
  return std::any_of(drawing.texts.begin(), drawing.texts.end(),
                     [&](const WallText& t) { return t.text == text; });
}

TEST(WallDrawingTest, CantileverIsDrawnWithoutItsParapet) {
  EXPECT_FALSE(DrawsParapet(2.0f, true));
  EXPECT_TRUE(DrawsParapet(2.0f, false));
  EXPECT_TRUE(DrawsParapet(0.01f, false));
  EXPECT_FALSE(DrawsParapet(0.0099f, false));
}

TEST(WallDrawingTest, CantileverWithATwoFootParapetHeightIsDrawnWithoutTheParapet) {
  StartedSession s;
  SetFieldValue(s.session, kWallHeightField, 12.0);
  SetFieldValue(s.session, kWallThicknessField, 8.0);
  s.entry().Cantilever = true;
  ConvertInput(s.session);
  // Set after the conversion, as a stale parapet height would arrive.
  s.working().ParapetHeight = 2.0f;
  WallDrawing drawing = PlotWallDrawing(s.problem(), SeismicResult{}, PlotWallOptions{});
  EXPECT_FALSE(drawing.outline.parapet);
  EXPECT_EQ(drawing.outline.size, 9);
  EXPECT_FALSE(HasText(drawing, WallValueLabel(2.0f, s.problem().units, kLengthLong)));
  // A cantilever has no floor / roof support at its top.
  EXPECT_FALSE(HasText(drawing, "Floor / Roof"));
  s.entry().Cantilever = false;
  WallDrawing supported = PlotWallDrawing(s.problem(), SeismicResult{}, PlotWallOptions{});
  EXPECT_TRUE(supported.outline.parapet);
  EXPECT_EQ(supported.outline.size, 6);
  EXPECT_TRUE(HasText(supported, WallValueLabel(2.0f, s.problem().units, kLengthLong)));
}

struct CountCase {
  float seismic;  // lb/ft on the main wall
  std::vector<std::string> types;
  int count;
  double left;
};

class LateralCountTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(LateralCountTest, CountAndLeftOffset) {
  const CountCase& c = GetParam();
  int count = LateralLoadCount(WindRows(c.types), c.seismic);
  EXPECT_EQ(count, c.count);
  EXPECT_EQ(LeftOffsetForCount(count), c.left);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LateralCountTest,
    ::testing::Values(
        // 0.005 lb/ft lies inside -0.01 ... 0.01: three "W" rows alone count 3.
        CountCase{0.005f, {"W", "W", "W"}, 3, 1305},
        // 50 lb/ft counts: 1 + 3 = 4.
        CountCase{50.0f, {"W", "W", "W"}, 4, 1815}, CountCase{-50.0f, {"H"}, 2, 1305},
        // A row of another type adds nothing.
        CountCase{0.0f, {"X", "W"}, 1, 1005}, CountCase{0.0f, {}, 0, 1005}));

TEST(WallDrawingTest, SeismicLoadsAreDrawnOnlyWhileASeismicCombinationIsActive) {
  StartedSession s;
  SetFieldValue(s.session, kWallHeightField, 16.0);
  SetFieldValue(s.session, kWallThicknessField, 8.0);
  SetFieldValue(s.session, kWallSteelDepthField, 3.813);
  SetFieldValue(s.session, kStripWidthField, 12.0);
  SetFieldValue(s.session, kWallWeightField, 50.0);
  ConvertInput(s.session);
  SeismicResult seismic;
  // 0.4 x 1.0 x SDS ... any load above 0.01 lb/ft counts as present.
  seismic.SeismicLoad = {12.5f, 0.0f};
  PlotWallOptions options;
  options.seismicActive = false;
  WallDrawing without = PlotWallDrawing(s.problem(), seismic, options);
  EXPECT_FALSE(without.seismicDrawn);
  // Still counted: one column, left offset 1005.
  EXPECT_EQ(without.lateralCount, 1);
  EXPECT_EQ(without.outline.left, 1005);
  options.seismicActive = true;
  WallDrawing with = PlotWallDrawing(s.problem(), seismic, options);
  EXPECT_TRUE(with.seismicDrawn);
  // 12.5 lb/ft is a line load along the wall.
  EXPECT_TRUE(HasText(with, "E = 12.50 plf"));
  EXPECT_GT(with.lines.size(), without.lines.size());
}

// Every load carries its true unit: the seismic load and "H" rows are line
// loads along the wall, "W" rows pressures.
TEST(WallDrawingTest, LoadLabelsCarryTheUnitOfTheirQuantityInEveryUnitSystem) {
  struct Case {
    int units;
    const char* seismic;
    const char* pressure;
    const char* line;
    const char* wRow;
    const char* hRow;
  };
  // 12.5 lb/ft = 182.4 N/m = 18.60 Kg/m; 20 psf = 0.958 kPa = 97.6 Kg/m²;
  // 20 lb/ft = 291.9 N/m = 29.76 Kg/m.
  const Case cases[] = {
      {1, "E = 12.50 plf", "20.0 psf", "20.00 plf", "W  20.00 psf  0.00 - 10.00 ft",
       "H  20.00 plf  at 0.00 ft"},
      {2, "E = 182.4 N/m", "0.958 kPa", "291.9 N/m", "W  20.00 kPa  0.00 - 10.00 m",
       "H  20.00 N/m  at 0.00 m"},
      {3, "E = 18.60 Kg/m", "97.6 Kg/m²", "29.76 Kg/m", "W  20.00 Kg/m²  0.00 - 10.00 m",
       "H  20.00 Kg/m  at 0.00 m"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.units);
    StartedSession s(static_cast<int16_t>(c.units));
    ConvertInput(s.session);
    Problem problem = s.problem();
    problem.working.WindType = {"W", "H"};
    problem.working.WindMagnitude = {20.0f, 20.0f};
    problem.working.WindStart = {0.0f, 5.0f};
    problem.working.WindEnd = {10.0f, 5.0f};
    SeismicResult seismic;
    seismic.SeismicLoad = {12.5f, 0.0f};
    PlotWallOptions options;
    options.seismicActive = true;
    WallDrawing drawing = PlotWallDrawing(problem, seismic, options);
    EXPECT_TRUE(HasText(drawing, c.seismic));
    EXPECT_TRUE(HasText(drawing, c.pressure));
    EXPECT_TRUE(HasText(drawing, c.line));
    const std::array<std::string, kWindColumnCount> w{"W", "20.00", "0.00", "10.00"};
    const std::array<std::string, kWindColumnCount> h{"H", "20.00", "0.00", "0.00"};
    EXPECT_EQ(WindRowLabel(w, problem.units), c.wRow);
    EXPECT_EQ(WindRowLabel(h, problem.units), c.hRow);
  }
}

TEST(WallDrawingTest, DimensionLabelsCarryDisplayValuesAndUnits) {
  StartedSession s(2);  // S.I.: heights in m, thicknesses in mm
  SetFieldValue(s.session, kWallHeightField, 4.877);
  SetFieldValue(s.session, kWallThicknessField, 203.2);
  SetFieldValue(s.session, kWallSteelDepthField, 101.6);
  ConvertInput(s.session);
  WallDrawing drawing = PlotWallDrawing(s.problem(), SeismicResult{}, PlotWallOptions{});
  // 4.877 m is kept as 16.0007 ft and shown back in m.
  std::string height = WallValueLabel(s.working().WallHeight, s.problem().units, kLengthLong);
  EXPECT_EQ(height.substr(0, 5), "4.877") << height;
  EXPECT_TRUE(HasText(drawing, height));
  EXPECT_TRUE(HasText(drawing, "t = " + WallValueLabel(s.working().WallThickness, s.problem().units,
                                                       kLengthShort)));
  // Within the drawing's extent.
  for (const WallLine& line : drawing.lines) {
    EXPECT_GE(std::min(line.x1, line.x2), drawing.left);
    EXPECT_LE(std::max(line.x1, line.x2), drawing.right);
    EXPECT_LE(std::max(line.y1, line.y2), drawing.bottom);
  }
}

TEST(WallDrawingTest, OverlappingWindRowsStartANewColumnFurtherLeft) {
  StartedSession s;
  SetFieldValue(s.session, kWallHeightField, 20.0);
  SetFieldValue(s.session, kWallThicknessField, 8.0);
  auto& wind = s.entry().Wind;
  wind[0] = {"W", "20.00", "0.00", "10.00"};
  wind[1] = {"W", "15.00", "10.00", "20.00"};  // only touches row 1: same column
  wind[2] = {"W", "10.00", "5.00", "15.00"};   // overlaps: a new column
  ConvertInput(s.session);
  WallDrawing drawing = PlotWallDrawing(s.problem(), SeismicResult{}, PlotWallOptions{});
  // Count 3: left offset 1305; the columns' back lines at 1305 + 900 and 495 further left.
  std::vector<double> backs;
  for (const WallLine& line : drawing.lines) {
    if (line.x1 == line.x2 && std::abs(line.y1 - line.y2) > 400 && line.x1 < 1305 + 1000) {
      backs.push_back(line.x1);
    }
  }
  std::sort(backs.begin(), backs.end());
  backs.erase(std::unique(backs.begin(), backs.end()), backs.end());
  EXPECT_EQ(backs, (std::vector<double>{1305 + 900 - 495, 1305 + 900}));
}

}  // namespace
}  // namespace calvix
