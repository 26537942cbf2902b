// Lateral seismic loads on the main wall and on the parapet, per foot of
// height of the design strip, after IBC 2000: the wall force of section
// 1620.1.7 and the architectural component (parapet) force of section
// 1621.1.4. Also the logic of the small dialog in which the engineer enters the
// site coefficient Fa of a site study.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "analysis/wall_part.h"
#include "model/problem.h"

namespace calvix {

struct SeismicResult {
  // lb per foot of height on the design strip: [0] main wall, [1] parapet.
  // Signed like Ss.
  std::array<float, kWallPartCount> SeismicLoad{};
  // True when the main-wall load was raised to its code minimum of 10 % of the
  // wall and veneer weight.
  bool SeismicMinGoverns = false;
};

// The seismic importance factor IE of a seismic use group: "I" 1.0, "II" 1.25,
// "III" 1.5, "IV" 1.0, any other text 0.
double SeismicImportanceFactor(const std::string& useGroup);

// Computes both loads from the working form (Ss, SiteClass, UseGroup, Ip,
// ZOverH, WallWeight, VeneerWeight, StripWidth) and the engineer's own Fa (UserFa) of
// the entry form. Pure: the problem is not changed.
//   Wall (1620.1.7):      Fp = IE·0.4·SDS·w, at least 0.1·w
//   Parapet (1621.1.4):   Fp = (1 + 2·z/h)·SDS·w / (2.5 / Ip),
//                         within 0.3·SDS·Ip·w ... 1.6·SDS·Ip·w
// with w = wall + veneer weight (psf) and SDS taken at |Ss|; each force is
// scaled to the strip by StripWidth / 12 and given the sign of Ss.
SeismicResult ComputeSeismicLoads(const Problem& problem);

// The "Site Coefficient, Fa" dialog, opened when the engineer picks "Class E"
// or "Class F": one numeric field showing UserFa, OK and Cancel.
class SiteCoefficientDialogModel {
 public:
  static constexpr std::string_view kCaption = "Site Coefficient, Fa";
  static constexpr std::string_view kFieldLabel = "Fa = ";
  static constexpr std::string_view kNote =
      "For Site Classes E (Ss >= 125%) and F the site coefficient Fa is not defined by IBC 2000 "
      "and must be determined by \"site specific geotechnical  investigation and dynamic site "
      "response analyses\".";
  static constexpr std::string_view kOkCaption = "OK";
  static constexpr std::string_view kCancelCaption = "Cancel";
  static constexpr std::string_view kDisplayFormat = " 0.00";

  // Loading: the field shows UserFa in the display format " 0.00".
  explicit SiteCoefficientDialogModel(const EntryForm& entry);

  const std::string& FieldText() const { return fieldText_; }
  void SetFieldText(std::string text) { fieldText_ = std::move(text); }

  // OK: UserFa takes the numeric value of the field's text (a blank field
  // holds 0, as the numeric entry controls do). The dialog then closes.
  void Ok(EntryForm& entry) const;
  // Cancel closes the dialog and changes nothing; there is nothing to do.

 private:
  std::string fieldText_;
};

}  // namespace calvix
