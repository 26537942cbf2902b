// How the entry fields look in the current unit system: their quantities,
// decimals, limits and labels, and the out-of-range check of a typed value.
#pragma once

#include "model/session.h"

namespace calvix {

// The unit quantity of an entry field, or -1 for the fields without a unit
// (17 spectral acceleration in % of g, 26 modular ratio, 34 steel ratio,
// 35 parapet / roof height ratio).
int FieldQuantity(int field);

// Number of decimals a pattern asks for: the characters after its first "."
// counted to the end of its fixed width; 0 without a point.
int PatternDecimals(const std::string& pattern);

// Sets the decimals of every entry field for the current unit system.
void LoadDecimalFormats(Session& session);

// Fills the label table (label, unit label, sub-label) of fields 0-34; field 35
// keeps its fixed label.
void LoadFieldLabels(Session& session);

// Sets the displayed limits of the fields: the defined limits (U.S. working
// units) times the factor of the field's quantity. Fields 34 and 35 are never
// scaled.
void LoadMaxMinValues(Session& session);

// The limits as defined, in working units.
double DefinedFieldMinimum(int field);
double DefinedFieldMaximum(int field);

// The out-of-range message for a typed value.
std::string OutOfRangeText(double value, double displayMin, double displayMax);

// The unit label of the short period spectral acceleration field: the value
// is a percentage of the acceleration of gravity, 100 for 1.0 g.
inline constexpr const char* kSsUnitLabel = "% of g";

// The message for a typed text that is not a plain number: it names the
// field and its unit and tells what the field takes.
std::string NotANumberText(const Session& session, int field, const std::string& text);
// The same for a box of a dialog; `named` is its name with the unit.
std::string NotANumberText(const std::string& named, bool allowsMinus, const std::string& text);

// The tooltip of an entry field: its name, quantity, unit and allowed range
// in display units, "Wall Height: length in ft, from 0.00 to 99.00".
std::string FieldToolTip(const Session& session, int field);

// Checks the value typed into a field against its displayed limits. Outside
// them: beep, the "Out of Range" message, the field gets back the value it
// held when it received the focus, and the masonry data are recalculated.
// Returns true when the value is within the limits.
bool CheckFieldRange(Session& session, int field, double typedValue, double valueAtFocus);

}  // namespace calvix
