#include "cli/json_document.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <type_traits>

namespace calvix {

using json = nlohmann::ordered_json;

json SingleJson(float value) {
  if (!std::isfinite(value)) return json(nullptr);
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
  return json(std::strtod(text, nullptr));
}

namespace {

template <size_t N>
json SinglesJson(const std::array<float, N>& values) {
  json array = json::array();
  for (float value : values) array.push_back(SingleJson(value));
  return array;
}

json SinglesJson(const std::vector<float>& values) {
  json array = json::array();
  for (float value : values) array.push_back(SingleJson(value));
  return array;
}

template <typename T>
json NumberJson(T value) {
  if constexpr (std::is_same_v<T, float>) {
    return SingleJson(value);
  } else {
    return json(value);
  }
}

// [part][combination][station] or [part][combination].
template <typename Table>
json NestedJson(const Table& table) {
  json array = json::array();
  for (const auto& inner : table) {
    using Inner = std::decay_t<decltype(inner)>;
    if constexpr (std::is_arithmetic_v<Inner>) {
      array.push_back(NumberJson(inner));
    } else if constexpr (std::is_same_v<Inner, std::string>) {
      array.push_back(json(inner));
    } else {
      array.push_back(NestedJson(inner));
    }
  }
  return array;
}

// The design's bar size decision: BarPermitted [part][bar] as true / false
// and BarSizeLimit [part], the largest permitted designation ("" without a
// limit).
template <typename Results>
void AddBarPermission(json& out, const Results& r) {
  json permitted = json::array();
  json limits = json::array();
  for (std::size_t p = 0; p < kWallPartCount; ++p) {
    json part = json::array();
    for (bool allowed : r.BarPermitted[p]) part.push_back(allowed);
    permitted.push_back(part);
    limits.push_back(r.BarLimit[p].Limits() ? r.BarLimit[p].largest : std::string());
  }
  out["BarPermitted"] = permitted;
  out["BarSizeLimit"] = limits;
}

}  // namespace

json SeismicJson(const SeismicResult& seismic) {
  return json{{"SeismicLoad", SinglesJson(seismic.SeismicLoad)},
              {"SeismicMinGoverns", seismic.SeismicMinGoverns}};
}

json AnalysisJson(const AnalysisResults& a, bool strengthDesign) {
  json out{
      {"CombAxial", NestedJson(a.CombAxial)},
      {"CombMoment", NestedJson(a.CombMoment)},
      {"CombShear", NestedJson(a.CombShear)},
      {"CombMaxPosMoment", NestedJson(a.CombMaxPosMoment)},
      {"CombAxialAtPosMoment", NestedJson(a.CombAxialAtPosMoment)},
      {"CombMaxNegMoment", NestedJson(a.CombMaxNegMoment)},
      {"CombAxialAtNegMoment", NestedJson(a.CombAxialAtNegMoment)},
      {"CombMaxShear", NestedJson(a.CombMaxShear)},
  };
  if (strengthDesign) {
    out["FactoredAxial"] = NestedJson(a.FactoredAxial);
    out["FactoredMoment"] = NestedJson(a.FactoredMoment);
    out["FactoredShear"] = NestedJson(a.FactoredShear);
    out["ServiceDeflection"] = NestedJson(a.ServiceDeflection);
    out["FactoredDeflection"] = NestedJson(a.FactoredDeflection);
    out["FactoredMaxPosMoment"] = NestedJson(a.FactoredMaxPosMoment);
    out["FactoredAxialAtPosMoment"] = NestedJson(a.FactoredAxialAtPosMoment);
    out["PosMomentStation"] = NestedJson(a.PosMomentStation);
    out["FactoredMaxNegMoment"] = NestedJson(a.FactoredMaxNegMoment);
    out["FactoredAxialAtNegMoment"] = NestedJson(a.FactoredAxialAtNegMoment);
    out["NegMomentStation"] = NestedJson(a.NegMomentStation);
    out["FactoredMaxShear"] = NestedJson(a.FactoredMaxShear);
    out["MomentShearRatio"] = NestedJson(a.MomentShearRatio);
    out["MaxDeflectionStation"] = NestedJson(a.MaxDeflectionStation);
  }
  return out;
}

namespace {

json ReinforcedJson(const ReinforcedResults& r) {
  json out{{"method", "reinforced working stress"},
           {"GovMoment", NestedJson(r.GovMoment)},
           {"GovAxial", NestedJson(r.GovAxial)},
           {"GovCombo", NestedJson(r.GovCombo)},
           {"GovShear", NestedJson(r.GovShear)},
           {"GovShearCombo", NestedJson(r.GovShearCombo)},
           {"SlendernessRatio", NestedJson(r.SlendernessRatio)},
           {"Eccentricity", NestedJson(r.Eccentricity)},
           {"AllowableShear", NestedJson(r.AllowableShear)},
           {"ZoneNote", NestedJson(r.ZoneNote)},
           {"BarFa", NestedJson(r.BarFa)},
           {"BarShearStress", NestedJson(r.BarShearStress)},
           {"BarAllowMoment", NestedJson(r.BarAllowMoment)},
           {"BarSpacing", NestedJson(r.BarSpacing)}};
  AddBarPermission(out, r);
  return out;
}

json UnreinforcedJson(const UnreinforcedResults& r) {
  return json{{"method", "unreinforced working stress"},
              {"GovMoment", NestedJson(r.GovMoment)},
              {"GovAxial", NestedJson(r.GovAxial)},
              {"GovCombo", NestedJson(r.GovCombo)},
              {"GovShear", NestedJson(r.GovShear)},
              {"GovShearCombo", NestedJson(r.GovShearCombo)},
              {"UnreinfFb", NestedJson(r.UnreinfFb)},
              {"UnreinfFv", NestedJson(r.UnreinfFv)},
              {"GroutCaseCount", r.GroutCaseCount},
              {"GroutCaseLabel", NestedJson(r.GroutCaseLabel)},
              {"CaseFa", NestedJson(r.CaseFa)},
              {"CaseFb", NestedJson(r.CaseFb)},
              {"CaseNetStress", NestedJson(r.CaseNetStress)},
              {"CaseShearStress", NestedJson(r.CaseShearStress)},
              {"CaseCSI", NestedJson(r.CaseCSI)},
              {"CaseVerdict", NestedJson(r.CaseVerdict)}};
}

json StrengthJson(const StrengthResults& r) {
  json out{{"method", "strength"},
           {"SlendernessRatio", NestedJson(r.SlendernessRatio)},
           {"AxialLimit", NestedJson(r.AxialLimit)},
           {"AllowServiceDeflection", NestedJson(r.AllowServiceDeflection)},
           {"GovMoment", NestedJson(r.GovMoment)},
           {"GovAxial", NestedJson(r.GovAxial)},
           {"GovShear", NestedJson(r.GovShear)},
           {"GovCombo", NestedJson(r.GovCombo)},
           {"GovStation", NestedJson(r.GovStation)},
           {"GovShearCombo", NestedJson(r.GovShearCombo)},
           {"BarSpacing", NestedJson(r.BarSpacing)},
           {"BarPhiMn", NestedJson(r.BarPhiMn)},
           {"BarPhiVn", NestedJson(r.BarPhiVn)},
           {"BarMu", NestedJson(r.BarMu)},
           {"BarDeltaUlt", NestedJson(r.BarDeltaUlt)},
           {"BarDeltaServ", NestedJson(r.BarDeltaServ)}};
  AddBarPermission(out, r);
  return out;
}

}  // namespace

json DesignJson(const DesignResults& results, DesignRun run) {
  switch (run) {
    case DesignRun::Strength:
      return StrengthJson(results.strength);
    case DesignRun::Reinforced:
      return ReinforcedJson(results.reinforced);
    case DesignRun::Unreinforced:
      return UnreinforcedJson(results.unreinforced);
    case DesignRun::None:
      break;
  }
  return json::object();
}

json EntryJson(const Problem& problem) {
  const EntryForm& e = problem.entry;
  json wind = json::array();
  for (const auto& row : e.Wind)
    wind.push_back(json(std::vector<std::string>(row.begin(), row.end())));
  json userFactors = json::array();
  for (double factor : e.UserLoadFactors) userFactors.push_back(factor);
  return json{
      {"fields", std::vector<std::string>(e.Fields.begin(), e.Fields.end())},
      {"wind", wind},
      {"Project", e.Project},
      {"Location", e.Location},
      {"Designer", e.Designer},
      {"DesignMethod", e.DesignMethod},
      {"MasonryMaterial", e.MasonryMaterial},
      {"MortarMaterial", e.MortarMaterial},
      {"MortarType", e.MortarType},
      {"RunningBond", e.RunningBond},
      {"Cantilever", e.Cantilever},
      {"SupportType", e.SupportType},
      {"PercentFixed", e.PercentFixed},
      {"UseAxialMcr", e.UseAxialMcr},
      {"UserMasonryData", e.UserMasonryData},
      {"SiteClass", e.SiteClass},
      {"UseGroup", e.UseGroup},
      {"S1Class", e.S1Class},
      {"ParapetIpText", e.ParapetIpText},
      {"UserFa", SingleJson(e.UserFa)},
      {"SolidGrouted", e.SolidGroutedSelected()},
      {"TwoLayers", e.TwoLayersSelected()},
      {"LoadCombSelected", std::vector<int>(e.LoadCombSelected.begin(), e.LoadCombSelected.end())},
      {"StressIncreaseFactor", SingleJson(e.StressIncreaseFactor)},
      {"BuildingCodeComb", e.BuildingCodeComb},
      {"UserLoadFactors", userFactors},
      {"LoadFactors", SinglesJson(e.LoadFactors)},
      {"DataChanged", problem.DataChanged},
      {"Designed", problem.Designed},
  };
}

json WorkingJson(const WorkingForm& w) {
  return json{
      {"WallHeight", SingleJson(w.WallHeight)},
      {"WallThickness", SingleJson(w.WallThickness)},
      {"WallSteelDepth", SingleJson(w.WallSteelDepth)},
      {"ParapetHeight", SingleJson(w.ParapetHeight)},
      {"ParapetThickness", SingleJson(w.ParapetThickness)},
      {"ParapetSteelDepth", SingleJson(w.ParapetSteelDepth)},
      {"StripWidth", SingleJson(w.StripWidth)},
      {"WallWeight", SingleJson(w.WallWeight)},
      {"FloorDead", SingleJson(w.FloorDead)},
      {"FloorLive", SingleJson(w.FloorLive)},
      {"FloorEccentricity", SingleJson(w.FloorEccentricity)},
      {"AddDead", SingleJson(w.AddDead)},
      {"AddLive", SingleJson(w.AddLive)},
      {"AddEccentricity", SingleJson(w.AddEccentricity)},
      {"AddY", SingleJson(w.AddY)},
      {"EFP", SingleJson(w.EFP)},
      {"EFPX", SingleJson(w.EFPX)},
      {"Ss", SingleJson(w.Ss)},
      {"VeneerWeight", SingleJson(w.VeneerWeight)},
      {"ZOverH", SingleJson(w.ZOverH)},
      {"Ip", SingleJson(w.Ip)},
      {"SiteClass", w.SiteClass},
      {"UseGroup", w.UseGroup},
      {"S1Class", w.S1Class},
      {"SeismicCategory", w.SeismicCategory},
      {"UnitStrength", SingleJson(w.UnitStrength)},
      {"FmPrime", SingleJson(w.FmPrime)},
      {"Fb", SingleJson(w.Fb)},
      {"Fv", SingleJson(w.Fv)},
      {"FtNoGrout", SingleJson(w.FtNoGrout)},
      {"FtSolidGrout", SingleJson(w.FtSolidGrout)},
      {"Em", SingleJson(w.Em)},
      {"ModularRatio", SingleJson(w.ModularRatio)},
      {"GroutedCellWidth", SingleJson(w.GroutedCellWidth)},
      {"UnitLength", SingleJson(w.UnitLength)},
      {"FaceShellThickness", SingleJson(w.FaceShellThickness)},
      {"NominalMinusActual", SingleJson(w.NominalMinusActual)},
      {"Fy", SingleJson(w.Fy)},
      {"Fs", SingleJson(w.Fs)},
      {"Es", SingleJson(w.Es)},
      {"MinSteelRatio", SingleJson(w.MinSteelRatio)},
      {"SpacingModule", SingleJson(w.SpacingModule)},
      {"SolidGrouted", w.SolidGrouted},
      {"TwoLayers", w.TwoLayers},
      {"WindType", w.WindType},
      {"WindMagnitude", SinglesJson(w.WindMagnitude)},
      {"WindStart", SinglesJson(w.WindStart)},
      {"WindEnd", SinglesJson(w.WindEnd)},
  };
}

json MessagesJson(const std::vector<Message>& messages) {
  json array = json::array();
  for (const auto& message : messages) {
    array.push_back(json{{"title", message.title}, {"text", message.text}});
  }
  return array;
}

namespace {

// A bar designation as the tables show it, without its padding.
std::string TrimmedBarName(const Bar& bar) {
  auto first = bar.Name.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return bar.Name.substr(first, bar.Name.find_last_not_of(' ') - first + 1);
}

}  // namespace

json BarsJson(const std::vector<Bar>& bars) {
  json array = json::array();
  for (const auto& bar : bars) {
    array.push_back(json{{"name", TrimmedBarName(bar)}, {"area", SingleJson(bar.Area)}});
  }
  return array;
}

json ProblemDocument(const Session& session, const std::vector<Message>& messages,
                     bool withWorking) {
  json document{
      {"units_type", session.problem.units.UnitsType},
      {"entry", EntryJson(session.problem)},
      {"messages", MessagesJson(messages)},
      {"bars", BarsJson(session.problem.units.BarTable)},
  };
  if (withWorking) document["working"] = WorkingJson(session.problem.working);
  return document;
}

}  // namespace calvix
