#include "files/project_file.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "analysis/load_combinations.h"
#include "files/default_data.h"
#include "files/text_items.h"
#include "files/units_file.h"
#include "model/entry_fields.h"
#include "model/errors.h"
#include "model/field_display.h"
#include "model/field_states.h"
#include "model/number_format.h"

namespace calvix {
namespace {

constexpr std::array<const char*, 3> kS1Classes{"< 0.75 g", "= 0.75 g", "> 0.75 g"};

bool OneOf(const std::string& text, std::initializer_list<const char*> values) {
  return std::any_of(values.begin(), values.end(), [&](const char* v) { return text == v; });
}

bool IsS1Class(const std::string& text) {
  return std::any_of(kS1Classes.begin(), kS1Classes.end(),
                     [&](const char* v) { return text == v; });
}

// A number as the program writes it into a number field: what ParseNumber
// reads, with grouping commas only between groups of three digits ("1,200.00"),
// so that a decimal comma typed by hand ("1,5") is not read as a grouping one.
bool IsFieldNumberText(const std::string& text) {
  if (!ParseNumber(text)) return false;
  const auto comma = text.find(',');
  if (comma == std::string::npos) return true;
  const auto end = text.find_first_of(".eE", comma);
  const std::string integer = text.substr(0, end);
  std::size_t digits = 0;
  for (auto i = integer.find_last_not_of(" \t"); i != std::string::npos && i > 0; --i) {
    const char c = integer[i];
    if (c == ',') {
      if (digits != 3) return false;
      digits = 0;
    } else if (c >= '0' && c <= '9') {
      ++digits;
    } else {
      break;
    }
  }
  return true;
}

// Walks the items of a file in order, checking each one's kind and value.
class ItemCursor {
 public:
  explicit ItemCursor(const std::vector<TextItem>& items) : items_(items) {}

  size_t line() const { return next_; }  // 1-based line of the item read last

  std::string String() {
    const TextItem& item = Take();
    if (item.kind != ItemKind::String) Fail("a quoted text was expected");
    return item.text;
  }
  std::string Selection(std::initializer_list<const char*> values) {
    std::string text = String();
    if (!OneOf(text, values)) Fail("\"" + text + "\" is not a value the program knows");
    return text;
  }
  bool Boolean() {
    auto value = Take().AsBoolean();
    if (!value) Fail("#TRUE# or #FALSE# was expected");
    return *value;
  }
  bool BooleanText() { return Selection({"True", "False"}) == "True"; }
  long Integer(long low, long high) {
    const TextItem& item = Take();
    auto value = item.kind == ItemKind::Integer ? item.AsInteger() : std::nullopt;
    if (!value || *value < low || *value > high) Fail("a whole number was expected");
    return *value;
  }
  double Number() {
    auto value = Take().AsNumber();
    if (!value) Fail("a number was expected");
    return *value;
  }
  float Single() {
    double value = Number();
    if (!(std::fabs(value) <= 3.4e38)) Fail("the number is out of range");
    return static_cast<float>(value);
  }

  // A text item that a number field holds: blank, or a number. A damaged or
  // hand-edited file with other text there is refused here, before any
  // calculation reads it.
  std::string NumberText(const std::string& fieldName) {
    std::string text = String();
    if (text.find_first_not_of(" \t") != std::string::npos && !IsFieldNumberText(text)) {
      Fail(fieldName + " holds \"" + text + "\", which is not a number");
    }
    return text;
  }

  [[noreturn]] void Fail(const std::string& detail) {
    throw ProjectFileFault{false, next_, detail};
  }

