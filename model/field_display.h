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

// Checks the value typed into a field against its displayed limits. Outside
// them: beep, the "Out of Range" message, the field gets back the value it
// held when it received the focus, and the masonry data are recalculated.
// Returns true when the value is within the limits.
bool CheckFieldRange(Session& session, int field, double typedValue, double valueAtFocus);

}  // namespace calvix
