#include "analysis/seismic_loads.h"

#include <cmath>

#include "model/number_format.h"
#include "model/seismic_site.h"

namespace calvix {

double SeismicImportanceFactor(const std::string& useGroup) {
  if (useGroup == "I") return 1.0;
  if (useGroup == "II") return 1.25;
  if (useGroup == "III") return 1.5;
  if (useGroup == "IV") return 1.0;
  return 0.0;
}

SeismicResult ComputeSeismicLoads(const Problem& problem) {
  const WorkingForm& w = problem.working;
  SeismicResult result;

  const double ssInG = static_cast<double>(w.Ss) / 100.0;
  const float s = static_cast<float>(std::fabs(ssInG));
  const double sign = ssInG >= 0.0 ? 1.0 : -1.0;
  // Weight of the wall with its veneer (psf), a single-precision sum.
  const double weight = static_cast<double>(w.VeneerWeight + w.WallWeight);
  const double ie = SeismicImportanceFactor(w.UseGroup);
  const double sds = SiteCoefficientSDS(w.SiteClass, s, problem.entry.UserFa);
  const double strip = static_cast<double>(w.StripWidth) / 12.0;

  // Main wall, IBC 2000 1620.1.7: Fp = IE·0.4·SDS·w, never less than 10 % of
  // the weight. Both sides of the comparison are single-precision values.
  float wallForce = static_cast<float>(ie * 0.4 * sds * weight);
  const float wallMinimum = static_cast<float>(0.1 * weight);
  if (wallMinimum > wallForce) {
    wallForce = wallMinimum;
    result.SeismicMinGoverns = true;
  }
  result.SeismicLoad[0] = static_cast<float>(sign * wallForce * strip);

  // Parapet, IBC 2000 1621.1.4 with ap = 2.5 and Rp = 2.5 for an unbraced
  // parapet: Fp = 0.4·ap·SDS·Ip·w·(1 + 2z/h)/Rp, bounded by 1.6 and 0.3 times
  // SDS·Ip·w.
  const double ip = w.Ip;
  const double zOverH = w.ZOverH;
  float parapetForce = static_cast<float>((2.0 * zOverH + 1.0) * sds * weight / (2.5 / ip));
  const float upper = static_cast<float>(1.6 * sds * ip * weight);
  const float lower = static_cast<float>(0.3 * sds * ip * weight);
  if (upper < parapetForce) parapetForce = upper;
  if (lower > parapetForce) parapetForce = lower;
  result.SeismicLoad[1] = static_cast<float>(sign * parapetForce * strip);
  return result;
}

SiteCoefficientDialogModel::SiteCoefficientDialogModel(const EntryForm& entry)
    : fieldText_(FormatNumber(entry.UserFa, kDisplayFormat)) {}

void SiteCoefficientDialogModel::Ok(EntryForm& entry) const {
  entry.UserFa = static_cast<float>(ParseNumber(fieldText_).value_or(0.0));
}

}  // namespace calvix
