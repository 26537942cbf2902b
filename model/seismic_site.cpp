#include "model/seismic_site.h"

#include <array>

#include "model/interpolation.h"

namespace calvix {
namespace {

// Tabulated Fa at Ss = 0.25, 0.5, 0.75, 1.0 and 1.25 g (IBC 2000 Table 1615.1.2(1)).
constexpr std::array<float, 5> kSsBreakpoints{0.25f, 0.5f, 0.75f, 1.0f, 1.25f};

struct FaColumn {
  const char* siteClass;
  std::array<float, 5> fa;
};
constexpr std::array<FaColumn, 4> kFaTable{{
    {"Class A", {0.8f, 0.8f, 0.8f, 0.8f, 0.8f}},
    {"Class B", {1.0f, 1.0f, 1.0f, 1.0f, 1.0f}},
    {"Class C", {1.2f, 1.2f, 1.1f, 1.0f, 1.0f}},
    {"Class D", {1.6f, 1.4f, 1.2f, 1.1f, 1.0f}},
}};
// Class E is tabulated up to 1.0 g only; above it Fa must come from a
// site-specific study.
constexpr std::array<float, 4> kClassEFa{2.5f, 1.7f, 1.2f, 0.9f};

float InterpolateColumn(const float* fa, int count, float s) {
  if (s <= kSsBreakpoints[0]) return fa[0];
  for (int i = 1; i < count; ++i) {
    if (s <= kSsBreakpoints[static_cast<size_t>(i)]) {
      return static_cast<float>(InterpolateLinear(kSsBreakpoints[static_cast<size_t>(i - 1)],
                                                  fa[i - 1], kSsBreakpoints[static_cast<size_t>(i)],
                                                  fa[i], s));
    }
  }
  return fa[count - 1];
}

}  // namespace

float SiteCoefficientFa(const std::string& siteClass, float s, float userFa) {
  for (const auto& column : kFaTable) {
    if (siteClass == column.siteClass) return InterpolateColumn(column.fa.data(), 5, s);
  }
  if (siteClass == "Class E") {
    if (s > 1.0f) return userFa;
    return InterpolateColumn(kClassEFa.data(), 4, s);
  }
  if (siteClass == "Class F") return userFa;
  return 0.0f;
}

float SiteCoefficientSDS(const std::string& siteClass, float ssInG, float userFa) {
  float s = ssInG < 0 ? -ssInG : ssInG;
  float fa = SiteCoefficientFa(siteClass, s, userFa);
  return static_cast<float>(2.0 * static_cast<double>(fa) * static_cast<double>(ssInG) / 3.0);
}

std::string SeismicDesignCategory(float sds, const std::string& useGroup,
                                  const std::string& s1Class) {
  bool groupIII = useGroup == "III";
  if (!groupIII && useGroup != "I" && useGroup != "II" && useGroup != "IV") return {};
  // Sites with S1 at or above 0.75 g fall in category E (F for essential facilities).
  if (s1Class != "< 0.75 g") return groupIII ? "Category F" : "Category E";
  if (sds < 0.167f) return "Category A";
  if (sds < 0.33f) return groupIII ? "Category C" : "Category B";
  if (sds < 0.5f) return groupIII ? "Category D" : "Category C";
  return "Category D";
}

SeismicSiteBasis SeismicBasisOf(float ssPercent, const std::string& siteClass, float userFa,
                                const std::string& useGroup, const std::string& s1Class) {
  SeismicSiteBasis basis;
  basis.ssInG = static_cast<float>(static_cast<double>(ssPercent) / 100.0);
  basis.fa = SiteCoefficientFa(siteClass, basis.ssInG < 0 ? -basis.ssInG : basis.ssInG, userFa);
  const float sds = SiteCoefficientSDS(siteClass, basis.ssInG, userFa);
  basis.sds = sds < 0 ? -sds : sds;
  basis.category = SeismicDesignCategory(basis.sds, useGroup, s1Class);
  return basis;
}

}  // namespace calvix