 private:
  const TextItem& Take() {
    if (next_ >= items_.size()) {
      ++next_;
      Fail("the file ends here");
    }
    return items_[next_++];
  }
  const std::vector<TextItem>& items_;
  size_t next_ = 0;
};

constexpr std::initializer_list<const char*> kDesignMethods{"ACI", "IBC-W", "IBC-S"};
constexpr std::initializer_list<const char*> kMaterials{"CMU", "Clay", "Brick"};
constexpr std::initializer_list<const char*> kMortarMaterials{"PCL", "Masonry"};
constexpr std::initializer_list<const char*> kMortarTypes{"N", "S", "M"};
constexpr std::initializer_list<const char*> kSupportTypes{"Pinned", "Fixed", "Partially Fixed"};
constexpr std::initializer_list<const char*> kSiteClasses{"Class A", "Class B", "Class C",
                                                          "Class D", "Class E", "Class F"};
constexpr std::initializer_list<const char*> kUseGroups{"I", "II", "III", "IV"};
constexpr std::initializer_list<const char*> kImportanceFactors{"1.0", "1.5"};

std::string SelectionOrDefault(ItemCursor& cursor, std::initializer_list<const char*> values,
                               const char* whenEmpty) {
  std::string text = cursor.String();
  if (text.empty()) return whenEmpty;
  if (!OneOf(text, values)) cursor.Fail("\"" + text + "\" is not a value the program knows");
  return text;
}

// The four option-button lines: a "True" line selects its button; the two
// buttons of a group are set in the order element 0, element 1.
void ReadOptionButtons(ItemCursor& cursor, EntryForm& entry) {
  bool grout0 = cursor.BooleanText();
  bool layers0 = cursor.BooleanText();
  bool grout1 = cursor.BooleanText();
  bool layers1 = cursor.BooleanText();
  if (grout0) entry.GroutSpacingOption = 0;
  if (grout1) entry.GroutSpacingOption = 1;
  if (layers0) entry.ReinfLayersOption = 0;
  if (layers1) entry.ReinfLayersOption = 1;
}

// The wind table: the type of each row as written, its magnitude, start and
// end numbers.
void ReadWindTable(ItemCursor& cursor, EntryForm& entry) {
  constexpr std::array<const char*, kWindColumnCount> kColumns{"Type", "Magnitude", "Start", "End"};
  for (size_t row = 0; row < entry.Wind.size(); ++row) {
    entry.Wind[row][0] = cursor.String();
    for (size_t column = 1; column < kWindColumnCount; ++column) {
      entry.Wind[row][column] = cursor.NumberText("the wind load " + std::string(kColumns[column]) +
                                                  " of row " + std::to_string(row + 1));
    }
  }
}

ProjectFileContents ParseProject(const std::vector<TextItem>& items, const EntryForm& current) {
  ProjectFileContents file;
  file.entry = current;
  EntryForm& e = file.entry;
  ItemCursor in(items);

  file.UnitsType = static_cast<int16_t>(in.Integer(1, 3));
  e.Project = in.String();
  e.Location = in.String();
  e.Designer = in.String();
  e.DesignMethod = in.Selection(kDesignMethods);
  e.MasonryMaterial = in.Selection(kMaterials);
  e.MortarMaterial = in.Selection(kMortarMaterials);
  e.RunningBond = in.Boolean();
  e.MortarType = in.Selection(kMortarTypes);
  e.Cantilever = in.Boolean();
  e.SupportType = in.Selection(kSupportTypes);
  e.PercentFixed = static_cast<int16_t>(in.Integer(INT16_MIN, INT16_MAX));
  e.StressIncreaseFactor = in.Single();
  e.UserMasonryData = in.Boolean();
  for (auto& selected : e.LoadCombSelected) selected = static_cast<int16_t>(in.Integer(0, 1));
  for (auto& factor : e.UserLoadFactors) factor = in.Number();
  e.UserFa = in.Single();
  for (int field = 0; field < kEntryFieldCount; ++field) {
    e.Fields[static_cast<size_t>(field)] = in.NumberText(EntryFieldName(field));
  }
  e.SiteClass = SelectionOrDefault(in, kSiteClasses, "Class A");
  e.UseGroup = SelectionOrDefault(in, kUseGroups, "I");

  // Line 71 holds the S1 class in the current layout and the parapet
  // importance factor in the earlier one.
  std::string line71 = in.String();
  file.currentFormat = IsS1Class(line71);
  if (file.currentFormat) {
    e.S1Class = line71;
    e.ParapetIpText = SelectionOrDefault(in, kImportanceFactors, "1.0");
  } else if (line71.empty()) {
    e.ParapetIpText = "1.0";
  } else if (OneOf(line71, kImportanceFactors)) {
    e.ParapetIpText = line71;
  } else {
    in.Fail("\"" + line71 + "\" is neither an S1 class nor an importance factor");
  }
  ReadOptionButtons(in, e);
  ReadWindTable(in, e);
  e.BuildingCodeComb = in.Selection({"YES", "NO"});
  if (file.currentFormat) e.UseAxialMcr = in.BooleanText();

  size_t expected = file.currentFormat ? kProjectFileLines : kEarlierProjectFileLines;
  if (items.size() != expected) {
    throw ProjectFileFault{false, expected + 1, "the file goes on after its last item"};
  }
  return file;
}

std::vector<TextItem> ProjectItems(const Problem& problem) {
  const EntryForm& e = problem.entry;
  std::vector<TextItem> items;
  items.reserve(kProjectFileLines);
  auto text = [&](const std::string& value) { items.push_back(TextItem::FromString(value)); };
  auto flag = [&](bool value) { items.push_back(TextItem::FromBoolean(value)); };
  auto whole = [&](long value) { items.push_back(TextItem::FromInteger(value)); };
  auto single = [&](float value) {
    items.push_back(TextItem::FromNumberText(SingleToText(value)));
  };
  auto orDefault = [](const std::string& value, const char* whenEmpty) {
    return value.empty() ? std::string(whenEmpty) : value;
  };

  whole(problem.units.UnitsType);
  text(e.Project);
  text(e.Location);
  text(e.Designer);
  text(e.DesignMethod);
  text(e.MasonryMaterial);
  text(e.MortarMaterial);
  flag(e.RunningBond);
  text(e.MortarType);
  flag(e.Cantilever);
  text(e.SupportType);
  whole(e.PercentFixed);
  single(e.StressIncreaseFactor);
  flag(e.UserMasonryData);
  for (auto selected : e.LoadCombSelected) whole(selected);
  for (double factor : e.UserLoadFactors) {
    items.push_back(TextItem::FromNumberText(DoubleToText(factor)));
  }
  single(e.UserFa);
  for (const auto& field : e.Fields) text(field);
  text(orDefault(e.SiteClass, "Class A"));
  text(orDefault(e.UseGroup, "I"));
  text(orDefault(e.S1Class, "< 0.75 g"));
  text(orDefault(e.ParapetIpText, "1.0"));
  auto trueFalse = [](bool value) { return std::string(value ? "True" : "False"); };
  text(trueFalse(e.GroutSpacingOption == 0));
  text(trueFalse(e.ReinfLayersOption == 0));
  text(trueFalse(e.GroutSpacingOption == 1));
  text(trueFalse(e.ReinfLayersOption == 1));
  for (const auto& row : e.Wind) {
    for (const auto& cell : row) text(cell);
  }
  text(e.BuildingCodeComb);
  text(trueFalse(e.UseAxialMcr));
  return items;
}

}  // namespace

std::string FaultText(const std::filesystem::path& path, const ProjectFileFault& fault) {
  if (fault.couldNotOpen) return "Error: The file, " + path.string() + ", could not be opened";
  std::string text = "Error: The file, " + path.string() + ", is not a readable Calvix file.";
  if (fault.badLine) {
    text += "\rLine " + std::to_string(*fault.badLine) + ": " + fault.detail + ".";
  }
  return text;
}

void ApplyLoadFactors(EntryForm& entry) {
  if (entry.BuildingCodeComb == "NO") {
    for (size_t i = 0; i < entry.LoadFactors.size(); ++i) {
      entry.LoadFactors[i] = static_cast<float>(entry.UserLoadFactors[i]);
    }
  } else {
    SetBuildingCodeFactors(entry);
  }
}

std::variant<ProjectFileContents, ProjectFileFault> ReadProjectFile(
    const std::filesystem::path& path, const EntryForm& current) {
  ReadItemsResult read = ReadTextItems(path, kProjectFileLines + 1);
  if (!read.error.empty() && read.items.empty() && !read.badLine) {
    return ProjectFileFault{true, std::nullopt, read.error};
  }
  if (read.badLine) {
    return ProjectFileFault{false, read.badLine, "the line is not a text, number or flag item"};
  }
  try {
    return ParseProject(read.items, current);
  } catch (const ProjectFileFault& fault) {
    return fault;
  }
}

void WriteProjectFile(const std::filesystem::path& path, const Problem& problem) {
  WriteTextItemsAtomically(path, ProjectItems(problem));
}

void ClearData(Session& session) {
  EntryForm& e = session.problem.entry;
  e.Project.clear();
  e.Location.clear();
  e.Designer.clear();
  for (auto& field : e.Fields) field.clear();
  e.UserLoadFactors.fill(0.0);
  e.LoadFactors.fill(0.0f);
  e.SiteClass = "Class A";
  e.UseGroup = "I";
  e.ParapetIpText = "1.0";
  e.UserFa = 0.0f;
  e.S1Class = "< 0.75 g";
  session.problem.working.SeismicCategory.clear();
  session.window.ProjectStatus = "Project:  " + e.Project;
  session.window.Caption = "Calvix";
  for (auto& row : e.Wind) {
    for (auto& cell : row) cell.clear();
  }
}

void SwitchUnitSystem(Session& session, int16_t unitsType) {
  const ProgramFolder& folder = session.folder;
  session.problem.units = LoadUnits(unitsType, folder.Units(), folder.Bars());
  LoadMaxMinValues(session);
  LoadDecimalFormats(session);
  LoadFieldLabels(session);
}

}  // namespace calvix
