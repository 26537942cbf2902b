// IBC 2000 site coefficient Fa, short-period design acceleration SDS
// (1615.1.3) and seismic design category (1616.3).
#pragma once

#include <string>

namespace calvix {

// Fa by site class at |Ss| = s (in g); a breakpoint belongs to the lower
// interval. "Class E" above 1.0 g and "Class F" take the site-specific userFa;
// an unknown class gives 0.
float SiteCoefficientFa(const std::string& siteClass, float s, float userFa);

// SDS = 2/3 Fa Ss, with Fa taken at |Ss|; Ss in g, signed.
float SiteCoefficientSDS(const std::string& siteClass, float ssInG, float userFa);

// The seismic design category from |SDS|, the seismic use group and the S1
// class, or nothing when the use group is none of "I" ... "IV" (the category
// is then left as it was).
std::string SeismicDesignCategory(float sds, const std::string& useGroup,
                                  const std::string& s1Class);

// What the site makes of a short-period spectral acceleration Ss given in
// percent of g: Ss in g (single precision, as the working form holds it), Fa
// at |Ss|, |SDS| and the seismic design category (empty when the use group is
// none of "I" ... "IV").
struct SeismicSiteBasis {
  float ssInG = 0;
  float fa = 0;
  float sds = 0;
  std::string category;
};
SeismicSiteBasis SeismicBasisOf(float ssPercent, const std::string& siteClass, float userFa,
                                const std::string& useGroup, const std::string& s1Class);

}  // namespace calvix
