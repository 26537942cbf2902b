#include "model/wind_grid.h"

#include <algorithm>

#include "model/entry_editing.h"
#include "model/field_display.h"
#include "model/number_format.h"

namespace calvix {
namespace {

constexpr WindCell kLastCell{kWindRowCount, kWindColumnCount};

std::string TrimRight(std::string text) {
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

std::optional<WindCell> NextCell(WindCell cell) {
  if (cell == kLastCell) return std::nullopt;
  if (cell.column < kWindColumnCount) return WindCell{cell.row, cell.column + 1};
  return WindCell{cell.row + 1, 1};
}

std::optional<WindCell> PreviousCell(WindCell cell) {
  if (cell.column > 1) return WindCell{cell.row, cell.column - 1};
  if (cell.row > 1) return WindCell{cell.row - 1, kWindColumnCount};
  return std::nullopt;
}

std::optional<WindCell> CellBelow(WindCell cell) {
  if (cell.row < kWindRowCount) return WindCell{cell.row + 1, cell.column};
  if (cell.column < kWindColumnCount) return WindCell{1, cell.column + 1};
  return std::nullopt;
}

std::optional<WindCell> CellAbove(WindCell cell) {
  if (cell.row > 1) return WindCell{cell.row - 1, cell.column};
  if (cell.column > 1) return WindCell{kWindRowCount, cell.column - 1};
  return std::nullopt;
}

WindNavigation MoveOrNothing(std::optional<WindCell> target) {
  if (!target) return {};
  return {WindNavigation::Action::MoveTo, *target};
}

std::string OutOfRangeLine(double value, double low, double high) {
  return "Sorry, " + FormatNumber(value, "#,##0.00") + " is out of range.\n" +
         " Acceptable values are between " + FormatNumber(low, "#,##0.00") + " and " +
         FormatNumber(high, "#,##0.00");
}

}  // namespace

std::array<std::string, kWindGridColumns> WindGridHeadings(const UnitSystem& units) {
  std::string length = TrimRight(units.Label(kLengthLong));
  return {
      "No.",
      "Type\r(W or H)",
      "Magnitude\r(" + TrimRight(units.Label(kWindPressure)) + ", " +
          TrimRight(units.Label(kLineLoad)) + ")",
      "Start\r(" + length + ")",
      "End\r(" + length + ")",
  };
}

const std::string& WindCellText(const EntryForm& entry, WindCell cell) {
  return entry.Wind.at(static_cast<size_t>(cell.row - 1)).at(static_cast<size_t>(cell.column - 1));
}

WindKeyResult FilterWindKey(int column, char32_t ch) {
  using Action = WindKeyResult::Action;
  if (column == 1) {
    if (ch == U'W' || ch == U'w') return {Action::SetTypeAndGo, "W"};
    if (ch == U'H' || ch == U'h') return {Action::SetTypeAndGo, "H"};
    if (ch == U' ') return {Action::EmptyBox, ""};
    return {Action::Refuse, ""};
  }
  // Every character goes into the box as typed.
  if (ch < 0x80) return {Action::Insert, std::string(1, static_cast<char>(ch))};
  return {Action::Insert, ""};
}

WindNavigation NavigateWindGrid(WindCell cell, WindKey key, int caret, int textLength) {
  switch (key) {
    case WindKey::Escape:
      return {WindNavigation::Action::EmptyBox, cell};
    case WindKey::Enter:
    case WindKey::Tab: {
      auto next = NextCell(cell);
      if (!next) return {WindNavigation::Action::LeaveGrid, cell};
      return {WindNavigation::Action::MoveTo, *next};
    }
    case WindKey::Right:
      if (textLength > 0 && caret < textLength) return {WindNavigation::Action::PassToBox, cell};
      return MoveOrNothing(NextCell(cell));
    case WindKey::Left:
      if (caret > 0) return {WindNavigation::Action::PassToBox, cell};
      return MoveOrNothing(PreviousCell(cell));
    case WindKey::Down:
      return MoveOrNothing(CellBelow(cell));
    case WindKey::Up:
      return MoveOrNothing(CellAbove(cell));
  }
  return {};
}

double WindColumnMinimum(int column) {
  return column == 2 ? -9999.0 : 0.0;
}
double WindColumnMaximum(int column) {
  return column == 2 ? 9999.0 : 99.0;
}

WindCommit CommitWindCell(int column, std::string_view boxText) {
  WindCommit commit;
  if (column == 1) {
    commit.accepted = true;
    commit.cellText = std::string(boxText);
    return commit;
  }
  if (boxText.find_first_not_of(' ') == std::string_view::npos) {
    commit.accepted = true;
    return commit;
  }
  auto value = ParsePlainNumber(boxText);
  if (!value) return commit;  // not a number: the session commit names the column
  double low = WindColumnMinimum(column);
  double high = WindColumnMaximum(column);
  if (*value < low || *value > high) {
    commit.message = Message{OutOfRangeLine(*value, low, high), "Out of Range",
                             MessageIcon::Information, MessageButtons::Ok};
    return commit;
  }
  commit.accepted = true;
  commit.cellText = FormatNumber(*value, "#,##0.00");
  return commit;
}

std::string WindCellToolTip(const UnitSystem& units, int column) {
  const std::string length = TrimRight(units.Label(kLengthLong));
  const auto range = [&] {
    return ", from " + FormatNumber(WindColumnMinimum(column), "#,##0.00") + " to " +
           FormatNumber(WindColumnMaximum(column), "#,##0.00");
  };
  switch (column) {
    case 1:
      return "Type: W for a pressure over a height range, H for a line load at one height";
    case 2:
      return "Magnitude: pressure in " + TrimRight(units.Label(kWindPressure)) +
             " for W, line load along the wall in " + TrimRight(units.Label(kLineLoad)) + " for H" +
             range();
    case 3:
      return "Start: height above the base in " + length + range();
    default:
      return "End: height above the base in " + length + range();
  }
}

std::string WindEditText(const EntryForm& entry, WindCell cell) {
  const std::string& text = WindCellText(entry, cell);
  if (cell.column == 1) return text;
  auto value = ParseNumber(text);
  return value ? FormatFieldText(*value, 2) : text;
}

WindCommit CommitWindCell(Session& session, WindCell cell, std::string_view boxText) {
  WindCommit commit = CommitWindCell(cell.column, boxText);
  if (!commit.accepted && !commit.message) {
    std::string heading =
        WindGridHeadings(session.problem.units).at(static_cast<size_t>(cell.column));
    std::replace(heading.begin(), heading.end(), '\r', ' ');
    commit.message =
        Message{NotANumberText("the wind load " + heading, cell.column == 2, std::string(boxText)),
                "Not a Number", MessageIcon::Information, MessageButtons::Ok};
  }
  if (commit.accepted) {
    std::string& stored = session.problem.entry.Wind.at(static_cast<size_t>(cell.row - 1))
                              .at(static_cast<size_t>(cell.column - 1));
    if (stored != commit.cellText) {
      stored = commit.cellText;
      MarkInputChanged(session.problem);
    }
    return commit;
  }
  session.platform.Beep();
  if (commit.message) session.platform.ShowMessage(*commit.message);
  return commit;
}

}  // namespace calvix
