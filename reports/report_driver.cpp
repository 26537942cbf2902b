#include "reports/report_driver.h"

#include <cmath>
#include <exception>
#include <iomanip>
#include <locale>
#include <sstream>
#include <stdexcept>
#include <string_view>

#include "analysis/seismic_loads.h"
#include "analysis/wall_part.h"
#include "model/errors.h"
#include "model/number_format.h"
#include "reports/report_format.h"

namespace calvix {
namespace {

std::string RightTrimmed(std::string_view text) {
  const std::size_t last = text.find_last_not_of(' ');
  return std::string(last == std::string_view::npos ? std::string_view{}
                                                    : text.substr(0, last + 1));
}

std::string Filled(std::string_view text) {
  return std::string(kFillMark) + std::string(text) + std::string(kFillMark) +
         std::string(kLineEndMark);
}

// Writes the lines of the input-data echo.
class InputDataEcho {
 public:
  InputDataEcho(ReportDocument& document, const Problem& problem)
      : document_(document), units_(problem.units) {}

  void Line(std::string_view text) {
    document_.PrintLine(std::string(text) + std::string(kLineEndMark));
  }
  void Empty() { Line(""); }
  void Heading(std::string_view text) {
    Line(text);
    Empty();
  }
  void Text(std::string_view label, std::string_view value) {
    Line(std::string(label) + ReportUserText(value));
  }
  // A working value shown in the unit system: converted, formatted with the
  // pattern of its quantity and followed by the unit label.
  void Value(std::string_view label, float working, int quantity) {
    Line(std::string(label) + Converted(working, quantity) + " " + UnitLabel(quantity));
  }
  // A depth to the steel or the nominal - actual thickness: three decimals in
  // U.S. units, as their entry fields show them; the length pattern otherwise.
  void Depth(std::string_view label, float working) {
    if (units_.UnitsType != 1) {
      Value(label, working, kLengthShort);
    } else {
      const double display =
          static_cast<double>(working) * static_cast<double>(units_.Factor(kLengthShort));
      Line(std::string(label) + FormatFixed(display, "#0.000") + " " + UnitLabel(kLengthShort));
    }
  }
  void Number(std::string_view label, double value, std::string_view pattern,
              std::string_view suffix = "") {
    Line(std::string(label) + FormatFixed(value, pattern) + std::string(suffix));
  }

  std::string Converted(float working, int quantity) const {
    // A pattern is stored right-aligned in its slot; the slot is the width.
    return FormatFixed(static_cast<double>(working) * static_cast<double>(units_.Factor(quantity)),
                       units_.Pattern(quantity));
  }
  std::string UnitLabel(int quantity) const { return RightTrimmed(units_.Label(quantity)); }

