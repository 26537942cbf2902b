#include "model/design_basis.h"

#include "model/number_format.h"
#include "model/seismic_site.h"

namespace calvix {
namespace {

constexpr const char* kNoValue = "-";

// Fa comes from a site-specific study rather than the table.
bool SiteSpecificFa(const std::string& siteClass, float ssInG) {
  const float s = ssInG < 0 ? -ssInG : ssInG;
  return siteClass == "Class F" || (siteClass == "Class E" && s > 1.0f);
}

}  // namespace

std::string DesignMethodName(const std::string& method) {
  if (method == "ACI") return "ACI 530-99 Working Stress";
  if (method == "IBC-W") return "IBC 2000 Working Stress";
  if (method == "IBC-S") return "IBC 2000 Strength";
  return method;
}

DesignBasisText DesignBasisOf(const Session& session) {
  const EntryForm& entry = session.problem.entry;
  DesignBasisText text{DesignMethodName(entry.DesignMethod), kNoValue, kNoValue};
  const std::string& ssText = entry.Fields[kSsField];
  const bool blank = ssText.find_first_not_of(" \t") == std::string::npos;
  const std::optional<double> ss = blank ? std::optional<double>(0.0) : ParsePlainNumber(ssText);
  if (!ss) return text;
  const SeismicSiteBasis basis = SeismicBasisOf(static_cast<float>(*ss), entry.SiteClass,
                                                entry.UserFa, entry.UseGroup, entry.S1Class);
  std::string category =
      basis.category.empty() ? session.problem.working.SeismicCategory : basis.category;
  if (!category.empty()) text.category = category;
  text.fa = FormatNumber(basis.fa, "0.00");
  if (SiteSpecificFa(entry.SiteClass, basis.ssInG)) text.fa += " (site-specific)";
  return text;
}

}  // namespace calvix
