#include "reports/strength_report.h"

#include <algorithm>
#include <cmath>

#include "analysis/load_combinations.h"
#include "model/number_format.h"
#include "reports/working_stress_report.h"

namespace calvix {
namespace {

constexpr std::size_t U(int i) {
  return static_cast<std::size_t>(i);
}

std::string StrengthComboLabel(const Problem& problem, int k) {
  return CombinationLabel(k, problem.entry.StressIncreaseFactor, true, problem.entry.LoadFactors)
      .Label;
}

std::string MaterialText(const std::string& material) {
  if (material == "CMU") return "Conc. Masonry Unit";
  if (material == "Clay") return "Clay Masonry Unit";
  if (material == "Brick") return "Two Wythe Brick";
  return ReportUserText(material);
}

// The unit texts of the printed tables, by unit system.
struct StrengthUnitLines {
  const char* barTable;
  const char* stationTable;
};

StrengthUnitLines UnitLinesOf(int system) {
  switch (system) {
    case 2:
      return {"Size     (mm.)      (mm.)    (N-m.)     (N-m.)      (N.)    (mm. o.c.)",
              "     Bot (m.)   (N-m.)     (N.)      (N.)            (mm.)     (mm.)    (N-m.) "};
    case 3:
      return {"Size     (mm.)      (mm.)    (Kg-m.)    (Kg-m.)     (Kg.)   (mm. o.c.)",
              "     Bot (m.)   (Kg-m.)    (Kg.)     (Kg.)           (mm.)     (mm.)    (Kg-m.) "};
    default:
      return {"Size     (in.)      (in.)    (ft-lb)    (ft-lb)     (lbs)   (in. o.c.)",
              "     Bot (ft)   (ft-lb)    (lbs)     (lbs)           (in.)     (in.)    (ft-lb) "};
  }
}

// The spacing note of the strength report by seismic design category.
std::vector<std::string> StrengthSpacingNote(const std::string& category, bool english) {
  if (category == "Category A" || category == "Category B") {
    return {english ? "Max. vertical bar spacing is 72 inch per ACI 99 2.3.3.3 (commentary)"
                    : "Max. vertical bar spacing is 1830 mm per ACI 99 2.3.3.3 (commentary)",
            "IBC 2000 places no limits on bar spacing so ACI limits are assumed"};
  }
  if (category == "Category C") {
    return {english ? "Max. vertical bar spacing is 48 inch per IBC 2000 2106.4.1.3"
                    : "Max. vertical bar spacing is 1220 mm per IBC 2000 2106.4.1.3"};
  }
  if (category == "Category D" || category == "Category E" || category == "Category F") {
    return {english
                ? "Max. vertical bar spacing is 48 inch for running bond and 24 inch for stack bond"
                : "Max. vertical bar spacing is 1220 mm for running bond and 610 mm for stack bond",
            "per IBC 2000 2106.5.2"};
  }
  return {};
}

}  // namespace

StrengthSummaryTables StrengthSummary(const Problem& problem, const AnalysisResults& analysis,
                                      const StrengthResults& results, int part) {
  const std::size_t p = PartIndex(part);
  const WorkingForm& w = problem.working;
  const UnitText u(problem.units);
  const auto value = [&](double v, int q) { return TrimLeft(u.Number(v, q)); };
  StrengthSummaryTables tables;
  auto& dim = tables.dimensions;
  dim.push_back({"Wall Height", value(w.WallHeight, kLengthLong), u.Label(kLengthLong)});
  dim.push_back({"Wall Thickness", value(w.WallThickness, kLengthShort), u.Label(kLengthShort)});
  dim.push_back({"Wall c.g. Steel", value(w.WallSteelDepth, kLengthShort), u.Label(kLengthShort)});
  if (w.ParapetHeight > 0.0f) {
    dim.push_back({"Parapet Height", value(w.ParapetHeight, kLengthLong), u.Label(kLengthLong)});
    dim.push_back(
        {"Parapet Thickness", value(w.ParapetThickness, kLengthShort), u.Label(kLengthShort)});
    dim.push_back(
        {"Parapet c.g. Steel", value(w.ParapetSteelDepth, kLengthShort), u.Label(kLengthShort)});
  }
  dim.push_back({"Design Strip Width", value(w.StripWidth, kLengthShort), u.Label(kLengthShort)});
  dim.push_back({"Material Type", MaterialText(problem.entry.MasonryMaterial), ""});
  dim.push_back({"Design Method", "IBC 2000 Strength Design", ""});

  auto& an = tables.analysis;
  an.push_back(
      {"Seismic Force,|Fp", value(analysis.Seismic.SeismicLoad[p], kLineLoad), u.Label(kLineLoad)});
  an.push_back(
      {"Design Moment,|Mu", value(results.GovMoment[p], kReportMoment), u.Label(kReportMoment)});
  an.push_back({"h' / t Ratio", TrimLeft(FormatWide(results.SlendernessRatio[p], "##0.00")), ""});
  an.push_back({"Axial Load,|Pu", value(results.GovAxial[p], kForce), u.Label(kForce)});
  an.push_back({"Allowable Deflection,", value(results.AllowServiceDeflection[p], kDeflection),
                u.Label(kDeflection)});
  an.push_back({"Load Combination", StrengthComboLabel(problem, results.GovCombo[p]), ""});
  an.push_back({"Flexure Reduction,|ø", FormatNumber(kFlexurePhi, "0.00"), ""});
  an.push_back({"Design Shear,|Vu", value(results.GovShear[p], kForce), u.Label(kForce)});
  an.push_back({"Shear Reduction,|ø", FormatNumber(kShearPhi, "0.00"), ""});

  ResultGrid& grid = tables.bars;
  grid.heads = {"Bar\rSize",
                "Delta ser.\r(" + u.Label(kDeflection) + ")",
                "Delta ult.\r(" + u.Label(kDeflection) + ")",
                "Mu, P-Delta\r(" + u.Label(kReportMoment) + ")",
                "øMn\r(" + u.Label(kReportMoment) + ")",
                "øVn\r(" + u.Label(kForce) + ")",
                "Bar Spa.\r(" + u.Label(kLengthShort) + " o.c.)"};
  const auto& bars = problem.units.BarTable;
  for (std::size_t i = 0; i < bars.size(); ++i) {
    const float s = i < results.BarSpacing[p].size() ? results.BarSpacing[p][i] : 0.0f;
    if (i < results.BarPermitted[p].size() && !results.BarPermitted[p][i]) {
      grid.rows.push_back(
          {BarColumnLabel(bars[i]), NotPermittedText(results.BarLimit[p]), "", "", "", "", ""});
      continue;
    }
    if (s == 0.0f) {
      grid.rows.push_back(
          {BarColumnLabel(bars[i]), "      ", "      ", "      ", "      ", "      ", "N/A      "});
      continue;
    }
    grid.rows.push_back({BarColumnLabel(bars[i]), value(results.BarDeltaServ[p][i], kDeflection),
                         value(results.BarDeltaUlt[p][i], kDeflection),
                         value(results.BarMu[p][i], kReportMoment),
                         value(results.BarPhiMn[p][i], kReportMoment),
                         value(results.BarPhiVn[p][i], kForce), value(s, kLengthShort)});
  }
  return tables;
}

StrengthDetailGrids StrengthDetailTables(const Problem& problem,
                                         const StrengthDetailValues& detail) {
  const UnitText u(problem.units);
  const auto value = [&](double x, int q) { return TrimLeft(u.Number(x, q)); };
  StrengthDetailGrids grids;
  grids.stations.heads = {"No.",
                          "Dist. From\rBot. (" + u.Label(kLengthLong) + ")",
                          "Mu\r(" + u.Label(kReportMoment) + ")",
                          "Pu\r(" + u.Label(kForce) + ")",
                          "Vu\r(" + u.Label(kForce) + ")",
                          "Delta ser.\r(" + u.Label(kDeflection) + ")",
                          "Delta ult.\r(" + u.Label(kDeflection) + ")",
                          "Mu, P-Delta\r(" + u.Label(kReportMoment) + ")"};
  if (detail.s <= 0.0f) return grids;
  for (int j = 0; j < kStationCount; ++j) {
    const StrengthStation& st = detail.stations[U(j)];
    grids.stations.rows.push_back(
        {FormatNumber(j, "##0"), value(st.distance, kLengthLong), value(st.Mu, kReportMoment),
         value(st.Pu, kForce), value(st.Vu, kForce), value(st.DeltaServ, kDeflection),
         value(st.DeltaUlt, kDeflection), value(st.MuPDelta, kReportMoment)});
  }
  const std::string len = u.Label(kLengthShort);
  auto& rows = grids.properties;
  rows.push_back({"Effective Width,|b", value(detail.bEff, kLengthShort), len});
  rows.push_back({"Effect. Core Width,|b'", value(detail.bPrime, kLengthShort), len});
  rows.push_back({"Moment of Inertia,|Ig", SectionPropertyText(u, detail.Ig, 4), len + "^4"});
  rows.push_back({"Section Modulus,|S", SectionPropertyText(u, detail.S, 3), len + "^3"});
  rows.push_back(
      {"Modulus of Rupture,|fr", value(detail.fr, kMasonryStress), u.Label(kMasonryStress)});
  rows.push_back(
      {"Cracking Moment,|Mcr", value(detail.Mcr, kReportMoment), u.Label(kReportMoment)});
  rows.push_back({"As max.", value(detail.AsMax, kArea), u.Label(kArea)});
  rows.push_back({std::string("Axial Limit,  ") + (detail.slender ? "0.05 * f'm" : "0.20 * f'm"),
                  value((detail.slender ? 0.05 : 0.20) * problem.working.FmPrime, kMasonryStress),
                  u.Label(kMasonryStress)});
  rows.push_back({"Axial Stress,|fa", value(detail.fa, kMasonryStress), u.Label(kMasonryStress)});
  rows.push_back(
      {"Nominal Moment,|øMn", value(detail.PhiMn, kReportMoment), u.Label(kReportMoment)});
  rows.push_back({"Nominal Shear,|øVn", value(detail.PhiVn, kForce), u.Label(kForce)});
  return grids;
}

void PrintStrengthResults(ReportDocument& document, const Problem& problem,
                          const AnalysisResults& analysis, const StrengthResults& results,
                          const MethodReportCall& call) {
  const int part = call.part;
  const std::size_t p = PartIndex(part);
  const WorkingForm& w = problem.working;
  const UnitText u(problem.units);
  ReportLines out(document);
  const int system = problem.units.UnitsType;
  const bool english = system == 1;
  const StrengthUnitLines unitLines = UnitLinesOf(system);
  const auto& bars = problem.units.BarTable;
  const bool summaryOn =
      part == kParapet ? call.options[kParapetSummaryOption] : call.options[kMainSummaryOption];
  const bool casesOn =
      part == kParapet ? call.options[kParapetLoadCasesOption] : call.options[kMainLoadCasesOption];

  if (summaryOn) {
    out.Heading("DESIGN LOADS:  (Based On Statics)");
    out.Line("Design Moment,            Mu = " + u.Value(results.GovMoment[p], kReportMoment));
    out.Line("Axial Load,               Pu = " + u.Value(results.GovAxial[p], kForce));
    out.Line("Load Combination             = " + StrengthComboLabel(problem, results.GovCombo[p]));
    out.Line("Design Shear,             Vu = " + u.Value(results.GovShear[p], kForce));
    out.Line("Load Combination             = " +
             StrengthComboLabel(problem, results.GovShearCombo[p]));
    PrintCombinationUse(out, CombinationUseOfPart(problem, analysis.Seismic, part), 29);
    out.Empty();

    out.Heading("ANALYSIS RESULTS:");
    out.Line("Design Strip Width                          = " +
             u.Value(w.StripWidth, kLengthShort));
    const float nominal = part == kParapet ? w.ParapetThickness : w.WallThickness;
    out.Line("Actual Wall Thickness,                    t = " +
             u.Value(nominal - w.NominalMinusActual, kLengthShort));
    out.Line("Effective Height,                        h' = " +
             u.Value(results.EffectiveHeight[p] / 12.0, kLengthLong));
    out.Line("h'/t Ratio                                  = " +
             FormatWide(results.SlendernessRatio[p], "##0.00"));
    out.Line(SeismicForceLabel(part) + " " + u.Value(analysis.Seismic.SeismicLoad[p], kLineLoad));
    PrintMinimumSteel(out, problem, part);
    out.Empty();
    out.Line("Flexure Reduction Factor,                 ø =   0.80");
    out.Line("Shear Reduction Factor,                   ø =   0.60");
    out.Line("All. Service Load Deflection,      0.007*h' =" + std::string(" ") +
             u.Value(results.AllowServiceDeflection[p], kDeflection));
    out.Empty();

    out.Heading("DESIGN RESULTS:");
    out.Line("      |-------P-Delta Results--------|");
    out.Line("      |  Delta      Delta            |");
    out.Line(" Bar  | Service    Ultimate    Mu    |    øMn        øVn     Bar Spa.");
    out.Line(unitLines.barTable);
    const StrengthSummaryTables summary = StrengthSummary(problem, analysis, results, part);
    // Each value ends under the right edge of its head.
    constexpr std::array<int, 6> kRightEdges{13, 24, 35, 46, 56, 66};
    for (std::size_t i = 0; i < summary.bars.rows.size(); ++i) {
      const auto& row = summary.bars.rows[i];
      std::string line = "    " + row[0];
      const bool none = TrimRight(row[6]) == "N/A";
      if (i < results.BarPermitted[p].size() && !results.BarPermitted[p][i]) {
        PlaceLeft(line, 10, row[1]);
      } else if (none) {
        PlaceLeft(line, 64, "N/A");
      } else {
        for (std::size_t c = 0; c < kRightEdges.size(); ++c) {
          PlaceRight(line, kRightEdges[c], row[c + 1]);
        }
      }
      out.Line(line);
    }
    out.Empty();
    for (const std::string& note : StrengthSpacingNote(w.SeismicCategory, english)) out.Line(note);
    const std::string sizeNote = BarSizeLimitNote(results.BarLimit[p]);
    if (!sizeNote.empty()) out.Line(sizeNote);
  }

  if (!casesOn) return;
  const int bar = call.choice;
  if (bar < 0 || U(bar) >= bars.size() || !results.BarOffered(p, U(bar))) {
    return;
  }
  const auto selected = CombinationsOfPart(problem, analysis, part);
  const std::string len = u.Label(kLengthShort);
  const double f = problem.units.Factor(kLengthShort);
  const auto sectionValue = [&](double x, const char* english, int power) {
    const double shown = x * std::pow(f, power);
    std::string text;
    if (u.English()) {
      text = FormatWide(shown, english);
    } else if (power == 2) {
      text = FormatWide(shown, "#####0");  // mm^2, as the steel areas of the bar table
    } else {
      text = FormatNumber(shown, "0.00 E-00");
    }
    return text + " " + len + "^" + std::to_string(power);
  };
  for (int k = 1; k <= kLoadCombinationCount; ++k) {
    if (!selected[U(k - 1)]) continue;
    const StrengthDetailValues v = StrengthDetail(problem, analysis, results, k, bar, part);
    const StrengthDetailGrids grids = StrengthDetailTables(problem, v);
    document.NewPage();
    out.Heading(part == kParapet ? "DETAILED RESULTS FOR PARAPET:"
                                 : "DETAILED RESULTS FOR MAIN WALL:");
    out.Line("       LOAD COMBINATION :  " + StrengthComboLabel(problem, k));
    out.Line("           REBAR DESIGN :  " + BarSpacingText(u, bars[U(bar)], v.s));
    out.Line("FURNISHED AREA OF STEEL :  " + AreaValue(u, v.AsFurnished));
    out.Empty();
    out.Line(std::string(50, ' ') + "|------P-Delta Results-------|");
    out.Line("                                                  |  Delta     Delta           |");
    out.Line("No.  Dist From    Mu        Pu        Vu          | Service   Ultimate    Mu   |");
    out.Line(unitLines.stationTable);
    // Each value ends under the right edge of its head.
    constexpr std::array<int, 7> kRightEdges{12, 22, 31, 41, 57, 67, 78};
    for (const auto& row : grids.stations.rows) {
      std::string line = row[0];
      for (std::size_t c = 0; c < kRightEdges.size(); ++c) {
        PlaceRight(line, kRightEdges[c], row[c + 1]);
      }
      out.Line(line);
    }
    out.Empty();

    out.Heading("WALL AND MATERIAL PROPERTIES:");
    out.Line("Effective Flange Width                bf =  " + u.Value(v.bf, kLengthShort));
    out.Line("Effective Grouted Core Width,         b' =  " + u.Value(v.bPrime, kLengthShort));
    out.Line("Depth to c. g. Steel                   d =  " + u.Value(v.d, kLengthShort));
    out.Line("Modulus of Rupture,                   fr = " + u.Value(v.fr, kMasonryStress));
    out.Line("Gross Moment of Inertia,              Ig =  " + sectionValue(v.Ig, "#####0.0", 4));
    out.Line("Section Modulus,              S = 2*Ig/t =  " + sectionValue(v.S, "####0.00", 3));
    out.Line(std::string(problem.entry.UseAxialMcr ? "Cracking Moment,     Mcr = (fr + P/Ae)*S ="
                                                   : "Cracking Moment,            Mcr = fr * S =") +
             " " + u.Value(v.Mcr, kReportMoment));
    out.Empty();

    out.Heading("ANALYSIS RESULTS AT MAXIMUM FORCES:");
    out.Line(std::string(v.slender ? "Allowable Axial Limit,     Fa = 0.05*f'm = "
                                   : "Allowable Axial Limit,     Fa = 0.20*f'm = ") +
             u.Value((v.slender ? 0.05 : 0.20) * w.FmPrime, kMasonryStress));
    out.Line("Axial Stress,              fa = Pu/Ag    = " + u.Value(v.fa, kMasonryStress));
    out.Line("Minimum Area of Steel                    =  " + sectionValue(v.AsMin, "##0.000", 2));
    out.Line("Maximum Area of Steel, (IBC 2108.9.2.13) =  " + sectionValue(v.AsMax, "##0.000", 2));
    out.Line("Depth of Compression Block,            a =  " + u.Value(v.a, kLengthShort));
    out.Line("Cracked Moment of Inertia,           Icr =  " + sectionValue(v.Icr, "#####0.0", 4));
    out.Line("Nominal Moment Capacity,             øMn =" + std::string(" ") +
             u.Value(v.PhiMn, kReportMoment));
    out.Line("Nominal Shear, see IBC 2000 2108.9.3.5.2 = " + u.Value(v.PhiVn, kForce));
  }
}

}  // namespace calvix