 private:
  ReportDocument& document_;
  const UnitSystem& units_;
};

std::string DesignMethodText(const std::string& method) {
  if (method == "ACI") return "ACI 530-99: Working Stress Design";
  if (method == "IBC-W") return "IBC 2000:  Working Stress Design";
  if (method == "IBC-S") return "IBC 2000:  Ultimate Strength Design";
  return ReportUserText(method);
}

std::string MasonryMaterialText(const std::string& material) {
  if (material == "CMU") return "Hollow Core Concrete Masonry Units";
  if (material == "Clay") return "Hollow Core Clay Masonry Units";
  if (material == "Brick") return "Two Wythe Brick";
  return ReportUserText(material);
}

std::string MortarTypeText(const std::string& type) {
  if (type == "M") return "Type M";
  if (type == "S") return "Type S";
  if (type == "N") return "Type N";
  return ReportUserText(type);
}

std::string MortarMaterialText(const std::string& material) {
  if (material == "PCL") return "Portland Cement Lime Mortar";
  if (material == "Masonry") return "Masonry Cement Mortar";
  return ReportUserText(material);
}

std::string SupportText(const EntryForm& entry) {
  std::string support = ReportUserText(entry.SupportType);
  if (entry.SupportType == "Partially Fixed") {
    support = std::to_string(entry.PercentFixed) + "%, " + support;
  }
  return support + " Support";
}

// Whether the site coefficient is the engineer's own: "Class F", and "Class E"
// above 1.0 g.
bool UserSiteCoefficientApplies(const WorkingForm& working) {
  if (working.SiteClass == "Class F") return true;
  return working.SiteClass == "Class E" && std::fabs(working.Ss / 100.0f) > 1.0f;
}

// The wind table as the entry grid has it: a "W" row's magnitude is a
// pressure on the wall, an "H" row's a line load along the wall. Both
// magnitudes end at one right edge, each with its own quantity's decimals.
constexpr int kWindMagnitudeEnd = 24;  // 0-based column of the magnitudes' last digit

std::string WindLoadHeadLine(const UnitText& u) {
  std::string line = "     W or H";
  PlaceRight(line, kWindMagnitudeEnd + 1,
             "(" + u.Label(kWindPressure) + ", " + u.Label(kLineLoad) + ")");
  PlaceLeft(line, 29, "Start      End");
  return line;
}

void PrintWindTable(InputDataEcho& echo, const Problem& problem) {
  const WorkingForm& w = problem.working;
  const UnitText u(problem.units);
  echo.Heading("WIND LOADS:");
  echo.Line("                             Distance From");
  echo.Line("      Load       Magnitude   Base of Wall (" + std::string(u.English() ? "ft" : "m.") +
            ")");
  echo.Line(WindLoadHeadLine(u));
  echo.Line("    ----------------------------------------");
  const int rows = w.WindRowCount();
  for (int r = 1; r <= rows; ++r) {
    const auto i = static_cast<size_t>(r - 1);
    if (w.WindType[i].empty()) continue;
    const int magnitudeQuantity = w.WindType[i] == "W" ? kWindPressure : kLineLoad;
    std::string row = SingleToSignedText(static_cast<float>(r));
    PlaceLeft(row, 7, ReportUserText(w.WindType[i]));
    PlaceRight(row, kWindMagnitudeEnd, TrimLeft(u.Number(w.WindMagnitude[i], magnitudeQuantity)));
    PlaceRight(row, 33, TrimLeft(echo.Converted(w.WindStart[i], kLengthLong)));
    PlaceRight(row, 44, TrimLeft(echo.Converted(w.WindEnd[i], kLengthLong)));
    echo.Line(row);
  }
  for (int r = rows + 1; r <= kWindRowCount; ++r) {
    echo.Line(SingleToSignedText(static_cast<float>(r)));
  }
  echo.Empty();
  echo.Line("Notes:  1. \"W\" designates a uniform distributed wind load.");
  echo.Line("           \"H\" designates a concentrated horizontal wind load.");
  echo.Line("        2.  Horizontal loads are positive to the right.");
}

const MethodReport* MethodReportOf(const std::string& method, bool reinforced,
                                   const ReportHooks& hooks) {
  if (method == "IBC-S") return &hooks.strength;
  if (method == "ACI" || method == "IBC-W") {
    return reinforced ? &hooks.reinforced : &hooks.unreinforced;
  }
  return nullptr;
}

}  // namespace

MethodReport NamedMethodReport(MethodReport report, std::string routine, std::string form) {
  return [report = std::move(report), routine = std::move(routine), form = std::move(form)](
             ReportDocument& document, const MethodReportCall& call) {
    try {
      report(document, call);
    } catch (const MethodReportFailure&) {
      throw;
    } catch (const std::exception& error) {
      const auto* known = dynamic_cast<const CalvixError*>(&error);
      throw MethodReportFailure(known != nullptr ? known->number() : 0, error.what(), routine,
                                form);
    }
  };
}

ReportStamp MakeReportStamp(const std::tm& localTime) {
  const int hour = localTime.tm_hour % 12 == 0 ? 12 : localTime.tm_hour % 12;
  std::ostringstream time;
  time << std::setfill('0') << std::setw(2) << hour << ':' << std::setw(2) << localTime.tm_min
       << (localTime.tm_hour < 12 ? " AM" : " PM");
  // A signed report must not read 07/12/26 on one desk and 12/07/26 on the next.
  std::ostringstream date;
  date << std::put_time(&localTime, "%Y-%m-%d");
  return {time.str(), date.str()};
}

ReportStamp ReportStampNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#if defined(_WIN32)
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return MakeReportStamp(local);
}

void SetPageHeader(ReportDocument& document, const EntryForm& entry, const ReportStamp& stamp) {
  const std::string end(kLineEndMark);
  const std::string fill(kFillMark);
  document.SetHeaderLine(1, Filled("Calvix:  MASONRY WALL ANALYSIS AND DESIGN"));
  document.SetHeaderLine(2, kEquals95 + end);
  document.SetHeaderLine(3, "Project : " + RightTrimmed(ReportUserText(entry.Project)) + end);
  document.SetHeaderLine(4, "Location: " + RightTrimmed(ReportUserText(entry.Location)) + fill +
                                "By: " + RightTrimmed(ReportUserText(entry.Designer)) + end);
  document.SetHeaderLine(5, kEquals95 + end);
  document.SetHeaderLine(6, "TIME: " + ReportUserText(stamp.time) + fill + "Page:" + " " +
                                std::to_string(document.PageNumber()) + end);
  document.SetHeaderLine(7, "DATE: " + ReportUserText(stamp.date) + end);
}

