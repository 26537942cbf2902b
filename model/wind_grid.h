// The wind load table of the seismic and wind page: its headings, the keys the
// edit box over a cell accepts, the moves between cells and the commit of a
// typed value. Rows 1-5 are the wind loads and columns 1-4 their Type,
// Magnitude, Start and End; row 0 holds the headings and column 0 the row
// numbers.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/platform.h"
#include "model/problem.h"
#include "model/session.h"

namespace calvix {

inline constexpr int kWindGridRows = kWindRowCount + 1;        // headings + 5 loads
inline constexpr int kWindGridColumns = kWindColumnCount + 1;  // numbers + 4 cells

// A data cell of the grid: row 1-5, column 1-4.
struct WindCell {
  int row = 1;
  int column = 1;
  bool operator==(const WindCell&) const = default;
};

// The heading row, column 0-4; each heading has two lines separated by a
// carriage return: "No.", "Type" / "(W or H)", "Magnitude" / "(psf, plf)",
// "Start" / "(ft)", "End" / "(ft)" with the unit labels of the current unit
// system (trailing spaces removed).
std::array<std::string, kWindGridColumns> WindGridHeadings(const UnitSystem& units);

// The text of a grid cell as the wind table of the entry form holds it.
const std::string& WindCellText(const EntryForm& entry, WindCell cell);

// A character typed into the edit box.
struct WindKeyResult {
  enum class Action {
    Insert,        // the character goes into the box (`text`)
    Refuse,        // beep, the character is discarded
    SetTypeAndGo,  // the box holds only `text` and the edit ends as with Enter
    EmptyBox,      // the box is emptied
  };
  Action action = Action::Insert;
  std::string text;
};

// Filters character `ch` typed in column `column`. Type column: "W", "w",
// "H", "h" become the upper-case letter and end the edit, a space empties the
// type, any other character is refused. Numeric columns take every character
// as typed; the commit refuses a text that is not a plain number with a
// message, so that nothing typed is dropped or joined without a word.
WindKeyResult FilterWindKey(int column, char32_t ch);

// Navigation keys of the edit box.
enum class WindKey { Enter, Tab, Right, Left, Down, Up, Escape };

struct WindNavigation {
  enum class Action {
    None,       // the key has no effect here
    PassToBox,  // the key moves the caret within the text
    EmptyBox,   // Esc
    MoveTo,     // commit, then edit `target`
    LeaveGrid,  // commit, then go on to the site class list
  };
  Action action = Action::None;
  WindCell target;
};

// Where a navigation key leads from `cell`. `caret` is the caret position as
// the box reports it (the start of the selection while text is selected) and
// `textLength` the length of the box text. Enter and Tab go to the next cell
// (the next column, from column 4 the first column of the next row) and from
// the last cell on to the site class list. Right moves on only when the caret
// stands after the last character, Left back only when it stands before the
// first. Down goes to the row below (from row 5 to row 1 of the next column),
// Up to the row above (from row 1 to row 5 of the previous column).
WindNavigation NavigateWindGrid(WindCell cell, WindKey key, int caret, int textLength);

// Commit of the edit box over `cell`. The type is taken as typed. Magnitudes
// must lie within -9999 ... 9999 and Start and End within 0 ... 99, in display
// units whatever the unit system; an empty text is accepted. An accepted value
// is stored formatted "#,##0.00". A value outside the limits is refused with
// the "Out of Range" message; a text that is not a plain number
// (ParsePlainNumber: "1,5", "1-2") is refused without a message here, the
// commit to the problem below adds one naming the column and its unit.
struct WindCommit {
  bool accepted = false;
  std::string cellText;            // what the cell holds when accepted
  std::optional<Message> message;  // shown when refused
};
WindCommit CommitWindCell(int column, std::string_view boxText);

// The limits of a numeric column (2-4).
double WindColumnMinimum(int column);
double WindColumnMaximum(int column);

// The tooltip of the cells of column `column` (1-4): the quantity, its unit
// and the allowed range, "Start: height above the base in ft, from 0.00 to
// 99.00".
std::string WindCellToolTip(const UnitSystem& units, int column);

// The text the edit box starts with over `cell`: a number without grouping
// commas ("1,234.50" -> "1234.50"), so that the box always holds a plain
// number the commit takes back unchanged.
std::string WindEditText(const EntryForm& entry, WindCell cell);

// Commits `boxText` to `cell` of the problem: on acceptance the entry form's
// cell takes the stored text (and the problem is marked changed when the text
// differs); on refusal the platform beeps and shows the message ("Out of
// Range", or "Not a Number" naming the column and its unit) and the cell
// keeps the value it held. Returns the commit.
WindCommit CommitWindCell(Session& session, WindCell cell, std::string_view boxText);

}  // namespace calvix
