#include <algorithm>

#include "analysis/load_combinations.h"
#include "analysis/wall_part.h"
#include "design/section_properties.h"
#include "reports/working_stress_report.h"
#include "reports/working_stress_text.h"

namespace calvix {

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
                                                  const UnreinforcedDetail& detail, int k) {
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
  tables.properties.push_back(
      {"Depth to c.g. steel,|d", TrimLeft(u.Number(detail.d, kLengthShort)), len});
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
