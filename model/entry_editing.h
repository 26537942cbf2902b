// What happens to the problem when the engineer works in the main window:
// typing into an entry field, leaving it, choosing the grout spacing, the
// site class, the masonry data mode, paging through the input tabs and
// leaving the program. The window only forwards the engineer's actions here
// and shows the problem afterwards.
#pragma once

#include <optional>
#include <string>

#include "model/field_states.h"
#include "model/session.h"

namespace calvix {

// Any change of the input: the problem has unsaved changes and its results,
// if any, no longer belong to it.
void MarkInputChanged(Problem& problem);

// The engineer changed the text of entry field `field`. The text goes into the
// entry form at once and the problem is marked changed. Under "IBC-S" a change
// of the wall height (field 0) is copied to field 14 at once; the new field
// states are then returned (nothing otherwise).
std::optional<FieldStates> EditFieldText(Session& session, int field, const std::string& text);

// The value a field holds when it receives the focus, kept for the
// out-of-range handling: the number the field shows, 0 for an empty text or
// one that is not a number.
double ValueAtFocus(const Session& session, int field);

// What leaving a changed field did.
struct FieldLeaveOutcome {
  bool accepted = true;               // false: out of range, the old value is back
  std::optional<FieldStates> states;  // new field states, when they were refreshed
};

// The engineer left entry field `field` after changing it. A value outside the
// field's limits is refused with the "Out of Range" message and the value held
// at focus is put back (the masonry data are then recalculated). An accepted
// value is shown with the field's decimals and the entry rules of the field
// run (steel depth from a thickness, masonry data, the default-masonry
// warning). Under "IBC-S" field 14 follows the wall height either way. A text
// that is not a plain number (ParsePlainNumber: "1,5", "1e2", "abc") is
// refused with the "Not a Number" message naming the field and its unit, and
// the value held at focus is put back.
FieldLeaveOutcome LeaveChangedField(Session& session, int field, double valueAtFocus);

// The grout spacing options: 0 "Partially Grouted", 1 "Solid Grouted".
// Partial grouting is refused for two-wythe brick with the message below, and
// "Solid Grouted" stays selected. Returns true when the option was taken.
bool ChooseGroutSpacing(Session& session, int option);
std::string PartialGroutingRefusalText();
// The message boxes that name no title carry the program's name.
inline constexpr const char* kProgramTitle = "Calvix";

// The main wall reinforcement layers: 0 "One Layer", 1 "Two Layers".
void ChooseReinforcementLayers(Session& session, int option);

// The seismic lists of the seismic and wind page. Each returns true when the
// selection changed. Choosing "Class E" or "Class F" asks for the site
// coefficient dialog (SiteClassNeedsUserFa).
bool ChooseSiteClass(Session& session, const std::string& siteClass);
bool ChooseUseGroup(Session& session, const std::string& useGroup);
bool ChooseS1Class(Session& session, const std::string& s1Class);
bool ChooseParapetIp(Session& session, const std::string& ipText);
bool SiteClassNeedsUserFa(const std::string& siteClass);

// After the design criteria dialog (OK or Cancel): the field states, the
// masonry data and the project text of the status bar follow the criteria.
FieldStates AfterDesignCriteria(Session& session);

// After the masonry data dialog: `userMasonryData` is the mode chosen with OK
// (nothing for Cancel). In automatic mode the masonry data are recalculated
// whether the dialog was confirmed or cancelled.
void AfterMasonryDataDialog(Session& session, std::optional<bool> userMasonryData);

// Page keys of the main window (key codes 33 Page Up and 34 Page Down) step
// through the `count` input pages, wrapping around: Page Down to the next page
// (after "Materials" to "Wall Data"), Page Up to the previous one. Other keys
// keep the page. The window has five pages: "Wall Data", the two load pages
// "Dead & Live" and "Seismic & Wind", "Masonry" and "Materials".
inline constexpr int kPageUpKey = 33;
inline constexpr int kPageDownKey = 34;
inline constexpr int kInputTabCount = 4;
inline constexpr int kInputPageCount = 5;
int PageTabs(int currentTab, int keyCode, int count = kInputTabCount);
// The status bar hint that goes with it.
inline constexpr const char* kPageKeyHint = "Page Down : Next Page   |   Page Up : Previous Page";

}  // namespace calvix