void PrintInputData(ReportDocument& document, const Problem& problem, bool reinforced,
                    const ReportStamp& stamp) {
  const EntryForm& e = problem.entry;
  const WorkingForm& w = problem.working;
  InputDataEcho echo(document, problem);

  echo.Line("   DESIGN METHOD :  " + DesignMethodText(e.DesignMethod));
  echo.Line("MASONRY MATERIAL :  " + MasonryMaterialText(e.MasonryMaterial));
  echo.Line("     MORTAR TYPE :  " + MortarTypeText(e.MortarType));
  echo.Line(" MORTAR MATERIAL :  " + MortarMaterialText(e.MortarMaterial));
  echo.Line(std::string(" BLOCK PLACEMENT :  ") + (e.RunningBond ? "Running Bond" : "Stack Bond"));
  echo.Empty();

  echo.Heading("MASONRY WALL DATA:");
  echo.Value("Wall Height                    =  ", w.WallHeight, kLengthLong);
  echo.Value("Nominal Wall Thickness         =  ", w.WallThickness, kLengthShort);
  echo.Depth("Depth to c.g. Steel, Wall      =  ", w.WallSteelDepth);
  echo.Empty();
  echo.Value("Parapet Height                 =  ", w.ParapetHeight, kLengthLong);
  echo.Value("Nominal Parapet Thickness      =  ", w.ParapetThickness, kLengthShort);
  echo.Depth("Depth to c.g. Steel, Parapet   =  ", w.ParapetSteelDepth);
  echo.Empty();
  echo.Value("Design Strip Width             =  ", w.StripWidth, kLengthShort);
  echo.Empty();
  echo.Line(std::string("Main Wall Reinf. Layers        = ") +
            (!reinforced ? "Unreinforced Wall" : (w.TwoLayers ? "Two Layers" : "One Layer")));
  echo.Line(std::string("Wall Grout Spacing             = ") +
            (w.SolidGrouted ? "Grouted Solid" : "Partially Grouted"));
  echo.Empty();
  echo.Line("Support Type at Base           = " + SupportText(e));
  echo.Line(std::string("Span Type                      = ") +
            (e.Cantilever ? "Cantilever Wall (Fixed Base)" : "Supported Top and Bottom"));
  echo.Empty();

  echo.Heading("WALL LOADS:");
  echo.Value("Wall Weight                          = ", w.WallWeight, kSurfaceLoad);
  echo.Value("Floor or Roof Load:             Dead =", w.FloorDead, kLineLoad);
  echo.Value("                                Live =", w.FloorLive, kLineLoad);
  echo.Value("                        Eccentricity =  ", w.FloorEccentricity, kLengthShort);
  echo.Value("Additional Vertical Load:       Dead =", w.AddDead, kLineLoad);
  echo.Value("                                Live =", w.AddLive, kLineLoad);
  echo.Value("                        Eccentricity =  ", w.AddEccentricity, kLengthShort);
  echo.Value("               Vertical Distance (y) =  ", w.AddY, kLengthLong);
  echo.Value("Equivalent Fluid Pressure            =  ", w.EFP, kFluidDensity);
  echo.Value("               Vertical Distance (x) =  ", w.EFPX, kLengthLong);
  echo.Empty();

  const SeismicResult seismic = ComputeSeismicLoads(problem);
  echo.Heading("SEISMIC LOADS:");
  echo.Text("   Site Class (A to F)                     = ", w.SiteClass);
  echo.Text("   Seismic Use Group                       = ", w.UseGroup);
  echo.Number("Short Period Spectral Acceleration,  Ss = ", w.Ss, "###0.00", " %");
  echo.Text("   One Second Spectral Acceleration,    S1 = ", w.S1Class);
  echo.Text("   (Computed) Design Category,             = ", w.SeismicCategory);
  if (UserSiteCoefficientApplies(w)) {
    echo.Number("User Defined Site Coefficient,       Fa = ", e.UserFa, "###0.00");
  }
  echo.Line("   Parapet Component Importance Factor, Ip = " + FormatNumber(w.Ip, "0.0"));
  echo.Line("   Parapet Height/Roof Height Ratio    z/h = " + FormatNumber(w.ZOverH, "0.00"));
  echo.Value("Veneer Weight                           = ", w.VeneerWeight, kSurfaceLoad);
  if (seismic.SeismicMinGoverns) {
    echo.Value("Seismic Load on Main Wall*              = ",
               seismic.SeismicLoad[PartIndex(kMainWall)], kLineLoad);
    echo.Line("* Minimum Code Required Value");
  } else {
    echo.Value("Seismic Load on Main Wall               = ",
               seismic.SeismicLoad[PartIndex(kMainWall)], kLineLoad);
  }
  echo.Value("Seismic Load on Parapet Wall            = ", seismic.SeismicLoad[PartIndex(kParapet)],
             kLineLoad);

  document.NewPage();
  SetPageHeader(document, e, stamp);
  PrintWindTable(echo, problem);
  echo.Empty();

  echo.Heading("MASONRY DATA:");
  echo.Value("Masonry Unit Strength              = ", w.UnitStrength, kMasonryStress);
  echo.Value("Masonry Compressive Strength,  f'm = ", w.FmPrime, kMasonryStress);
  const bool strength = e.DesignMethod == "IBC-S";
  const auto allowable = [&](std::string_view label, float value) {
    if (strength) {
      echo.Line(std::string(label) + "N/A    ");
    } else {
      echo.Value(label, value, kMasonryStress);
    }
  };
  allowable("Allowable Flexural Stress,      Fb = ", w.Fb);
  allowable("Allowable Shear Stress,         Fv = ", w.Fv);
  allowable("Allowable Tension:    No Grout, Ft = ", w.FtNoGrout);
  allowable("                   Solid Grout, Ft = ", w.FtSolidGrout);
  echo.Value("Modulus of Elasticity,          Em = ", w.Em, kModulus);
  echo.Number("Modular Ratio,          Es/Em =  n = ", w.ModularRatio, "###0.00");
  echo.Value("Single Grouted Cell + Web Width    =  ", w.GroutedCellWidth, kLengthShort);
  echo.Value("Nominal Length of Masonry Unit     =  ", w.UnitLength, kLengthShort);
  echo.Value("Block Face Shell Thickness         =  ", w.FaceShellThickness, kLengthShort);
  echo.Depth("Nominal Minus Actual Thickness     =  ", w.NominalMinusActual);
  echo.Empty();

  echo.Heading("MATERIAL DATA:");
  echo.Value("Steel Yield Strength,           Fy = ", w.Fy, kSteelStress);
  echo.Value("Allowable Steel Stress,         Fs = ", w.Fs, kSteelStress);
  echo.Value("Modulus of Elasticity,          Es = ", w.Es, kModulus);
  echo.Empty();

  echo.Heading("REINFORCED WALL DATA:");
  echo.Number("Minimum Steel Ratio,       As/bt   = ", w.MinSteelRatio, "#0.0000");
}

