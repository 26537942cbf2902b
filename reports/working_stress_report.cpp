#include "reports/working_stress_report.h"

#include <algorithm>
#include <cmath>

#include "analysis/load_combinations.h"
#include "design/interaction_curve.h"
#include "design/section_properties.h"
#include "model/interpolation.h"
#include "model/number_format.h"
#include "reports/minimum_steel.h"

namespace calvix {
namespace {

constexpr std::size_t U(int i) {
  return static_cast<std::size_t>(i);
}

// Two label/value lines whose values end in the same column.
std::array<std::string, 2> EndAligned(const std::string& label1, const std::string& value1,
                                      const std::string& label2, const std::string& value2) {
  const int end =
      std::max(TextWidth(label1) + TextWidth(value1), TextWidth(label2) + TextWidth(value2));
  std::string line1 = label1;
  std::string line2 = label2;
  PlaceRight(line1, end - 1, value1);
  PlaceRight(line2, end - 1, value2);
  return {line1, line2};
}

std::string MaterialTypeText(const std::string& material) {
  if (material == "CMU") return "Conc. Masonry Unit";
  if (material == "Clay") return "Clay Masonry Unit";
  if (material == "Brick") return "Two Wythe Brick";
  return ReportUserText(material);
}

std::string ComboLabel(const Problem& problem, int k) {
  return CombinationLabel(k, problem.entry.StressIncreaseFactor, false, problem.entry.LoadFactors)
      .Label;
}

// Unit texts of the printed station tables.
struct StationUnits {
  std::string distance, moment, force;
};

StationUnits StationUnitsOf(int unitsType) {
  switch (unitsType) {
    case 2:
      return {"Bot (m.)", "(N-m.)", "(N.)"};
    case 3:
      return {"Bot (m.)", "(Kg-m.)", "(Kg.)"};
    default:
      return {"Bot (ft)", "(ft-lb)", "(lbs)"};
  }
}

std::string StationDistance(const UnitText& u, const Problem& problem, int part, int j) {
  const float H = PartHeight(problem, part);
  return u.Number(static_cast<double>(H) * (10 - j) / 10.0, kLengthLong);
}

}  // namespace

std::string BarSizeLimitNote(const BarSizeLimit& limit) {
  if (!limit.Limits()) return "";
  return "Per " + limit.clause + ", bar size is limited to " + limit.largest;
}

std::string SectionPropertyText(const UnitText& u, double working, int power) {
  const double shown = working * std::pow(u.units().Factor(kLengthShort), power);
  if (!u.English()) return FormatNumber(shown, "0.00 E-00");
  const char* pattern = power == 2 ? "##0.00" : power == 3 ? "####0.00" : "#####0.0";
  return TrimLeft(FormatWide(shown, pattern));
}

std::string NotPermittedText(const BarSizeLimit& limit) {
  return "not permitted, " + limit.clause;
}

std::string StressFactorText(const Problem& problem, int combination) {
  return problem.entry.StressIncreaseFactor >= 1.01f && combination != 1 ? "4/3" : "1.0";
}

std::array<bool, kLoadCombinationCount> CombinationsOfPart(const Problem& problem,
                                                           const AnalysisResults& analysis,
                                                           int part) {
  const auto use = CombinationUseOfPart(problem, analysis.Seismic, part);
  std::array<bool, kLoadCombinationCount> on{};
  for (std::size_t i = 0; i < on.size(); ++i) on[i] = use[i] == CombinationUse::kUsed;
  return on;
}

std::vector<ResultRow> DimensionRows(const Problem& problem, bool unreinforcedMethod) {
  const WorkingForm& w = problem.working;
  const UnitText u(problem.units);
  const auto row = [&](const char* label, float value, int quantity) {
    return ResultRow{label, TrimLeft(u.Number(value, quantity)), u.Label(quantity)};
  };
  std::vector<ResultRow> rows{row("Wall Height", w.WallHeight, kLengthLong),
                              row("Wall Thickness", w.WallThickness, kLengthShort),
                              row("Wall c.g. Steel", w.WallSteelDepth, kLengthShort),
                              row("Parapet Height", w.ParapetHeight, kLengthLong),
                              row("Parapet Thickness", w.ParapetThickness, kLengthShort),
                              row("Parapet c.g. Steel", w.ParapetSteelDepth, kLengthShort),
                              row("Design Strip Width", w.StripWidth, kLengthShort)};
  rows.push_back({"Material Type", MaterialTypeText(problem.entry.MasonryMaterial), ""});
  const bool aci = problem.entry.DesignMethod == "ACI";
  std::string method;
  if (unreinforcedMethod) {
    method = std::string(aci ? "ACI 99 " : "IBC 2000 ") + "Working Stress ";
  } else {
    method = aci ? "ACI 530-99" : "IBC 2000 Working Stress";
  }
  rows.push_back({"Design Method", method, ""});
  return rows;
}

// --- Reinforced walls --------------------------------------------------------

ReinforcedSummary BuildReinforcedSummary(const Problem& problem, const AnalysisResults& analysis,
                                         const ReinforcedResults& results, int part) {
  const std::size_t p = PartIndex(part);
  const WorkingForm& w = problem.working;
  const UnitText u(problem.units);
  const auto value = [&](float v, int q) { return TrimLeft(u.Number(v, q)); };
  ReinforcedSummary summary;
  summary.rows = DimensionRows(problem, false);
  auto& rows = summary.rows;
  const int combo = results.GovCombo[p];
  const int shearCombo = results.GovShearCombo[p];
  const float k = StressFactorOf(problem, combo);
  const float kv = StressFactorOf(problem, shearCombo);
  rows.push_back(
      {"Seismic Force,|Fp", value(analysis.Seismic.SeismicLoad[p], kLineLoad), u.Label(kLineLoad)});
  rows.push_back(
      {"Design Moment,|Ms", value(results.GovMoment[p], kReportMoment), u.Label(kReportMoment)});
  rows.push_back({"Effective Height,|h'",
                  TrimLeft(u.Number(results.HPrime[p] / 12.0, kLengthLong, "###0.00")),
                  u.Label(kLengthLong)});
  rows.push_back({"Axial Load,|Ps", value(results.GovAxial[p], kForce), u.Label(kForce)});
  rows.push_back(
      {"h' / t Ratio", TrimLeft(FormatWide(results.SlendernessRatio[p], "###0.00")), ""});
  rows.push_back({"Load Combination", ComboLabel(problem, combo), ""});
  rows.push_back({"Adj. Fb =  " + StressFactorText(problem, combo) + " * Fb",
                  value(k * w.Fb, kMasonryStress), u.Label(kMasonryStress)});
  rows.push_back({"Design Shear,|Vs", value(results.GovShear[p], kForce), u.Label(kForce)});
  rows.push_back({"Adj. Fv =  " + StressFactorText(problem, shearCombo) + " * Fv",
                  value(kv * w.Fv, kMasonryStress), u.Label(kMasonryStress)});
  rows.push_back({"Load Combination", ComboLabel(problem, shearCombo), ""});

  ResultGrid& grid = summary.bars;
  grid.heads = {"Bar\rSize",
                "Fa, " + u.Label(kMasonryStress) + "\r(" + StressFactorText(problem, combo) +
                    " * .25 * f'm * R)",
                "fv, " + u.Label(kMasonryStress) + "\r(Vs / b' * d)",
                "Allowable Moment\r(at P = " + value(results.GovAxial[p], kForce) + " " +
                    u.Label(kForce) + ")",
                "Bar Spacing\r(" + u.Label(kLengthShort) + " o.c.)"};
  const auto& bars = problem.units.BarTable;
  for (std::size_t i = 0; i < bars.size(); ++i) {
    const float s = i < results.BarSpacing[p].size() ? results.BarSpacing[p][i] : 0.0f;
    if (i < results.BarPermitted[p].size() && !results.BarPermitted[p][i]) {
      grid.rows.push_back({bars[i].Name, NotPermittedText(results.BarLimit[p]), "", "", ""});
      continue;
    }
    if (s == 0.0f) {
      grid.rows.push_back({bars[i].Name, "    N/A          ", "", "", ""});
      continue;
    }
    grid.rows.push_back({bars[i].Name, value(k * results.BarFa[p][i], kMasonryStress),
                         value(results.BarShearStress[p][i], kMasonryStress),
                         value(results.BarAllowMoment[p][i], kReportMoment),
                         value(s, kLengthShort)});
  }
  return summary;
}

namespace {

// The property rows of a section shown in the results window.
void SectionRows(std::vector<ResultRow>& rows, const UnitText& u, float bEff, float bPrime,
                 float Ae, float Ig, float S) {
  const std::string len = u.Label(kLengthShort);
  rows.push_back({"Effective Width,|b", TrimLeft(u.Number(bEff, kLengthShort)), len});
  rows.push_back({"Effect. Core Width,|b'", TrimLeft(u.Number(bPrime, kLengthShort)), len});
  rows.push_back({"Solid Masonry Area,|Ae", SectionPropertyText(u, Ae, 2), len + "^2"});
  rows.push_back({"Moment of Inertia,|Ig", SectionPropertyText(u, Ig, 4), len + "^4"});
  rows.push_back({"Section Modulus,|S", SectionPropertyText(u, S, 3), len + "^3"});
}

std::vector<std::string> StationRow(const UnitText& u, const Problem& problem,
                                    const AnalysisResults& analysis, int part, int k, int j) {
  const std::size_t p = PartIndex(part);
  const std::size_t ks = U(k - 1);
  return {FormatWide(j, "##0"), TrimLeft(StationDistance(u, problem, part, j)),
          TrimLeft(u.Number(analysis.CombMoment[p][ks][U(j)], kReportMoment)),
          TrimLeft(u.Number(analysis.CombAxial[p][ks][U(j)], kForce)),
          TrimLeft(u.Number(analysis.CombShear[p][ks][U(j)], kForce))};
}

}  // namespace

WorkingStressDetailTables BuildReinforcedDetail(const Problem& problem,
                                                const AnalysisResults& analysis,
                                                const ReinforcedDetail& detail, int part, int k) {
  const UnitText u(problem.units);
  WorkingStressDetailTables tables;
  tables.stations.heads = {"No.", "Dist. From\rBot. (" + u.Label(kLengthLong) + ")",
                           "Moment\r(" + u.Label(kReportMoment) + ")",
                           "Axial\r(" + u.Label(kForce) + ")", "Shear\r(" + u.Label(kForce) + ")"};
  if (k < 1 || k > kLoadCombinationCount) return tables;
  for (int j = 0; j < kStationCount; ++j) {
    tables.stations.rows.push_back(StationRow(u, problem, analysis, part, k, j));
  }
  const StripSection& sec = detail.section;
  SectionRows(tables.properties, u, sec.bEff, sec.bPrime, sec.Ae, sec.Ig, sec.S);
  tables.properties.push_back({"Radius of Gyration,|r",
                               TrimLeft(u.Number(sec.r, kLengthShort, "##0.00")),
                               u.Label(kLengthShort)});
  tables.properties.push_back(
      {"Slenderness Factor,|h'/r", TrimLeft(FormatWide(sec.hOverR, "##0.00")), ""});
  const WorkingStresses& a = detail.allow[U(k - 1)];
  const std::string factor = StressFactorText(problem, k);
  const std::string stress = u.Label(kMasonryStress);
  tables.properties.push_back(
      {"Adj. Fa =  " + factor + " * Fa", TrimLeft(u.Number(a.Fa, kMasonryStress)), stress});
  tables.properties.push_back(
      {"Adj. Fb =  " + factor + " * Fb", TrimLeft(u.Number(a.Fb, kMasonryStress)), stress});
  tables.properties.push_back(
      {"Adj. Fv =  " + factor + " * Fv", TrimLeft(u.Number(a.Fv, kMasonryStress)), stress});
  return tables;
}

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
  const WorkingForm& w = problem.working;
  const UnitText u(problem.units);
  ReportLines out(document);

