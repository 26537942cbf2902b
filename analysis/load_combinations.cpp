#include "analysis/load_combinations.h"

#include <cstddef>

#include "model/number_format.h"

namespace calvix {
namespace {

using FactorSet = std::array<float, kLoadFactorCount>;

//                                  F1    F2    F3    F4    F5    F6
//                                  F7    F8    F9    F10   F11   F12
constexpr FactorSet kStrengthFactors{1.2f, 1.6f, 1.2f, 0.5f, 1.6f, 1.2f,
                                     0.5f, 1.0f, 0.9f, 1.6f, 0.9f, 1.0f};
constexpr FactorSet kAciFactors{1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f,
                                1.0f, 1.0f, 1.0f, 1.0f, 0.9f, 1.0f};
constexpr FactorSet kIbcWorkingFactors{1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f,
                                       1.0f, 0.7f, 0.6f, 1.0f, 0.6f, 0.7f};

// F(n) of the factor set.
float F(const FactorSet& factors, int n) {
  return factors[static_cast<std::size_t>(n - 1)];
}

std::string Term(float factor, const char* load) {
  return SingleToText(factor) + load;
}

}  // namespace

void SetBuildingCodeFactors(EntryForm& entry) {
  if (entry.BuildingCodeComb != "YES") return;
  if (entry.DesignMethod == "IBC-S") {
    entry.LoadFactors = kStrengthFactors;
  } else if (entry.DesignMethod == "ACI") {
    entry.LoadFactors = kAciFactors;
  } else {
    entry.LoadFactors = kIbcWorkingFactors;
  }
}

CombinationFilterResult FilterCombinations(Problem& problem, const SeismicResult& seismic,
                                           int part) {
  EntryForm& entry = problem.entry;
  auto& selected = entry.LoadCombSelected;
  CombinationFilterResult result;
  result.Selected = selected;

  // Combinations 3 and 5 carry the seismic load, 2 and 4 the wind load.
  if (seismic.SeismicLoad[PartIndex(part)] == 0.0f) {
    selected[2] = 0;
    selected[4] = 0;
  }
  if (problem.working.WindRowCount() == 0) {
    selected[1] = 0;
    selected[3] = 0;
  }
  result.SeismicCombActive = true;
  if (F(entry.LoadFactors, 8) != 0.0f || F(entry.LoadFactors, 12) != 0.0f) {
    if (selected[2] == 0 && selected[4] == 0) result.SeismicCombActive = false;
  } else {
    selected[2] = 0;
    selected[4] = 0;
    result.SeismicCombActive = false;
  }
  return result;
}

std::array<CombinationUse, kLoadCombinationCount> CombinationUseOfPart(const Problem& problem,
                                                                       const SeismicResult& seismic,
                                                                       int part) {
  Problem filtered = problem;
  FilterCombinations(filtered, seismic, part);
  std::array<CombinationUse, kLoadCombinationCount> use{};
  for (std::size_t i = 0; i < use.size(); ++i) {
    const bool wind = i == 1 || i == 3;  // combinations 2 and 4
    if (problem.entry.LoadCombSelected[i] == 0) {
      use[i] = CombinationUse::kNotSelected;
    } else if (filtered.entry.LoadCombSelected[i] == 0) {
      use[i] = wind ? CombinationUse::kNoWindLoad : CombinationUse::kNoSeismicLoad;
    } else {
      use[i] = CombinationUse::kUsed;
    }
  }
  return use;
}

CombinationFilterScope::CombinationFilterScope(Problem& problem, const SeismicResult& seismic,
                                               int part)
    : problem_(problem), filter_(FilterCombinations(problem, seismic, part)) {}

CombinationFilterScope::~CombinationFilterScope() {
  problem_.entry.LoadCombSelected = filter_.Selected;
}

CombinationLabelText CombinationLabel(int k, float stressIncreaseFactor, bool strengthFlag,
                                      const std::array<float, kLoadFactorCount>& loadFactors,
                                      const CombinationLabelText& previous) {
  CombinationLabelText result = previous;
  const FactorSet& f = loadFactors;
  switch (k) {
    case 1:
      result.Label = Term(F(f, 1), "*DL+") + Term(F(f, 2), "*LL");
      break;
    case 2:
      result.Label = Term(F(f, 3), "*DL+") + Term(F(f, 4), "*LL+") + Term(F(f, 5), "*WL");
      break;
    case 3:
      result.Label = Term(F(f, 6), "*DL+") + Term(F(f, 7), "*LL+") + Term(F(f, 8), "*E");
      break;
    case 4:
      result.Label = Term(F(f, 9), "*DL+") + Term(F(f, 10), "*WL");
      break;
    case 5:
      result.Label = Term(F(f, 11), "*DL+") + Term(F(f, 12), "*E");
      break;
    default:
      break;
  }
  if (!strengthFlag) {
    // Working-stress tables: allowable stresses of the wind and seismic
    // combinations may be increased by one third.
    if (k == 1) {
      result.IncreaseText = "1.0";
    } else if (k >= 2 && k <= 5) {
      result.IncreaseText = "4/3";
    }
    if (stressIncreaseFactor < 1.01f) result.IncreaseText = "1.0";
  }
  return result;
}

LoadCombinationDialogModel::LoadCombinationDialogModel(EntryForm& entry) : entry_(entry) {
  Load();
}

void LoadCombinationDialogModel::Load() {
  open_ = true;
  buildingCode_ = entry_.BuildingCodeComb == "YES";
  userDefined_ = entry_.BuildingCodeComb == "NO";
  readOnly_ = buildingCode_;
  ShowFactors();
  for (std::size_t k = 0; k < ticked_.size(); ++k) ticked_[k] = entry_.LoadCombSelected[k] != 0;
  stressIncrease_ = entry_.StressIncreaseFactor >= 1.001f;
  stressIncreaseEnabled_ = entry_.DesignMethod != "IBC-S";
}

void LoadCombinationDialogModel::ShowFactors() {
  for (std::size_t i = 0; i < boxes_.size(); ++i) boxes_[i] = entry_.LoadFactors[i];
}

void LoadCombinationDialogModel::ChooseBuildingCode() {
  buildingCode_ = true;
  userDefined_ = false;
  entry_.BuildingCodeComb = "YES";
  SetBuildingCodeFactors(entry_);
  ShowFactors();
  readOnly_ = true;
}

void LoadCombinationDialogModel::ChooseUserDefined() {
  buildingCode_ = false;
  userDefined_ = true;
  entry_.BuildingCodeComb = "NO";
  readOnly_ = false;
  for (std::size_t i = 0; i < entry_.LoadFactors.size(); ++i) {
    entry_.LoadFactors[i] = static_cast<float>(entry_.UserLoadFactors[i]);
  }
  ShowFactors();
}

bool LoadCombinationDialogModel::EditFactor(int i, double value) {
  if (readOnly_ || i < 0 || i >= kLoadFactorCount) return false;
  boxes_[static_cast<std::size_t>(i)] = value;
  if (entry_.BuildingCodeComb == "NO") entry_.UserLoadFactors = boxes_;
  return true;
}

bool LoadCombinationDialogModel::SetSelected(int k, bool selected) {
  if (k < 1 || k > kLoadCombinationCount) return false;
  ticked_[static_cast<std::size_t>(k - 1)] = selected;
  return true;
}

bool LoadCombinationDialogModel::SetStressIncrease(bool ticked) {
  if (!stressIncreaseEnabled_) return false;
  stressIncrease_ = ticked;
  return true;
}

bool LoadCombinationDialogModel::Ok(Platform& platform) {
  bool anyTicked = false;
  for (bool ticked : ticked_) anyTicked = anyTicked || ticked;
  if (!anyTicked) {
    platform.ShowInformation(std::string(kNoneSelectedText), std::string(kNoneSelectedTitle));
    ticked_.fill(true);
    entry_.LoadCombSelected.fill(1);
    return false;
  }
  for (std::size_t k = 0; k < ticked_.size(); ++k) entry_.LoadCombSelected[k] = ticked_[k] ? 1 : 0;
  entry_.StressIncreaseFactor = stressIncrease_ ? static_cast<float>(4.0 / 3.0) : 1.0f;
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    entry_.LoadFactors[i] = static_cast<float>(boxes_[i]);
  }
  open_ = false;
  return true;
}

double LoadCombinationDialogModel::Factor(int i) const {
  if (i < 0 || i >= kLoadFactorCount) return 0.0;
  return boxes_[static_cast<std::size_t>(i)];
}

std::string LoadCombinationDialogModel::FactorText(int i) const {
  return FormatNumber(Factor(i), kFactorFormat);
}

bool LoadCombinationDialogModel::Selected(int k) const {
  if (k < 1 || k > kLoadCombinationCount) return false;
  return ticked_[static_cast<std::size_t>(k - 1)];
}

}  // namespace calvix
