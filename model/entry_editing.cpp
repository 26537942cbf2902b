#include "model/entry_editing.h"

#include "model/entry_fields.h"
#include "model/field_display.h"
#include "model/material_data.h"
#include "model/number_format.h"

namespace calvix {
namespace {

bool WallHeightFollowedByField14(const Session& session, int field) {
  return field == kWallHeightField && session.problem.entry.DesignMethod == "IBC-S";
}

bool Select(Session& session, std::string& selection, const std::string& value) {
  if (selection == value) return false;
  selection = value;
  MarkInputChanged(session.problem);
  return true;
}

// A typed text that is not a plain number is never read as some other value:
// the engineer is told what the field takes and its value at focus is back.
void RefuseNonNumber(Session& session, int field, const std::string& text, double valueAtFocus) {
  session.platform.Beep();
  session.platform.ShowInformation(NotANumberText(session, field, text), "Not a Number");
  SetFieldValue(session, field, valueAtFocus);
  UpDateMasonry(session);
}

}  // namespace

void MarkInputChanged(Problem& problem) {
  problem.DataChanged = true;
  problem.Designed = false;
}

std::optional<FieldStates> EditFieldText(Session& session, int field, const std::string& text) {
  session.problem.entry.Fields.at(static_cast<size_t>(field)) = text;
  MarkInputChanged(session.problem);
  if (WallHeightFollowedByField14(session, field)) return UpdateFields(session);
  return std::nullopt;
}

double ValueAtFocus(const Session& session, int field) {
  const std::string& text = session.problem.entry.Fields.at(static_cast<size_t>(field));
  return ParseNumber(text).value_or(0.0);
}

FieldLeaveOutcome LeaveChangedField(Session& session, int field, double valueAtFocus) {
  FieldLeaveOutcome outcome;
  const std::string text = session.problem.entry.Fields.at(static_cast<size_t>(field));
  // A blank field holds 0, as the numeric entry controls do.
  bool blank = text.find_first_not_of(" \t") == std::string::npos;
  std::optional<double> typed = blank ? std::optional<double>(0.0) : ParsePlainNumber(text);
  if (typed) {
    outcome.accepted = CheckFieldRange(session, field, *typed, valueAtFocus);
  } else {
    RefuseNonNumber(session, field, text, valueAtFocus);
    outcome.accepted = false;
  }
  if (outcome.accepted) {
    SetFieldValue(session, field, *typed);
    AfterFieldEdited(session, field);
  }
  if (WallHeightFollowedByField14(session, field)) outcome.states = UpdateFields(session);
  return outcome;
}

std::string PartialGroutingRefusalText() {
  return std::string(
             "Sorry, Partially grouted spacing cannot be selected for Two Wythe Brick walls.") +
         "\r" + "Please change the Wall Material to Hollow Core Masonry or Hollow Core Clay " +
         "\r" + "to use partially grouted spacing.";
}

bool ChooseGroutSpacing(Session& session, int option) {
  EntryForm& entry = session.problem.entry;
  if (option == 0 && entry.MasonryMaterial == "Brick") {
    session.platform.ShowInformation(PartialGroutingRefusalText(), kProgramTitle);
    entry.GroutSpacingOption = 1;
    return false;
  }
  if (entry.GroutSpacingOption != option) {
    entry.GroutSpacingOption = option;
    MarkInputChanged(session.problem);
  }
  return true;
}

void ChooseReinforcementLayers(Session& session, int option) {
  EntryForm& entry = session.problem.entry;
  if (entry.ReinfLayersOption == option) return;
  entry.ReinfLayersOption = option;
  MarkInputChanged(session.problem);
}

bool ChooseSiteClass(Session& session, const std::string& siteClass) {
  return Select(session, session.problem.entry.SiteClass, siteClass);
}
bool ChooseUseGroup(Session& session, const std::string& useGroup) {
  return Select(session, session.problem.entry.UseGroup, useGroup);
}
bool ChooseS1Class(Session& session, const std::string& s1Class) {
  return Select(session, session.problem.entry.S1Class, s1Class);
}
bool ChooseParapetIp(Session& session, const std::string& ipText) {
  return Select(session, session.problem.entry.ParapetIpText, ipText);
}

bool SiteClassNeedsUserFa(const std::string& siteClass) {
  return siteClass == "Class E" || siteClass == "Class F";
}

FieldStates AfterDesignCriteria(Session& session) {
  FieldStates states = UpdateFields(session);
  UpDateMasonry(session);
  session.window.ProjectStatus = "Project:  " + session.problem.entry.Project;
  return states;
}

void AfterMasonryDataDialog(Session& session, std::optional<bool> userMasonryData) {
  EntryForm& entry = session.problem.entry;
  if (userMasonryData && *userMasonryData != entry.UserMasonryData) {
    entry.UserMasonryData = *userMasonryData;
    MarkInputChanged(session.problem);
  }
  if (!entry.UserMasonryData) UpDateMasonry(session);
}

int PageTabs(int currentTab, int keyCode, int count) {
  if (keyCode == kPageDownKey) return (currentTab + 1) % count;
  if (keyCode == kPageUpKey) return (currentTab + count - 1) % count;
  return currentTab;
}

}  // namespace calvix
