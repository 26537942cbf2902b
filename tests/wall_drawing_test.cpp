// The picture of the wall: when the parapet and the seismic load are drawn,
// the lateral load columns, the value labels in every unit system, and whole
// drawings against their checked-in copies.
#include "reports/wall_drawing.h"

#include <gtest/gtest.h>

#include <sstream>

#include "files/file_commands.h"
#include "model/convert_input.h"
#include "model/entry_fields.h"
#include "support/report_fixtures.h"
#include "support/started_session.h"

namespace calvix {
namespace {

using namespace testing;

TEST(WallDrawingTest, ParapetSeismicLoadAndLateralCount) {
  EXPECT_FALSE(DrawsParapet(2.0f, true));  // a cantilever is drawn without its parapet
  EXPECT_TRUE(DrawsParapet(0.01f, false));
  EXPECT_FALSE(DrawsParapet(0.0099f, false));
  EXPECT_FALSE(SeismicLoadPresent(0.01f));
  EXPECT_TRUE(SeismicLoadPresent(0.0101f));
  EXPECT_TRUE(SeismicLoadPresent(-0.0101f));
  // 1 for a present seismic load plus 1 for each "W" or "H" row; the left
  // offset: 0-1 1005, 2-3 1305, 4 or more 1815.
  WorkingForm working;
  working.WindType = {"W", "X", "H"};
  EXPECT_EQ(LateralLoadCount(working, 0.005f), 2);
  EXPECT_EQ(LateralLoadCount(working, -50.0f), 3);
  for (const auto& [count, left] : {std::pair{1, 1005.0}, {2, 1305.0}, {3, 1305.0}, {4, 1815.0}}) {
    EXPECT_EQ(LeftOffsetForCount(count), left) << count;
  }
  // The load panel lines of the main window: "W" rows are pressures, "H"
  // rows line loads (MKS: Kg/m² and Kg/m).
  const StartedSession mks(3);
  EXPECT_EQ(WindRowLabel({"W", "20.00", "0.00", "10.00"}, mks.session.problem.units),
            "W  20.00 Kg/m²  0.00 - 10.00 m");
  EXPECT_EQ(WindRowLabel({"H", "20.00", "0.00", "0.00"}, mks.session.problem.units),
            "H  20.00 Kg/m  at 0.00 m");
}

std::string Described(const WallDrawing& d) {
  std::ostringstream out;
  const WallOutline& o = d.outline;
  out << "outline " << o.parapet << " " << o.left << " " << o.wallLeft << " " << o.wallRight << " "
      << o.parapetRight << " " << o.parapetTop << " " << o.wallTop << " " << o.base << " " << o.size
      << "\ncount " << d.lateralCount << " seismic " << d.seismicDrawn << " extent " << d.left
      << " " << d.right << " " << d.bottom << "\n";
  for (const WallLine& l : d.lines) {
    out << "line " << l.x1 << " " << l.y1 << " " << l.x2 << " " << l.y2 << " " << l.width << "\n";
  }
  for (const WallText& t : d.texts) {
    out << "text " << t.x << " " << t.y << " " << static_cast<int>(t.align) << " " << t.vertical
        << " " << t.text << "\n";
  }
  return out.str();
}

// Whole drawings against tests/data/reports/drawing-<name>.txt: shipped
// examples with their loads, a cantilever with a stale parapet height (drawn
// without it, and without the floor / roof support), overlapping wind rows
// (a new column further left), and the two schematics of the main window.
TEST(WallDrawingTest, DrawingsMatchTheirCheckedInCopies) {
  for (const char* name : {"cmu-bearing-wall", "retaining-cantilever-si", "school-gym-parapet-mks",
                           "warehouse-parapet-all-cases", "clay-library-wall-fixed"}) {
    for (bool seismic : {false, true}) {
      ExampleSession s(Example(std::string(name) + ".cxl"));
      ConvertInput(s.session);
      if (std::string(name) == "retaining-cantilever-si") s.working().ParapetHeight = 2.0f;
      if (std::string(name) == "warehouse-parapet-all-cases") {
        s.working().WindType = {"W", "W", "W", "H"};
        s.working().WindMagnitude = {20.0f, 15.0f, 10.0f, 150.0f};
        s.working().WindStart = {0.0f, 10.0f, 5.0f, 8.0f};  // row 2 only touches row 1
        s.working().WindEnd = {10.0f, 20.0f, 15.0f, 8.0f};
        s.working().FloorEccentricity = 0.0f;  // a concentric roof load is drawn to the right
      }
      SeismicResult loads;
      loads.SeismicLoad = {12.5f, -3.0f};
      const std::string text = Described(PlotWallDrawing(s.problem(), loads, {270, 2, seismic}));
      const std::string file =
          std::string("tests/data/reports/drawing-") + name + (seismic ? "-seismic" : "") + ".txt";
      EXPECT_EQ(text, ExpectedText(SourcePath(file), text)) << file;
    }
  }
  for (bool cantilever : {false, true}) {
    const std::string text = Described(WallDimensionsSchematic(cantilever)) +
                             Described(WallLoadsSchematic(cantilever, 300));
    const std::string file = std::string("tests/data/reports/drawing-schematics-") +
                             (cantilever ? "cantilever" : "supported") + ".txt";
    EXPECT_EQ(text, ExpectedText(SourcePath(file), text)) << file;
  }
}

}  // namespace
}  // namespace calvix