  const WallDepthsResult depths = WallDepths(problem, part);
  const float t = depths.t;
  const float d = depths.d;
  const float dPrime = std::fabs(depths.d - depths.dPrime) < 0.01f ? d : depths.dPrime;
  const float hPrime = EffectiveHeight(problem, part);
  const StripSection sec =
      SectionAtSpacing(problem, t, hPrime, EffectiveFlangeWidth(problem, s), s);
  const float As = StripSteelArea(problem, bar, s);
  const bool twoCurves = dPrime != d;
  const auto selected = CombinationsOfPart(problem, analysis, part);

  for (int diagram = 1; diagram <= 2; ++diagram) {
    const float f = diagram == 1 ? 1.0f : problem.entry.StressIncreaseFactor;
    const float Fa = sec.Fa * f;
    const float Fb = w.Fb * f;
    const float Fs = w.Fs * f;
    document.NewPage();
    out.Heading(diagram == 1 ? "MASONRY WALL INTERACTION DIAGRAM:  (DEAD + LIVE LOAD ONLY)"
                             : "MASONRY WALL INTERACTION DIAGRAM:  (WIND / SEISMIC LOADS)");
    const auto twoItems = [&](std::string left, const std::string& right) {
      const int width = TextWidth(left);
      if (width < 40) left.append(static_cast<std::size_t>(40 - width), ' ');
      out.Line(left + right);
    };
    const std::string areaText = AreaValue(u, sec.Ae, "##0.00");
    twoItems("Effective Wall Height = " + u.Value(hPrime / 12.0, kLengthLong),
             "   Solid Masonry Area,  Ae = " + areaText);
    twoItems("Actual Wall Thickness = " + u.Value(t, kLengthShort),
             "   All. Axial Stress,   Fa = " + u.Value(Fa, kMasonryStress));
    twoItems("Depth to c.g. Steel   = " + u.Value(d, kLengthShort),
             "   All. Bending Stress, Fb = " + u.Value(Fb, kMasonryStress));
    twoItems("Design Width          = " + u.Value(w.StripWidth, kLengthShort),
             "   All. Steel Stress,   Fs = " + u.Value(Fs, kSteelStress));
    out.Line("Reinforcing Design    = " + BarSpacingText(u, problem.units.BarTable[U(bar)], s));
    out.Empty();

    CurveInput input{Fs, Fb, Fa, t, d, sec.bPrime, sec.bEff, sec.Ae, sec.S, As, s};
    const InteractionCurve positive = BuildInteractionCurve(problem, input);
    InteractionCurve negative = positive;
    if (twoCurves) {
      input.d = dPrime;
      negative = BuildInteractionCurve(problem, input);
    }
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

// --- Reinforced report ------------------------------------------------------

void PrintReinforcedResults(ReportDocument& document, const Problem& problem,
                            const AnalysisResults& analysis, const ReinforcedResults& results,
                            const MethodReportCall& call) {
  const int part = call.part;
  const std::size_t p = PartIndex(part);
  const WorkingForm& w = problem.working;
  const UnitText u(problem.units);
  ReportLines out(document);
  const auto& bars = problem.units.BarTable;
  const int system = problem.units.UnitsType;
  const bool summaryOn =
      part == kParapet ? call.options[kParapetSummaryOption] : call.options[kMainSummaryOption];
  const bool casesOn =
      part == kParapet ? call.options[kParapetLoadCasesOption] : call.options[kMainLoadCasesOption];
  const int bar = call.choice;
  const bool barValid = bar >= 0 && U(bar) < bars.size() && U(bar) < results.BarSpacing[p].size();
  const float s = barValid && results.BarOffered(p, U(bar)) ? results.BarSpacing[p][U(bar)] : 0.0f;
  const int combo = results.GovCombo[p];

  if (summaryOn) {
    // The bar table.
    const bool mks = system == 3;
    out.Line("                                 All. Moment");
    out.Line(system == 1   ? " Bar     Fa, psi      fv, psi    @ Axial Load    Bar Spa."
             : system == 2 ? " Bar     Fa, MPa      fv, MPa    @ Axial Load    Bar Spa."
                           : " Bar     Fa, Kg/cm²  fv, Kg/cm²  @ Axial Load    Bar Spa.");
    std::string units = "Size";
    PlaceLeft(units, 31,
              "  (P=" + u.Number(results.GovAxial[p], kForce) +
                  (system == 1   ? " lb)"
                   : system == 2 ? " N)"
                                 : " Kg)"));
    PlaceLeft(units, 49, system == 1 ? "(in. o.c.)" : "(mm. o.c.)");
    out.Line(units);
    const float k = StressFactorOf(problem, combo);
    for (std::size_t i = 0; i < bars.size(); ++i) {
      std::string line = " " + BarColumnLabel(bars[i]);
      const float si = i < results.BarSpacing[p].size() ? results.BarSpacing[p][i] : 0.0f;
      if (i < results.BarPermitted[p].size() && !results.BarPermitted[p][i]) {
        line += "    " + NotPermittedText(results.BarLimit[p]);
      } else if (si == 0.0f) {
        line += "    N/A";
      } else {
        PlaceRight(line, mks ? 18 : 15, u.Number(k * results.BarFa[p][i], kMasonryStress));
        PlaceRight(line, mks ? 30 : 28, u.Number(results.BarShearStress[p][i], kMasonryStress));
        PlaceRight(line, 44, u.Number(results.BarAllowMoment[p][i], kReportMoment));
        PlaceRight(line, 55, u.Number(si, kLengthShort));
      }
      out.Line(line);
    }
    out.Empty();

    out.Heading("DESIGN LOADS:");
    out.Line("Moment,                       Ms = " + u.Value(results.GovMoment[p], kReportMoment));
    out.Line("Axial Load,                   Ps = " + u.Value(results.GovAxial[p], kForce));
    out.Line("Load Combination                 = " + ComboLabel(problem, combo));
    if (results.Eccentricity[p] >= 999.0f) {
      out.Line("Eccentricity at Moment,  e = M/P = N/A (no axial load)");
    } else {
      out.Line("Eccentricity at Moment,  e = M/P = " +
               u.Value(results.Eccentricity[p], kLengthShort));
    }
    for (const std::string& note : results.ZoneNote[p]) {
      if (!note.empty()) out.Line(note);
    }
    out.Line("Max. Shear,                   Vs = " + u.Value(results.GovShear[p], kForce));
    out.Line("Load Combination                 = " + ComboLabel(problem, results.GovShearCombo[p]));
    PrintCombinationUse(out, CombinationUseOfPart(problem, analysis.Seismic, part), 33);
    out.Empty();

    out.Heading("ANALYSIS RESULTS:");
    out.Line("Design Strip Width                          = " +
             u.Value(w.StripWidth, kLengthShort));
    out.Line("Actual Wall Thickness,                   t  = " +
             u.Value(results.Thickness[p], kLengthShort));
    out.Line("Effective Height,                        h' = " +
             u.Value(results.HPrime[p] / 12.0, kLengthLong));
    out.Line(SeismicForceLabel(part) + " " + u.Value(analysis.Seismic.SeismicLoad[p], kLineLoad));
    PrintMinimumSteel(out, problem, part);
    out.Empty();

    out.Heading("DESIGN RESULTS:");
    for (const std::string& note : WorkingStressSpacingNote(w.SeismicCategory, system == 1)) {
      out.Line(note);
    }
    if (problem.entry.DesignMethod == "IBC-W") {
      const std::string note = BarSizeLimitNote(results.BarLimit[p]);
      if (!note.empty()) out.Line(note);
    }
    if (barValid) PrintInteractionDiagram(document, problem, analysis, s, bar, part);
  }

  if (!casesOn || !barValid || s == 0.0f) return;
  const ReinforcedDetail detail = ComputeReinforcedDetail(problem, results, bar, part);
  const auto selected = CombinationsOfPart(problem, analysis, part);
  const StationUnits su = StationUnitsOf(system);
  for (int kc = 1; kc <= kLoadCombinationCount; ++kc) {
    if (!selected[U(kc - 1)]) continue;
    document.NewPage();
    out.Heading(part == kParapet ? "DETAILED RESULTS FOR PARAPET:"
                                 : "DETAILED RESULTS FOR MAIN WALL:");
    out.Line("       LOAD COMBINATION :  " + ComboLabel(problem, kc));
    out.Line("           REBAR DESIGN :  " + BarSpacingText(u, bars[U(bar)], s));
    out.Line("FURNISHED AREA OF STEEL :  " + AreaValue(u, detail.AsFurnished));
    out.Line("  MINIMUM AREA OF STEEL :  " + AreaValue(u, detail.AsMin));
    out.Empty();
    out.Line(" No.  Dist From     Mom.      Axial      Shear");
    std::string head = "";
    PlaceLeft(head, 6, su.distance);
    PlaceRight(head, 24, su.moment);
    PlaceRight(head, 34, su.force);
    PlaceRight(head, 45, su.force);
    out.Line(head);
    for (int j = 0; j < kStationCount; ++j) {
      const auto cells = StationRow(u, problem, analysis, part, kc, j);
      std::string line = AlignRight(cells[0], 4);
      PlaceRight(line, 13, cells[1]);
      PlaceRight(line, 24, cells[2]);
      PlaceRight(line, 34, cells[3]);
      PlaceRight(line, 45, cells[4]);
      out.Line(line);
    }
    out.Empty();
    const StripSection& sec = detail.section;
    const double f = problem.units.Factor(kLengthShort);
    const std::string len = u.Label(kLengthShort);
    out.Heading("WALL PROPERTIES:");
    out.Line("Effective Flange Width               bf = " + u.Value(sec.bf, kLengthShort));
    out.Line("Effective Grouted Core Width,        b' = " + u.Value(sec.bPrime, kLengthShort));
    out.Line("Solid Masonry Area,                  Ae = " + AreaValue(u, sec.Ae, "###0.00"));
    out.Line("Gross Moment of Inertia,             Ig = " +
             FormatWide(sec.Ig * f * f * f * f, u.English() ? "#####0.0" : "0.00 E-00") + " " +
             len + "^4");
    out.Line("Section Modulus,             S = 2*Ig/t = " +
             FormatWide(sec.S * f * f * f, u.English() ? "####0.00" : "0.00 E-00") + " " + len +
             "^3");
    out.Line("Radius of Gyration,                   r = " + u.Value(sec.r, kLengthShort));
    out.Line("Slenderness Factor,                h'/r = " + FormatWide(sec.hOverR, "###0.00"));
    out.Empty();
    const WorkingStresses& a = detail.allow[U(kc - 1)];
    out.Heading("ALLOWABLE STRESSES:");
    out.Line("Allowable Axial Stress,               Fa = " + u.Value(a.Fa, kMasonryStress));
    out.Line("Allowable Bending Stress,             Fb = " + u.Value(a.Fb, kMasonryStress));
    out.Line("Allowable Shear Stress,               Fv = " + u.Value(a.Fv, kMasonryStress));
    out.Line("Allowable Steel Stress,               Fs = " + u.Value(a.Fs, kSteelStress));
  }
}

// --- Unreinforced walls --------------------------------------------------------

UnreinforcedSummary BuildUnreinforcedSummary(const Problem& problem,
                                             const AnalysisResults& analysis,
                                             const UnreinforcedResults& results, int part) {
  const std::size_t p = PartIndex(part);
  const WorkingForm& w = problem.working;
  const UnitText u(problem.units);
  const auto value = [&](float v, int q) { return TrimLeft(u.Number(v, q)); };
  UnreinforcedSummary summary;
  summary.rows = DimensionRows(problem, true);
  auto& rows = summary.rows;
  const int combo = results.GovCombo[p];
  const int shearCombo = results.GovShearCombo[p];
  const std::string stress = u.Label(kMasonryStress);
  const std::string k = StressFactorText(problem, combo);
  const float kf = StressFactorOf(problem, combo);
  rows.push_back(
      {"Seismic Force,|Fp", value(analysis.Seismic.SeismicLoad[p], kLineLoad), u.Label(kLineLoad)});
  rows.push_back(
      {"Design Moment,|Ms", value(results.GovMoment[p], kReportMoment), u.Label(kReportMoment)});
  rows.push_back(
      {"Adj. Fb =  " + k + " * Fb", value(results.UnreinfFb[p], kMasonryStress), stress});
  rows.push_back({"Axial Load,|Ps", value(results.GovAxial[p], kForce), u.Label(kForce)});
  rows.push_back({"Adj. Fv =  " + StressFactorText(problem, shearCombo) + " * Fv",
                  value(results.UnreinfFv[p], kMasonryStress), stress});
  rows.push_back({"Load Combination", ComboLabel(problem, combo), ""});
  rows.push_back({"No Grout Ft = " + k + " * Ft", value(kf * w.FtNoGrout, kMasonryStress), stress});
  rows.push_back({"Max. Shear,|Vs", value(results.GovShear[p], kForce), u.Label(kForce)});
  rows.push_back(
      {"Solid Ft        = " + k + " * Ft", value(kf * w.FtSolidGrout, kMasonryStress), stress});
  rows.push_back({"Load Combination", ComboLabel(problem, shearCombo), ""});

  ResultGrid& grid = summary.cases;
  grid.heads = {"Grout\rSpacing",
                "  fa, " + stress + "\r(Ps / Ae)",
                "  fb, " + stress + "\r(Ms * 12 / S)",
                "  fv, " + stress + "\r(Vs*Q / I*b)",
                "  ft, " + stress + "\r(fa - fb)",
                "Comb. Stress\r(fa/Fa+fb/Fb)",
                "Pass / Fail"};
  for (int c = 0; c < results.GroutCaseCount; ++c) {
    const std::size_t ci = U(c);
    if (ci >= results.CaseFa[p].size()) break;
    grid.rows.push_back({results.GroutCaseLabel[ci], value(results.CaseFa[p][ci], kMasonryStress),
                         value(results.CaseFb[p][ci], kMasonryStress),
                         value(results.CaseShearStress[p][ci], kMasonryStress),
                         value(results.CaseNetStress[p][ci], kMasonryStress),
                         TrimLeft(FormatWide(results.CaseCSI[p][ci], "##0.000")),
                         results.CaseVerdict[p][ci]});
  }
  return summary;
}

WorkingStressDetailTables BuildUnreinforcedDetail(const Problem& problem,
                                                  const UnreinforcedDetail& detail, int part,
                                                  int k) {
  const UnitText u(problem.units);
  WorkingStressDetailTables tables;
  tables.stations.heads = {"No.",
                           "Dist. From\rBot. (" + u.Label(kLengthLong) + ")",
                           "Moment\r(" + u.Label(kReportMoment) + ")",
                           "Axial\r(" + u.Label(kForce) + ")",
                           "Shear\r(" + u.Label(kForce) + ")",
                           "  ft, \r(fa - fb)",
                           "Comb. Stress\r(fa/Fa+fb/Fb)",
                           "Pass /\rFail"};
  if (k < 1 || k > kLoadCombinationCount) return tables;
  const std::size_t ks = U(k - 1);
  for (int j = 0; j < kStationCount; ++j) {
    const UnreinforcedStation& st = detail.stations[ks][U(j)];
    tables.stations.rows.push_back(
        {FormatWide(j, "##0"), TrimLeft(u.Number(st.distance, kLengthLong)),
         TrimLeft(u.Number(st.M, kReportMoment)), TrimLeft(u.Number(st.P, kForce)),
         TrimLeft(u.Number(st.V, kForce)), TrimLeft(u.Number(st.ft, kMasonryStress)),
         TrimLeft(FormatWide(st.csi, "##0.000")), st.verdict});
  }
  const GroutCaseSection& sec = detail.section;
  const std::string len = u.Label(kLengthShort);
  tables.properties.push_back(
      {"Effective Width,|b", TrimLeft(u.Number(sec.bEff, kLengthShort)), len});
  tables.properties.push_back(
      {"Effect. Core Width,|b'", TrimLeft(u.Number(sec.bPrime, kLengthShort)), len});
  tables.properties.push_back({"Depth to c.g. steel,|d",
                               TrimLeft(u.Number(WallDepths(problem, part).d, kLengthShort)), len});
  tables.properties.push_back(
      {"Solid Masonry Area,|Ae", SectionPropertyText(u, sec.Ae, 2), len + "^2"});
  tables.properties.push_back(
      {"Moment of Inertia,|Ig", SectionPropertyText(u, sec.Ig, 4), len + "^4"});
  tables.properties.push_back({"Section Modulus,|S", SectionPropertyText(u, sec.S, 3), len + "^3"});
  tables.properties.push_back(
      {"Buckling Load,|Pe", TrimLeft(u.Number(sec.Pe, kForce)), u.Label(kForce)});
  const std::string factor = StressFactorText(problem, k);
  const std::string stress = u.Label(kMasonryStress);
  tables.properties.push_back({"Adj. Fa =  " + factor + " * Fa",
                               TrimLeft(u.Number(detail.Fa[ks], kMasonryStress)), stress});
  tables.properties.push_back({"Adj. Fb =  " + factor + " * Fb",
                               TrimLeft(u.Number(detail.Fb[ks], kMasonryStress)), stress});
  tables.properties.push_back({"Adj. Ft  =  " + factor + " * Ft",
                               TrimLeft(u.Number(detail.Ft[ks], kMasonryStress)), stress});
  tables.properties.push_back({"Adj. Fv =  " + factor + " * Fv",
                               TrimLeft(u.Number(detail.Fv[ks], kMasonryStress)), stress});
  return tables;
}

namespace {

// "Grouted Cells @ 16.00 in o.c." for a case with grouted cells; the solid
// and the ungrouted case by name.
std::string GroutCaseText(const Problem& problem, const UnreinforcedResults& results, int part,
                          int groutCase) {
  const std::size_t p = PartIndex(part);
  const int count = results.GroutCaseCount;
  if (groutCase == 0) return "Grouted Solid";
  if (!problem.working.SolidGrouted && groutCase == count - 1) return "No Grout";
  const UnitText u(problem.units);
  const float s =
      U(groutCase) < results.CaseSection[p].size() ? results.CaseSection[p][U(groutCase)].s : 0.0f;
  return "Grouted Cells @ " + TrimLeft(u.Number(s, kLengthShort)) + " " + u.Label(kLengthShort) +
         " o.c.";
}

}  // namespace

void PrintUnreinforcedResults(ReportDocument& document, const Problem& problem,
                              const AnalysisResults& analysis, const UnreinforcedResults& results,
                              const MethodReportCall& call) {
  const int part = call.part;
  const std::size_t p = PartIndex(part);
  const WorkingForm& w = problem.working;
  const UnitText u(problem.units);
  ReportLines out(document);
  const bool summaryOn =
      part == kParapet ? call.options[kParapetSummaryOption] : call.options[kMainSummaryOption];
  const bool casesOn =
      part == kParapet ? call.options[kParapetLoadCasesOption] : call.options[kMainLoadCasesOption];
  const int chosen = call.choice;
  const bool caseValid =
      chosen >= 0 && chosen < results.GroutCaseCount && U(chosen) < results.CaseSection[p].size();
  const std::string stress = u.Label(kMasonryStress);
  // Columns right of a stress head move by the extra width of a long stress
  // label (Kg/cm²), so that the values stay under their heads.
  const int shift = std::max(0, TextWidth(stress) - 3);
  const int combo = results.GovCombo[p];

  if (summaryOn) {
    std::string head = " Grout";
    PlaceRight(head, 16 + shift, "fa, " + stress);
    PlaceRight(head, 26 + 2 * shift, "fb, " + stress);
    PlaceRight(head, 39 + 3 * shift, "fv, " + stress);
    PlaceRight(head, 51 + 4 * shift, "ft, " + stress);
    PlaceRight(head, 67 + 4 * shift, "Comb. Stress");
    out.Line(head);
    head = "Spacing";
    PlaceRight(head, 15 + shift, "(P/Ae)");
    PlaceRight(head, 27 + 2 * shift, "(M*12/S)");
    PlaceRight(head, 40 + 3 * shift, "(VQ/Ib)");
    PlaceRight(head, 51 + 4 * shift, "(fa-fb)");
    PlaceRight(head, 67 + 4 * shift, "(fa/Fa+fb/Fb)");
    out.Line(head);
    for (int c = 0; c < results.GroutCaseCount && U(c) < results.CaseFa[p].size(); ++c) {
      const std::size_t ci = U(c);
      std::string line = TrimRight(results.GroutCaseLabel[ci]);
      PlaceRight(line, 16 + shift, u.Number(results.CaseFa[p][ci], kMasonryStress));
      PlaceRight(line, 26 + 2 * shift, u.Number(results.CaseFb[p][ci], kMasonryStress));
      PlaceRight(line, 39 + 3 * shift, u.Number(results.CaseShearStress[p][ci], kMasonryStress));
      PlaceRight(line, 51 + 4 * shift, u.Number(results.CaseNetStress[p][ci], kMasonryStress));
      PlaceRight(line, 64 + 4 * shift, FormatWide(results.CaseCSI[p][ci], "##0.000"));
      out.Line(line);
    }
    out.Empty();

    out.Heading("DESIGN LOADS:");
    out.Line("Moment,           Ms = " + u.Value(results.GovMoment[p], kReportMoment));
    out.Line("Axial Load,       Ps = " + u.Value(results.GovAxial[p], kForce));
    out.Line("Load Combination     = " + ComboLabel(problem, combo));
    out.Line("Max. Shear,       Vs = " + u.Value(results.GovShear[p], kForce));
    out.Line("Load Combination     = " + ComboLabel(problem, results.GovShearCombo[p]));
    PrintCombinationUse(out, CombinationUseOfPart(problem, analysis.Seismic, part), 21);
    out.Empty();

    out.Heading("ANALYSIS RESULTS:");
    out.Line("Design Strip Width                          = " +
             u.Value(w.StripWidth, kLengthShort));
    out.Line("Actual Wall Thickness,                    t = " +
             u.Value(results.Thickness[p], kLengthShort));
    out.Line("Effective Height,                        h' = " +
             u.Value(results.HPrime[p] / 12.0, kLengthLong));
    const double slenderness = results.Thickness[p] > 0.0f
                                   ? results.HPrime[p] / static_cast<double>(results.Thickness[p])
                                   : 0.0;
    out.Line("h'/t Ratio                                  = " + FormatWide(slenderness, "##0.00"));
    out.Line(SeismicForceLabel(part) + " " + u.Value(analysis.Seismic.SeismicLoad[p], kLineLoad));
    PrintMinimumSteel(out, problem, part);
    out.Empty();

    // Allowable stresses without and with the increase for wind or seismic
    // load; the tension of the grouting case detailed.
    const float f = problem.entry.StressIncreaseFactor;
    const float Ft = caseValid ? results.CaseSection[p][U(chosen)].Ft : w.FtNoGrout;
    // Each line names the factor it applies: 1.0 for dead and live load,
    // 4/3 (or 1.0 without the increase) with wind or seismic load.
    const std::string gravityFactor = StressFactorText(problem, 1);
    const std::string lateralFactor = StressFactorText(problem, 2);
    const auto allowable = [&](const std::string& label, float value) {
      const auto lines =
          EndAligned(label + gravityFactor + " * DL + LL Only   = ", u.Value(value, kMasonryStress),
                     std::string(static_cast<std::size_t>(TextWidth(label)), ' ') + lateralFactor +
                         " * Wind / Seismic = ",
                     u.Value(value * f, kMasonryStress));
      out.Line(lines[0]);
      out.Line(lines[1]);
    };
    allowable("All. Bending Stress, Fb:   ", w.Fb);
    allowable("All. Tensile Stress,   Ft: ", Ft);
    allowable("All. Shear Stress,     Fv: ", w.Fv);
    out.Empty();

    out.Heading("DESIGN RESULTS:");
    for (int c = 0; c < results.GroutCaseCount && U(c) < results.CaseVerdict[p].size(); ++c) {
      std::string line = GroutCaseText(problem, results, part, c);
      PlaceLeft(line, 34, ":  " + results.CaseVerdict[p][U(c)]);
      out.Line(line);
    }
  }

  if (!casesOn || !caseValid) return;
  const UnreinforcedDetail detail =
      ComputeUnreinforcedDetail(problem, analysis, results, chosen, part);
  const auto selected = CombinationsOfPart(problem, analysis, part);
  const StationUnits su = StationUnitsOf(problem.units.UnitsType);
  const GroutCaseSection& sec = detail.section;
  const double lf = problem.units.Factor(kLengthShort);
  const std::string len = u.Label(kLengthShort);
  for (int kc = 1; kc <= kLoadCombinationCount; ++kc) {
    if (!selected[U(kc - 1)]) continue;
    const std::size_t ks = U(kc - 1);
    document.NewPage();
    out.Heading(part == kParapet ? "DETAILED RESULTS FOR PARAPET:"
                                 : "DETAILED RESULTS FOR MAIN WALL:");
    out.Line("       LOAD COMBINATION :  " + ComboLabel(problem, kc));
    out.Line("            WALL DESIGN :  " + GroutCaseText(problem, results, part, chosen));
    out.Empty();
    std::string head = "No.";
    PlaceLeft(head, 5, "Dist From");
    PlaceRight(head, 21, "Mom.");
    PlaceRight(head, 31, "Axial");
    PlaceRight(head, 41, "Shear");
    PlaceRight(head, 51 + shift, "ft, " + stress);
    PlaceRight(head, 66 + shift, "Comb. Stress");
    PlaceLeft(head, 70 + shift, "Pass /");
    out.Line(head);
    head = "";
    PlaceLeft(head, 5, su.distance);
    PlaceRight(head, 22, su.moment);
    PlaceRight(head, 31, su.force);
    PlaceRight(head, 41, su.force);
    PlaceRight(head, 51 + shift, "(fa-fb)");
    PlaceRight(head, 67 + shift, "(fa/Fa+fb/Fb)");
    PlaceLeft(head, 70 + shift, "Fail");
    out.Line(head);
    for (int j = 0; j < kStationCount; ++j) {
      const UnreinforcedStation& st = detail.stations[ks][U(j)];
      std::string line = FormatWide(j, "##0");
      PlaceRight(line, 12, u.Number(st.distance, kLengthLong));
      PlaceRight(line, 22, u.Number(st.M, kReportMoment));
      PlaceRight(line, 31, u.Number(st.P, kForce));
      PlaceRight(line, 41, u.Number(st.V, kForce));
      PlaceRight(line, 51 + shift, u.Number(st.ft, kMasonryStress));
      PlaceRight(line, 64 + shift, FormatWide(st.csi, "##0.000"));
      PlaceLeft(line, 70 + shift, st.verdict);
      out.Line(line);
    }
    out.Empty();
    out.Heading("WALL PROPERTIES:");
    out.Line("Effective Flange Width,              bf = " + u.Value(sec.bEff, kLengthShort));
    out.Line("Effective Grouted Core Width,        b' = " + u.Value(sec.bPrime, kLengthShort));
    out.Line("Solid Masonry Area,                  Ae = " + AreaValue(u, sec.Ae, "###0.00"));
    out.Line("Gross Moment of Inertia,             Ig = " +
             FormatWide(sec.Ig * lf * lf * lf * lf, u.English() ? "#####0.0" : "0.00 E-00") + " " +
             len + "^4");
    out.Line("Section Modulus,         S = 2 * Ig / t = " +
             FormatWide(sec.S * lf * lf * lf, u.English() ? "####0.00" : "0.00 E-00") + " " + len +
             "^3");
    out.Line("Radius of Gyration,                   r = " +
             u.Number(sec.r, kLengthShort, u.English() ? "#0.000" : "###0.0") + " " + len);
    out.Line("Slenderness Factor,                h'/r = " + FormatWide(sec.hOverR, "##0.00"));
    out.Line("Critical Buckling Load,              Pe = " + u.Value(sec.Pe, kForce));
    out.Empty();
    out.Heading("ALLOWABLE STRESSES:");
    out.Line("Allowable Axial Stress,              Fa = " + u.Value(detail.Fa[ks], kMasonryStress));
    out.Line("Allowable Bending Stress,            Fb = " + u.Value(detail.Fb[ks], kMasonryStress));
    out.Line("Allowable Tensile Stress,            Ft = " + u.Value(detail.Ft[ks], kMasonryStress));
    out.Line("Allowable Shear Stress,              Fv = " + u.Value(detail.Fv[ks], kMasonryStress));
  }
}

}  // namespace calvix
