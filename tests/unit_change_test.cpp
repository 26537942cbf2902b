// Options > Units converting the open problem; the converted texts, worked by
// hand, are in tests/data/files/unit_change.txt.
#include "files/unit_change.h"

#include <gtest/gtest.h>

#include "files/settings.h"
#include "model/entry_fields.h"
#include "support/file_fixtures.h"
#include "support/started_session.h"

namespace calvix {
namespace {

using testing::CaseRow;
using testing::CaseTable;

// An entry field ("8") or a wind cell ("w1.2": row 1, column 2).
std::string& Cell(EntryForm& e, const std::string& key) {
  if (key[0] != 'w') return e.Fields.at(std::stoul(key));
  return e.Wind.at(static_cast<size_t>(key[1] - '0')).at(static_cast<size_t>(key[3] - '0'));
}

struct UsProblem : testing::StartedSession {
  UsProblem() {
    entry().UserMasonryData = true;  // keeps f'm as typed, so that it shows its conversion
    for (const CaseRow& c : CaseTable("unit_change.txt")) {
      if (c[0] == "US") Cell(entry(), c[1]) = c[2];
    }
  }
};

TEST(UnitChangeTest, ConvertedTextsAsTheTableSays) {
  for (const CaseRow& c : CaseTable("unit_change.txt")) {
    SCOPED_TRACE(c.where);
    if (c[0] == "nominal") {
      EXPECT_DOUBLE_EQ(NearestNominalSize(c.Number(1), static_cast<int16_t>(c.Number(2))),
                       c.Number(3));
    }
    if (c[0] == "US" || c[0] == "nominal") continue;
    UsProblem started;
    for (char system : c[0]) ConvertUnitSystem(started.session, static_cast<int16_t>(system - '0'));
    EXPECT_EQ(Cell(started.entry(), c[1]), c[2]);
  }
}

TEST(UnitChangeTest, RoundedSizesAreListed) {
  UsProblem started;
  const auto rounded = ConvertUnitSystem(started.session, 2);
  EXPECT_EQ(RoundedSizesText(rounded),
            "Nominal sizes rounded to the standard sizes of the new unit system:\r"
            "\rNominal Wall Thickness:  203.2 mm -> 200.0 mm"
            "\rNominal Length of Masonry Unit:  406.4 mm -> 400.0 mm");
  EXPECT_TRUE(started.problem().DataChanged);
  EXPECT_FALSE(started.problem().Designed);
  const auto back = ConvertUnitSystem(started.session, 1);
  ASSERT_EQ(back.size(), 2u);
  EXPECT_EQ(back[0].converted + " -> " + back[0].rounded, "7.87 in -> 8.00 in");
  // The same system changes nothing.
  started.problem().DataChanged = false;
  const EntryForm before = started.entry();
  EXPECT_TRUE(ConvertUnitSystem(started.session, 1).empty());
  EXPECT_EQ(started.entry().Fields, before.Fields);
  EXPECT_FALSE(started.problem().DataChanged);
}

TEST(UnitChangeTest, UnitsDialogConvertsAndKeepsTheChoice) {
  UsProblem started;
  ASSERT_TRUE(UnitsDialogOk(started.session, 2, UnitChange::ConvertProblem));
  EXPECT_EQ(started.entry().Fields[kWallHeightField], "3.658");
  ASSERT_EQ(started.platform.messages.size(), 1u);
  EXPECT_EQ(started.platform.messages[0].title, "Calvix Units");
  EXPECT_EQ(SettingsFile(started.session.folder.Settings()).Read("Units System", "UnitsType"), "2");
}

}  // namespace
}  // namespace calvix
