#include "analysis/design_criteria.h"

#include <algorithm>
#include <cmath>

#include "analysis/load_combinations.h"
#include "model/errors.h"
#include "model/field_display.h"
#include "model/number_format.h"

namespace calvix {
namespace {

constexpr double kPercentFixedMinimum = 0.0;
constexpr double kPercentFixedMaximum = 100.0;

bool IsDesignMethod(const std::string& method) {
  return method == "ACI" || method == "IBC-W" || method == "IBC-S";
}

BaseSupport SupportOf(const std::string& supportType) {
  if (supportType == "Pinned") return BaseSupport::Pinned;
  if (supportType == "Fixed") return BaseSupport::Fixed;
  if (supportType == "Partially Fixed") return BaseSupport::PartiallyFixed;
  return BaseSupport::None;
}

}  // namespace

bool RemoveDoubleQuotes(std::string& text) {
  auto end = std::remove(text.begin(), text.end(), '"');
  if (end == text.end()) return false;
  text.erase(end, text.end());
  return true;
}

DesignCriteriaDialogModel::DesignCriteriaDialogModel(const Problem& problem) {
  const EntryForm& entry = problem.entry;
  general_ = {entry.Project, entry.Location, entry.Designer};
  method_ = IsDesignMethod(entry.DesignMethod) ? entry.DesignMethod : std::string();
  axialMcr_ = entry.UseAxialMcr;
  axialMcrEnabled_ = method_ == "IBC-S";
  showAtStart_ = problem.ShowDesignCriteria;
  material_ = entry.MasonryMaterial;
  mortarMaterial_ = entry.MortarMaterial;
  mortarType_ = entry.MortarType;
  runningBond_ = entry.RunningBond;
  cantilever_ = entry.Cantilever;
  support_ = SupportOf(entry.SupportType);
  percentText_ = std::to_string(entry.PercentFixed);
  if (cantilever_) {
    if (support_ == BaseSupport::Pinned || support_ == BaseSupport::PartiallyFixed) {
      support_ = BaseSupport::None;
    }
    pinnedEnabled_ = false;
    partiallyFixedEnabled_ = false;
  }
  percentEnabled_ = support_ == BaseSupport::PartiallyFixed;
}

bool DesignCriteriaDialogModel::GeneralTextLeft(Platform& platform) {
  bool removed = false;
  for (auto& text : general_) removed = RemoveDoubleQuotes(text) || removed;
  if (removed) platform.ShowInformation(std::string(kDoubleQuoteText), "Calvix");
  return removed;
}

void DesignCriteriaDialogModel::ClickDesignMethod(EntryForm& entry, const std::string& method) {
  method_ = method;
  if (entry.BuildingCodeComb == "YES") {
    std::string kept = entry.DesignMethod;
    entry.DesignMethod = method;
    SetBuildingCodeFactors(entry);
    entry.DesignMethod = kept;
  }
  axialMcrEnabled_ = method == "IBC-S";
}

void DesignCriteriaDialogModel::ChooseSpanType(bool cantilever) {
  cantilever_ = cantilever;
  if (cantilever) {
    support_ = BaseSupport::Fixed;
    pinnedEnabled_ = false;
    partiallyFixedEnabled_ = false;
    percentEnabled_ = false;
  } else {
    support_ = BaseSupport::Pinned;
    pinnedEnabled_ = true;
    partiallyFixedEnabled_ = true;
    percentEnabled_ = false;
  }
}

bool DesignCriteriaDialogModel::SupportEnabled(BaseSupport support) const {
  switch (support) {
    case BaseSupport::Pinned:
      return pinnedEnabled_;
    case BaseSupport::PartiallyFixed:
      return partiallyFixedEnabled_;
    case BaseSupport::Fixed:
      return true;
    case BaseSupport::None:
      return false;
  }
  return false;
}

void DesignCriteriaDialogModel::FocusSupport(BaseSupport support) {
  if (!SupportEnabled(support)) return;
  percentEnabled_ = support == BaseSupport::PartiallyFixed;
}

bool DesignCriteriaDialogModel::ChooseSupport(BaseSupport support) {
  if (!SupportEnabled(support)) return false;
  support_ = support;
  FocusSupport(support);
  return true;
}

bool DesignCriteriaDialogModel::Ok(Session& session) {
  Platform& platform = session.platform;
  int percentFixed = 0;
  if (support_ == BaseSupport::PartiallyFixed) {
    double value = 0.0;
    if (percentText_.find_first_not_of(' ') != std::string::npos) {
      auto parsed = ParseNumber(percentText_);
      if (!parsed) {
        throw CalvixError(kErrorTypeMismatch,
                          "Type mismatch in Percent Fixed (\"" + percentText_ + "\")");
      }
      value = *parsed;
    }
    if (value < kPercentFixedMinimum || value > kPercentFixedMaximum) {
      platform.Beep();
      platform.ShowInformation(OutOfRangeText(value, kPercentFixedMinimum, kPercentFixedMaximum),
                               "Out of Range");
      return false;
    }
    percentFixed = static_cast<int>(std::nearbyint(value));
  }
  GeneralTextLeft(platform);

  Problem& problem = session.problem;
  EntryForm& entry = problem.entry;
  entry.Project = general_[0];
  entry.Location = general_[1];
  entry.Designer = general_[2];
  if (!method_.empty()) entry.DesignMethod = method_;
  if (!material_.empty()) entry.MasonryMaterial = material_;
  if (!mortarMaterial_.empty()) entry.MortarMaterial = mortarMaterial_;
  if (!mortarType_.empty()) entry.MortarType = mortarType_;
  entry.RunningBond = runningBond_;
  entry.Cantilever = cantilever_;
  switch (support_) {
    case BaseSupport::Pinned:
      entry.SupportType = "Pinned";
      entry.PercentFixed = 0;
      break;
    case BaseSupport::Fixed:
      entry.SupportType = "Fixed";
      entry.PercentFixed = 100;
      break;
    case BaseSupport::PartiallyFixed:
      entry.SupportType = "Partially Fixed";
      entry.PercentFixed = static_cast<int16_t>(percentFixed);
      break;
    case BaseSupport::None:
      break;
  }
  problem.ShowDesignCriteria = showAtStart_;
  entry.UseAxialMcr = axialMcr_;
  problem.Designed = false;
  problem.DataChanged = true;
  return true;
}

}  // namespace calvix