void PrintSummaryBanner(ReportDocument& document, const EntryForm& entry, int part,
                        const ReportStamp& stamp) {
  document.NewPage();
  SetPageHeader(document, entry, stamp);
  document.PrintLine(Filled(kStars50));
  document.PrintLine(Filled("S U M M A R Y   O F   R E S U L T S"));
  document.PrintLine(Filled(part == kParapet ? "  F O R   P A R A P E T   W A L L  "
                                             : "     F O R   M A I N   W A L L     "));
  document.PrintLine(Filled(kStars50));
  document.PrintLine(kLineEndMark);
}

bool PrintResults(ReportDocument& document, ReportDestination& destination, const Problem& problem,
                  const ReportRequest& request, const ReportHooks& hooks, const ReportStamp& stamp,
                  Platform& platform) {
  const EntryForm& entry = problem.entry;
  const ReportOptions& options = request.options;
  try {
    document.StartDocument(5, kMarginsReport, kPage85x110, destination);
    SetPageHeader(document, entry, stamp);
    document.SetHeaderRefresh(
        [entry, stamp](ReportDocument& d) { SetPageHeader(d, entry, stamp); });

    if (options[kInputDataOption]) PrintInputData(document, problem, request.reinforced, stamp);

    if (options[kWallPictureOption] && !document.ToFile()) {
      if (!hooks.wallPicture) throw std::logic_error("no wall picture to print");
      document.NewPage();
      SetPageHeader(document, entry, stamp);
      hooks.wallPicture(document);
    }

    const int parts = problem.working.ParapetHeight > 0 ? kParapet : kMainWall;
    const MethodReport* report = MethodReportOf(entry.DesignMethod, request.reinforced, hooks);
    for (int part = kMainWall; part <= parts; ++part) {
      const bool summary =
          part == kMainWall ? options[kMainSummaryOption] : options[kParapetSummaryOption];
      if (summary) PrintSummaryBanner(document, entry, part, stamp);
      if (report == nullptr) continue;
      if (!*report) {
        throw std::logic_error("no results report for the design method " + entry.DesignMethod);
      }
      (*report)(document,
                MethodReportCall{
                    part, part == kMainWall ? request.mainChoice : request.parapetChoice, options});
    }
  } catch (const MethodReportFailure& failure) {
    document.Abandon();
    ReportUnexpectedFailure(platform, failure, failure.routine(), failure.form());
    return false;
  } catch (const std::exception& error) {
    document.Abandon();
    ReportUnexpectedFailure(platform, error, "Print Results", "CXPrint Module");
    return false;
  }
  return document.EndDocument(platform);
}

}  // namespace calvix
