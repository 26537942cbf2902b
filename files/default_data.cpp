#include "files/default_data.h"

#include <vector>

#include "analysis/load_combinations.h"
#include "files/text_items.h"
#include "model/errors.h"
#include "model/number_format.h"

namespace calvix {
namespace {

// First item (0-based) of the section of each unit system.
size_t SectionStart(int16_t unitsType) {
  return static_cast<size_t>(unitsType - 1) * (kDefaultSectionItems + 1);
}

// The fields a default section holds, in file order: strip width, Ss and the
// masonry and material fields 19-34.
std::vector<int> SectionFields() {
  std::vector<int> fields{kStripWidthField, kSsField};
  for (int field = kUnitStrengthField; field <= kMinSteelRatioField; ++field)
    fields.push_back(field);
  return fields;
}

std::vector<TextItem> ReadDefaultItems(const std::filesystem::path& path) {
  ReadItemsResult read = ReadTextItems(path, kDefaultDataItems + 1);
  std::string problem;
  if (!read.error.empty()) {
    problem = "is missing or cannot be read";
  } else if (read.badLine) {
    problem = "is damaged at line " + std::to_string(*read.badLine);
  } else if (read.items.size() != kDefaultDataItems) {
    problem = "holds " + std::to_string(read.items.size()) + " items instead of " +
              std::to_string(kDefaultDataItems);
  }
  if (!problem.empty()) {
    throw CalvixError(read.error.empty() ? kErrorInputPastEnd : kErrorFileNotFound,
                      "Default data file \"" + path.string() + "\" " + problem);
  }
  return read.items;
}

// Reads one section item of the expected kind.
class SectionReader {
 public:
  SectionReader(const std::vector<TextItem>& items, size_t start, std::filesystem::path path)
      : items_(items), next_(start), path_(std::move(path)) {}

  std::string String() { return Take(ItemKind::String).text; }
  bool Boolean() { return *Take(ItemKind::Boolean).AsBoolean(); }
  long Integer() {
    auto value = Take(ItemKind::Integer).AsInteger();
    if (!value) Fail();
    return *value;
  }
  float Single() {
    const TextItem& item = items_.at(next_);
    auto value = item.AsNumber();
    if (!value) Fail();
    ++next_;
    return static_cast<float>(*value);
  }

 private:
  const TextItem& Take(ItemKind kind) {
    const TextItem& item = items_.at(next_);
    if (item.kind != kind) Fail();
    ++next_;
    return item;
  }
  [[noreturn]] void Fail() const {
    throw CalvixError(kErrorTypeMismatch, "Default data file \"" + path_.string() +
                                              "\" has an item of the wrong kind at line " +
                                              std::to_string(next_ + 1));
  }
  const std::vector<TextItem>& items_;
  size_t next_;
  std::filesystem::path path_;
};

bool IsSiteClass(const std::string& text) {
  for (const char* name : {"Class A", "Class B", "Class C", "Class D", "Class E", "Class F"}) {
    if (text == name) return true;
  }
  return false;
}

std::vector<TextItem> SectionItems(const Problem& problem) {
  const EntryForm& e = problem.entry;
  std::vector<TextItem> items;
  items.push_back(TextItem::FromString(e.DesignMethod));
  items.push_back(TextItem::FromString(e.MasonryMaterial));
  items.push_back(TextItem::FromString(e.MortarMaterial));
  items.push_back(TextItem::FromBoolean(e.RunningBond));
  items.push_back(TextItem::FromString(e.MortarType));
  items.push_back(TextItem::FromBoolean(e.Cantilever));
  items.push_back(TextItem::FromString(e.SupportType));
  items.push_back(TextItem::FromInteger(e.PercentFixed));
  items.push_back(TextItem::FromInteger(problem.units.UnitsType));
  items.push_back(TextItem::FromNumberText(SingleToText(e.StressIncreaseFactor)));
  items.push_back(TextItem::FromBoolean(e.UserMasonryData));
  for (auto selected : e.LoadCombSelected) items.push_back(TextItem::FromInteger(selected));
  items.push_back(TextItem::FromString(e.BuildingCodeComb));
  items.push_back(TextItem::FromString(e.SiteClass));
  for (int field : SectionFields()) {
    items.push_back(TextItem::FromString(e.Fields[static_cast<size_t>(field)]));
  }
  items.push_back(TextItem::FromBoolean(e.GroutSpacingOption == 0));
  items.push_back(TextItem::FromBoolean(e.ReinfLayersOption == 0));
  items.push_back(TextItem::FromBoolean(e.GroutSpacingOption == 1));
  items.push_back(TextItem::FromBoolean(e.ReinfLayersOption == 1));
  items.push_back(TextItem::FromBoolean(e.UseAxialMcr));
  return items;
}

constexpr const char* kSaveDefaultsQuestion =
    "\"Default Data\" is defined as the data fields that are filled in each time the program "
    "begins.\r(i.e. Grout Spacing, Fy, Fs, Es, etc.)\r\rDO YOU WISH TO SAVE CHANGES TO THE "
    "DEFAULT DATA?";

}  // namespace

void LoadDefaultValues(Session& session) {
  const auto path = session.folder.Defaults();
  std::vector<TextItem> items = ReadDefaultItems(path);
  Problem& problem = session.problem;
  EntryForm& e = problem.entry;
  SectionReader in(items, SectionStart(problem.units.UnitsType), path);

  e.DesignMethod = in.String();
  e.MasonryMaterial = in.String();
  e.MortarMaterial = in.String();
  e.RunningBond = in.Boolean();
  e.MortarType = in.String();
  e.Cantilever = in.Boolean();
  e.SupportType = in.String();
  e.PercentFixed = static_cast<int16_t>(in.Integer());
  long sectionUnits = in.Integer();
  e.StressIncreaseFactor = in.Single();
  e.UserMasonryData = in.Boolean();
  for (auto& selected : e.LoadCombSelected) selected = static_cast<int16_t>(in.Integer());
  e.BuildingCodeComb = in.String();
  SetBuildingCodeFactors(e);
  std::string siteClass = in.String();
  if (IsSiteClass(siteClass)) e.SiteClass = siteClass;
  session.window.ProjectStatus = "Project: " + e.Project;

  if (sectionUnits == problem.units.UnitsType) {
    for (int field : SectionFields()) e.Fields[static_cast<size_t>(field)] = in.String();
    bool grout0 = in.Boolean();
    bool layers0 = in.Boolean();
    bool grout1 = in.Boolean();
    bool layers1 = in.Boolean();
    if (grout0) e.GroutSpacingOption = 0;
    if (grout1) e.GroutSpacingOption = 1;
    if (layers0) e.ReinfLayersOption = 0;
    if (layers1) e.ReinfLayersOption = 1;
    e.UseAxialMcr = in.Boolean();
  }
}

bool SaveDefaultValues(Session& session) {
  if (!session.platform.AskYesNo(kSaveDefaultsQuestion, "Default Data...")) return false;
  const auto path = session.folder.Defaults();
  try {
    std::vector<TextItem> items = ReadDefaultItems(path);
    std::vector<TextItem> section = SectionItems(session.problem);
    size_t start = SectionStart(session.problem.units.UnitsType);
    std::copy(section.begin(), section.end(), items.begin() + static_cast<long>(start));
    WriteTextItemsAtomically(path, items);
  } catch (const CalvixError& error) {
    session.platform.ShowInformation(
        "Error: The file, " + path.string() + ", could not be saved.\r" + error.what(),
        "File Error");
    return false;
  }
  return true;
}

}  // namespace calvix
