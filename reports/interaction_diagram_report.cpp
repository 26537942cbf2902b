#include <algorithm>
#include <cmath>

#include "analysis/load_combinations.h"
#include "analysis/wall_part.h"
#include "design/interaction_diagram.h"
#include "model/interpolation.h"
#include "reports/working_stress_report.h"
#include "reports/working_stress_text.h"

namespace calvix {

// --- Character interaction diagram --------------------------------------------

namespace {

constexpr int kPlotRows = 45;
constexpr int kPlotZeroColumn = 9;  // column of zero moment (1-based)
constexpr int kPlotWidth = 60;      // columns from zero moment to the largest moment
// With two curves the negative capacity is printed left of the positive one;
// both move right by this much so that they stay clear of the plot, which
// reaches column 9 + 60 = 69.
constexpr int kTwoCurveShift = 6;

// The capacity of a curve at an axial level: the points are scanned from the
// last for the first whose load is at or above the level, and the moment is
// interpolated between it and the next point. At the level of the last point
// (pure flexure, P = 0) that point's moment is taken: there is no point after
// it to read.
float CapacityAtLevel(const InteractionCurve& curve, float level) {
  for (int j = kCurvePointCount - 1; j >= 0; --j) {
    if (curve.P[U(j)] >= level) {
      if (j == kCurvePointCount - 1 || curve.P[U(j)] == level) return curve.M[U(j)];
      return InterpolateLinear(curve.P[U(j + 1)], curve.M[U(j + 1)], curve.P[U(j)], curve.M[U(j)],
                               level);
    }
  }
  return 0.0f;
}

int PlotColumn(double moment, double Mmax) {
  return kPlotZeroColumn + static_cast<int>(std::nearbyint(kPlotWidth * std::fabs(moment) / Mmax));
}

// A plot row holds only digits, blanks and marks, one byte a column; columns
// count from 1.
void Mark(std::string& row, int column, char mark) {
  if (column < 1) return;
  if (static_cast<int>(row.size()) < column) row.append(U(column) - row.size(), ' ');
  row[U(column - 1)] = mark;
}

void Write(std::string& row, int column, std::string_view text) {
  if (static_cast<int>(row.size()) < column - 1 + static_cast<int>(text.size())) {
    row.append(U(column - 1) + text.size() - row.size(), ' ');
  }
  row.replace(U(column - 1), text.size(), text);
}

// The largest plot column of the applied moments of the combinations at an
// axial level: pairs of adjacent stations from the base up whose axial loads
// bracket the level, the moment interpolated in the axial load. 0 when none.
int AppliedColumn(const AnalysisResults& analysis, std::size_t p,
                  const std::vector<int>& combinations, float level, double Mmax) {
  int best = 0;
  for (int k : combinations) {
    const auto& P = analysis.CombAxial[p][U(k - 1)];
    const auto& M = analysis.CombMoment[p][U(k - 1)];
    for (int j = kStationCount; j >= 2; --j) {
      const std::size_t a = U(j - 1);
      const std::size_t b = U(j - 2);
      float pa = P[a];
      const float pb = P[b];
      if (pa == pb) pa += 0.01f;
      if (level < std::min(pa, pb) || level > std::max(pa, pb)) continue;
      const float moment = InterpolateLinear(pb, M[b], pa, M[a], level);
      best = std::max(best, PlotColumn(moment, Mmax));
    }
  }
  return best;
}

}  // namespace

void PrintInteractionDiagram(ReportDocument& document, const Problem& problem,
                             const AnalysisResults& analysis, float s, int bar, int part) {
  if (s == 0.0f || bar < 0 || U(bar) >= problem.units.BarTable.size()) return;
  const std::size_t p = PartIndex(part);
  const UnitText u(problem.units);
  ReportLines out(document);
  const StripDiagram strip = ComputeStripDiagram(problem, part, bar, s);
  const bool twoCurves = strip.twoCurves;
  const auto selected = CombinationsOfPart(problem, analysis, part);

  for (int diagram = 1; diagram <= 2; ++diagram) {
    const LoadCaseCurves& curves = strip.cases[U(diagram - 1)];
    document.NewPage();
    out.Heading(diagram == 1 ? "MASONRY WALL INTERACTION DIAGRAM:  (DEAD + LIVE LOAD ONLY)"
                             : "MASONRY WALL INTERACTION DIAGRAM:  (WIND / SEISMIC LOADS)");
    const auto twoItems = [&](std::string left, const std::string& right) {
      const int width = TextWidth(left);
      if (width < 40) left.append(static_cast<std::size_t>(40 - width), ' ');
      out.Line(left + right);
    };
    const std::string areaText = AreaValue(u, strip.Ae, "##0.00");
    twoItems("Effective Wall Height = " + u.Value(strip.hPrime / 12.0, kLengthLong),
             "   Solid Masonry Area,  Ae = " + areaText);
    twoItems("Actual Wall Thickness = " + u.Value(strip.t, kLengthShort),
             "   All. Axial Stress,   Fa = " + u.Value(curves.Fa, kMasonryStress));
    twoItems("Depth to c.g. Steel   = " + u.Value(strip.d, kLengthShort),
             "   All. Bending Stress, Fb = " + u.Value(curves.Fb, kMasonryStress));
    twoItems("Design Width          = " + u.Value(problem.working.StripWidth, kLengthShort),
             "   All. Steel Stress,   Fs = " + u.Value(curves.Fs, kSteelStress));
    out.Line("Reinforcing Design    = " + BarSpacingText(u, problem.units.BarTable[U(bar)], s));
    out.Empty();

    const InteractionCurve& positive = curves.positive;
    const InteractionCurve& negative = curves.negative;
    double Mmax = 0.0;
    for (int j = 0; j < kCurvePointCount; ++j) {
      Mmax = std::max<double>(Mmax, positive.M[U(j)]);
      if (twoCurves) Mmax = std::max<double>(Mmax, negative.M[U(j)]);
    }
    if (!(Mmax > 0.0)) Mmax = 1.0;

    if (twoCurves) {
      std::string head;
      Write(head, 68 + kTwoCurveShift, "Moment");
      out.Line(head);
      head = " Axial";
      Write(head, 67 + kTwoCurveShift, "Neg.  Pos.");
      out.Line(head);
      head = "-------";
      Write(head, 67 + kTwoCurveShift, "----------");
      out.Line(head);
    } else {
      std::string head = " Axial";
      Write(head, 71, "Moment");
      out.Line(head);
      head = "-------";
      Write(head, 71, "------");
      out.Line(head);
    }

    std::vector<int> combinations;
    for (int k = diagram == 1 ? 1 : 2; k <= (diagram == 1 ? 1 : kLoadCombinationCount); ++k) {
      if (selected[U(k - 1)]) combinations.push_back(k);
    }
    const float P1 = positive.AxialCapacity();
    for (int r = 1; r <= kPlotRows; ++r) {
      const float level =
          static_cast<float>(static_cast<double>(P1) * (kPlotRows - r) / (kPlotRows - 1));
      const float mPos = CapacityAtLevel(positive, level);
      const float mNeg = twoCurves ? CapacityAtLevel(negative, level) : 0.0f;
      const int posColumn = PlotColumn(mPos, Mmax);
      const int negColumn = PlotColumn(mNeg, Mmax);
      std::string row = r % 2 == 1 ? u.Number(level, kForce, "#####0") + " |" : "       |";
      if (r == 1) {
        for (int c = 10; c < posColumn; c += 3) Mark(row, c, '+');
      }
      Mark(row, posColumn, '+');
      if (twoCurves && negColumn != posColumn) Mark(row, negColumn, 'x');
      const int applied = AppliedColumn(analysis, p, combinations, level, Mmax);
      if (applied > 8) Mark(row, applied, 'o');
      if (r % 2 == 1) {
        if (twoCurves) {
          Write(row, 66 + kTwoCurveShift, u.Number(mNeg, kMoment, "####0"));
          Write(row, 72 + kTwoCurveShift, u.Number(mPos, kMoment, "####0"));
        } else {
          Write(row, 72, u.Number(mPos, kMoment, "####0"));
        }
      }
      out.Line(TrimRight(row));
    }
    out.Line(std::string(6, ' ') + std::string(66, '-'));
    out.Empty();
    out.Line("      NOTES:  Axial Load = " + (u.English() ? std::string("Lb") : u.Label(kForce)) +
             ",    Moment = " + u.Label(kMoment));
    out.Line("              + = Moment Capacity");
    out.Line("              o = Applied Moment");
    out.Line("              + = Positive Moment,   x = Negative Moment");
    out.Line("              Positive moment is defined as moment which causes");
    out.Line("              compression on the outside face of wall.");
  }
}

}  // namespace calvix
