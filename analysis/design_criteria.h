// The "Design Criteria" dialog without its window: the identification texts,
// the design method, the masonry and mortar choices, the bond pattern, the span
// type and the base support with its fixity, the "Use Mcr" option and whether
// the dialog opens with each new problem.
//
// The model holds what the dialog's controls show. The design method options
// change the building-code load factors of the problem at once (even when the
// dialog is later cancelled); everything else reaches the problem only with OK.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/session.h"

namespace calvix {

// Removes every double quote from `text`; true when there was one.
bool RemoveDoubleQuotes(std::string& text);

enum class BaseSupport { None, Pinned, Fixed, PartiallyFixed };

class DesignCriteriaDialogModel {
 public:
  static constexpr std::string_view kCaption = "Design Criteria";
  static constexpr std::string_view kDoubleQuoteText =
      "Double quotes (\") are not allowed and have been removed";

  // Loading: every control from the problem. A cantilever clears and disables
  // the pinned and partially fixed options; the percent field is enabled only
  // with the partially fixed option selected; "Use Mcr" is enabled only for
  // "IBC-S".
  explicit DesignCriteriaDialogModel(const Problem& problem);

  // The three identification boxes: 0 "&Project:", 1 "&Location:", 2 "&By:".
  const std::string& GeneralText(int box) const { return general_.at(static_cast<size_t>(box)); }
  void SetGeneralText(int box, std::string text) {
    general_.at(static_cast<size_t>(box)) = std::move(text);
  }
  // A box lost the focus: double quotes are removed from all three boxes and,
  // when there were any, the message says so (an OK box). True when removed.
  bool GeneralTextLeft(Platform& platform);

  // A design method option clicked ("ACI", "IBC-W" or "IBC-S"): with
  // building-code combinations the problem's load factors become those of the
  // clicked method at once; "Use Mcr" is enabled for "IBC-S" only.
  void ClickDesignMethod(EntryForm& entry, const std::string& method);
  const std::string& DesignMethod() const { return method_; }  // empty: none selected

  bool UseAxialMcr() const { return axialMcr_; }
  void SetUseAxialMcr(bool ticked) { axialMcr_ = ticked; }
  bool UseAxialMcrEnabled() const { return axialMcrEnabled_; }
  bool ShowAtStart() const { return showAtStart_; }
  void SetShowAtStart(bool ticked) { showAtStart_ = ticked; }

  // "CMU", "Clay", "Brick"; "PCL", "Masonry"; "N", "S", "M".
  const std::string& MasonryMaterial() const { return material_; }
  void ChooseMasonryMaterial(std::string material) { material_ = std::move(material); }
  const std::string& MortarMaterial() const { return mortarMaterial_; }
  void ChooseMortarMaterial(std::string material) { mortarMaterial_ = std::move(material); }
  const std::string& MortarType() const { return mortarType_; }
  void ChooseMortarType(std::string type) { mortarType_ = std::move(type); }
  bool RunningBond() const { return runningBond_; }
  void ChooseRunningBond(bool running) { runningBond_ = running; }

  // The span type option clicked or focused: a cantilever selects "Fixed at
  // Base" and clears and disables the other two supports; supported top and
  // bottom selects "Pinned at Base" and enables the supports again.
  void ChooseSpanType(bool cantilever);
  bool Cantilever() const { return cantilever_; }

  // A support option focused (or clicked): the percent field is enabled only
  // for the partially fixed option. Selecting a disabled option is refused.
  void FocusSupport(BaseSupport support);
  bool ChooseSupport(BaseSupport support);
  BaseSupport Support() const { return support_; }
  bool SupportEnabled(BaseSupport support) const;
  bool PercentFixedEnabled() const { return percentEnabled_; }
  const std::string& PercentFixedText() const { return percentText_; }
  void SetPercentFixedText(std::string text) { percentText_ = std::move(text); }

  // OK: writes the identification, the criteria, the support with its fixity,
  // "Use Mcr" and the start-up option into the problem and marks it changed
  // and not designed (the dialog keeps the start-up option in the settings
  // file, WriteShowDesignCriteria). A
  // partially fixed base needs a whole percentage 0-100 in the percent field
  // (an empty field counts as 0); another value is refused with the
  // "Out of Range" message and the dialog stays open (false).
  bool Ok(Session& session);

 private:
  std::array<std::string, 3> general_;
  std::string method_;
  bool axialMcr_ = false;
  bool axialMcrEnabled_ = false;
  bool showAtStart_ = false;
  std::string material_;
  std::string mortarMaterial_;
  std::string mortarType_;
  bool runningBond_ = true;
  bool cantilever_ = false;
  BaseSupport support_ = BaseSupport::None;
  bool pinnedEnabled_ = true;
  bool partiallyFixedEnabled_ = true;
  bool percentEnabled_ = false;
  std::string percentText_;
};

}  // namespace calvix
