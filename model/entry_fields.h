// Reading and writing the numeric entry fields of the problem as numbers.
#pragma once

#include "model/session.h"

namespace calvix {

// The number a field shows. An empty field reads as 0 (the numeric entry
// controls hold 0 when they are blank); a text that is not a number throws a
// CalvixError (Type mismatch) naming the field.
double FieldNumber(const Session& session, int field);

// Writes a display value into a field with the field's decimals.
void SetFieldValue(Session& session, int field, double displayValue);

// The text of a number as field `field` would show it.
std::string FieldText(const Session& session, int field, double displayValue);

// Label of an entry field as the error messages name it ("Wall Height",
// "Floor / Roof Load, Dead", ...).
std::string EntryFieldName(int field);

}  // namespace calvix
