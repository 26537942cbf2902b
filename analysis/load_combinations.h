// The five load combinations of dead (D), live (L), wind (W) and seismic (E)
// load, their twelve factors F1 ... F12, the building-code factor sets of the
// three design methods, the per-part filter that the design routines apply,
// the combination labels of the result tables and the logic of the load
// combination dialog.
//
//   k = 1   F1·D + F2·L
//   k = 2   F3·D + F4·L + F5·W
//   k = 3   F6·D + F7·L + F8·E
//   k = 4   F9·D + F10·W
//   k = 5   F11·D + F12·E
//
// LoadFactors[i] holds F(i+1); LoadCombSelected[k-1] is 1 when combination k
// is selected.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "analysis/seismic_loads.h"
#include "model/platform.h"
#include "model/problem.h"

namespace calvix {

// When entry.BuildingCodeComb is "YES", writes the building-code factors of
// entry.DesignMethod into entry.LoadFactors:
//   "IBC-S"          1.2 1.6 | 1.2 0.5 1.6 | 1.2 0.5 1.0 | 0.9 1.6 | 0.9 1.0
//   "ACI"            1.0 1.0 | 1.0 1.0 1.0 | 1.0 1.0 1.0 | 1.0 1.0 | 0.9 1.0
//   any other        1.0 1.0 | 1.0 1.0 1.0 | 1.0 1.0 0.7 | 0.6 1.0 | 0.6 0.7
// Otherwise the factors are left as they are.
void SetBuildingCodeFactors(EntryForm& entry);

// What the per-part filter hands back to the design routine that runs it.
struct CombinationFilterResult {
  // The selection as the engineer set it, taken before the filter changed it;
  // the design routine puts it back when it finishes.
  std::array<int16_t, kLoadCombinationCount> Selected{};
  // Whether a seismic combination (3 or 5) takes part in the design of the
  // part; the wall picture draws the seismic loads only while it is true.
  bool SeismicCombActive = false;
};

// The per-part filter every design routine applies first. It switches off, in
// problem.entry.LoadCombSelected itself, the combinations that carry no load
// for the part: 3 and 5 when the part's seismic load is zero, 2 and 4 when the
// wind table has no rows, and 3 and 5 when both seismic factors F8 and F12
// are zero. `part` is kMainWall or kParapet.
CombinationFilterResult FilterCombinations(Problem& problem, const SeismicResult& seismic,
                                           int part);

// Whether combination k takes part in the design of a wall part, and if not,
// why: the engineer did not select it, or the per-part filter switched it off
// because the wall has no wind load (2 and 4) or the part no factored seismic
// load (3 and 5). Every design method designs a part for exactly the
// combinations marked kUsed, so a gravity case that the engineer puts in slot
// 2 of a wall without wind is not designed for: such a case belongs in
// combination 1.
enum class CombinationUse { kUsed, kNotSelected, kNoWindLoad, kNoSeismicLoad };

std::array<CombinationUse, kLoadCombinationCount> CombinationUseOfPart(const Problem& problem,
                                                                       const SeismicResult& seismic,
                                                                       int part);

// Runs FilterCombinations for the life of the scope and restores the
// engineer's selection when the scope ends, on every path out of the design
// routine (return or exception).
class CombinationFilterScope {
 public:
  CombinationFilterScope(Problem& problem, const SeismicResult& seismic, int part);
  ~CombinationFilterScope();
  CombinationFilterScope(const CombinationFilterScope&) = delete;
  CombinationFilterScope& operator=(const CombinationFilterScope&) = delete;

  const std::array<int16_t, kLoadCombinationCount>& SavedSelection() const {
    return filter_.Selected;
  }
  bool SeismicCombActive() const { return filter_.SeismicCombActive; }

