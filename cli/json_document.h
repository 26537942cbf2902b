// The JSON document of calvix-cli: the program's own field names, arrays in
// the program's natural order, single-precision numbers written with 9
// significant digits so that they read back to the same single.
#pragma once

#include <nlohmann/json.hpp>
#include <vector>

#include "analysis/load_analysis.h"
#include "analysis/solve.h"
#include "design/design_results.h"
#include "model/platform.h"
#include "model/session.h"

namespace calvix {

// A single-precision value as a JSON number with 9 significant digits.
nlohmann::ordered_json SingleJson(float value);

nlohmann::ordered_json EntryJson(const Problem& problem);
nlohmann::ordered_json WorkingJson(const WorkingForm& working);
nlohmann::ordered_json MessagesJson(const std::vector<Message>& messages);
nlohmann::ordered_json BarsJson(const std::vector<Bar>& bars);

// SeismicLoad (main wall, parapet) and SeismicMinGoverns.
nlohmann::ordered_json SeismicJson(const SeismicResult& seismic);

// The combination tables and extremes; for strength design also the factored
// tables, deflections and their extremes.
nlohmann::ordered_json AnalysisJson(const AnalysisResults& analysis, bool strengthDesign);

// The `design` object: the method's name and its result tables; empty when
// no design ran.
nlohmann::ordered_json DesignJson(const DesignResults& results, DesignRun run);

// units_type, entry, messages and bars, plus working when `withWorking`.
nlohmann::ordered_json ProblemDocument(const Session& session, const std::vector<Message>& messages,
                                       bool withWorking);

}  // namespace calvix
