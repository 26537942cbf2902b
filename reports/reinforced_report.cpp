
#include "analysis/load_combinations.h"
#include "analysis/wall_part.h"
#include "reports/working_stress_report.h"
#include "reports/working_stress_text.h"

namespace calvix {

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

}  // namespace calvix