 private:
  Problem& problem_;
  CombinationFilterResult filter_;
};

// Label of a combination in the result tables and the interaction diagram, and
// the allowable-stress increase that goes with it.
struct CombinationLabelText {
  std::string Label;         // e.g. "1.2*DL+0.5*LL+1.6*WL"
  std::string IncreaseText;  // "1.0" or "4/3"; working-stress tables only
};

// The label of combination k (1-5), with each factor written in its shortest
// single-precision form. For working-stress tables (strengthFlag false) the
// increase text is "1.0" for k = 1 and "4/3" for k = 2-5, and "1.0" for every
// k when stressIncreaseFactor < 1.01. For strength tables only the label is
// set. A k outside 1-5 sets no label: both outputs keep their values from
// `previous`, except that the increase text still becomes "1.0" under the
// last working-stress rule.
CombinationLabelText CombinationLabel(int k, float stressIncreaseFactor, bool strengthFlag,
                                      const std::array<float, kLoadFactorCount>& loadFactors,
                                      const CombinationLabelText& previous = {});

// The "Load Combination Options" dialog without its window: the two option
// buttons, the twelve factor boxes (F1 ... F12), the five combination check
// boxes and the stress-increase check box. The option buttons and factor edits
// write the problem at once (Cancel does not undo them); OK writes the
// selection, the stress increase and the factors.
class LoadCombinationDialogModel {
 public:
  static constexpr std::string_view kCaption = "Load Combination Options";
  static constexpr std::string_view kFrameCaption = "Load Combinations";
  static constexpr std::string_view kBuildingCodeCaption = "Building Code";
  static constexpr std::string_view kUserDefinedCaption = "User Defined";
  // How the selection reaches the design (see CombinationUseOfPart).
  static constexpr std::string_view kUseNote =
      "Each wall part is designed for the selected combinations that carry its "
      "loads: 2 and 4 are left out when there is no wind load, 3 and 5 when the "
      "part has no seismic load. Enter a gravity-only case (for example "
      "0.5 DL + 1.6 LL) as combination 1, which is always designed for when "
      "selected.";
  static constexpr std::string_view kStressIncreaseCaption =
      "&Increase allowable stress by 1.33 for Wind and Seismic Loads";
  static constexpr std::string_view kCancelCaption = "Cancel";
  static constexpr std::string_view kFactorFormat = " 0.00";
  static constexpr std::string_view kNoneSelectedText =
      "Sorry, at least one load combination must be selected.";
  static constexpr std::string_view kNoneSelectedTitle = "Load Combination Error";

  // Opens the dialog on the problem's entry form and loads it (see Load).
  explicit LoadCombinationDialogModel(EntryForm& entry);

  // Loading: the option of BuildingCodeComb ("YES" building code with the
  // factor boxes read-only, "NO" user defined), the boxes showing LoadFactors,
  // the check boxes showing LoadCombSelected, the stress increase ticked when
  // StressIncreaseFactor >= 1.001 and enabled only when DesignMethod is not
  // "IBC-S".
  void Load();

  // "Building Code": BuildingCodeComb = "YES", the building-code factors of the
  // design method go into LoadFactors and the boxes, which become read-only.
  void ChooseBuildingCode();
  // "User Defined": BuildingCodeComb = "NO", LoadFactors take the user-defined
  // factors, the boxes show them and become editable.
  void ChooseUserDefined();
  // Edits box i (0-11 = F1 ... F12). Refused (false) while the boxes are
  // read-only or for an index outside 0-11. With user-defined combinations the
  // twelve boxes are copied into UserLoadFactors after the edit.
  bool EditFactor(int i, double value);
  // Ticks or clears the check box of combination k (1-5); false for another k.
  bool SetSelected(int k, bool selected);
  // Ticks or clears the stress-increase box; refused (false) while disabled.
  bool SetStressIncrease(bool ticked);

  // OK. With no combination ticked: shows "Sorry, at least one load combination
  // must be selected." (title "Load Combination Error"), ticks all five boxes,
  // selects all five combinations in the problem and stays open (false).
  // Otherwise writes LoadCombSelected, StressIncreaseFactor (4/3 or 1) and
  // LoadFactors from the boxes and closes (true).
  bool Ok(Platform& platform);
  // Cancel: closes; nothing else changes.
  void Cancel() { open_ = false; }

  bool IsOpen() const { return open_; }
  bool BuildingCodeChosen() const { return buildingCode_; }
  bool UserDefinedChosen() const { return userDefined_; }
  bool FactorsReadOnly() const { return readOnly_; }
  double Factor(int i) const;           // value of box i (0-11)
  std::string FactorText(int i) const;  // box i as shown, format " 0.00"
  bool Selected(int k) const;           // check box of combination k (1-5)
  bool StressIncreaseTicked() const { return stressIncrease_; }
  bool StressIncreaseEnabled() const { return stressIncreaseEnabled_; }

 private:
  void ShowFactors();

  EntryForm& entry_;
  bool open_ = true;
  bool buildingCode_ = false;
  bool userDefined_ = false;
  bool readOnly_ = false;
  std::array<double, kLoadFactorCount> boxes_{};
  std::array<bool, kLoadCombinationCount> ticked_{};
  bool stressIncrease_ = false;
  bool stressIncreaseEnabled_ = true;
};

}  // namespace calvix
