// Options > Save Default Data and the default data a new problem starts from.
#include "files/default_data.h"

#include <gtest/gtest.h>

#include "files/text_items.h"
#include "model/errors.h"
#include "support/started_session.h"

namespace calvix {
namespace {

using testing::ReadBytes;
using testing::StartedSession;

std::vector<TextItem> Items(const std::filesystem::path& path) {
  const ReadItemsResult read = ReadTextItems(path, 200);
  EXPECT_TRUE(read.error.empty() && !read.badLine.has_value());
  return read.items;
}

TEST(DefaultDataTest, SavingTheSiSectionKeepsEveryOtherItemAndItsKind) {
  StartedSession si(2);
  const auto path = si.session.folder.Defaults();
  const std::vector<TextItem> before = Items(path);
  si.entry().DesignMethod = "IBC-W";
  si.entry().Fields[kStripWidthField] = "1000.0";
  si.entry().Fields[kFyField] = "420.0";
  si.entry().GroutSpacingOption = 1;
  si.entry().UseAxialMcr = true;
  ASSERT_TRUE(SaveDefaultValues(si.session));
  std::vector<TextItem> after = Items(path);
  // Items 43-83 hold the S.I. section: 43 the method, 51 the unit code, 61
  // the strip width, 75 Fy (field 31), 79 / 81 partially / solid grouted, 83
  // UseAxialMcr.
  const std::vector<std::pair<size_t, TextItem>> changed = {
      {43, TextItem::FromString("IBC-W")},  {51, TextItem::FromInteger(2)},
      {61, TextItem::FromString("1000.0")}, {75, TextItem::FromString("420.0")},
      {79, TextItem::FromBoolean(false)},   {81, TextItem::FromBoolean(true)},
      {83, TextItem::FromBoolean(true)}};
  for (const auto& [item, value] : changed) EXPECT_EQ(after.at(item - 1), value) << "item " << item;
  for (size_t i = 42; i < 83; ++i) after.at(i) = before.at(i);
  EXPECT_EQ(after, before);
  // The next S.I. problem starts from the saved section.
  si.entry().Fields[kFyField] = "";
  si.entry().DesignMethod = "ACI";
  LoadDefaultValues(si.session);
  EXPECT_EQ(si.entry().Fields[kFyField], "420.0");
  EXPECT_EQ(si.entry().DesignMethod, "IBC-W");
}

TEST(DefaultDataTest, TheQuestionComesFirstAndNoKeepsTheFile) {
  StartedSession started;
  const std::string before = ReadBytes(started.session.folder.Defaults());
  started.entry().Fields[kFyField] = "50.00";
  started.platform.answers.push_back(MessageAnswer::No);
  EXPECT_FALSE(SaveDefaultValues(started.session));
  ASSERT_EQ(started.platform.messages.size(), 1u);
  EXPECT_EQ(started.platform.messages[0].text,
            "\"Default Data\" is defined as the data fields that are filled in each time the "
            "program begins.\r(i.e. Grout Spacing, Fy, Fs, Es, etc.)\r\rDO YOU WISH TO SAVE "
            "CHANGES TO THE DEFAULT DATA?");
  EXPECT_EQ(started.platform.messages[0].title, "Default Data...");
  EXPECT_EQ(started.platform.messages[0].icon, MessageIcon::Question);
  EXPECT_EQ(ReadBytes(started.session.folder.Defaults()), before);
  // Yes, but one damaged item of the MKS section: the file can no longer be
  // rewritten item for item; the failure is reported and the file kept.
  std::string damaged = before;
  damaged.replace(damaged.rfind("#FALSE#"), 7, "maybe");
  testing::WriteBytes(started.session.folder.Defaults(), damaged);
  EXPECT_FALSE(SaveDefaultValues(started.session));
  ASSERT_EQ(started.platform.messages.size(), 3u);
  EXPECT_EQ(started.platform.messages[2].title, "File Error");
  EXPECT_NE(started.platform.messages[2].text.find(started.session.folder.Defaults().string()),
            std::string::npos);
  EXPECT_EQ(ReadBytes(started.session.folder.Defaults()), damaged);
}

TEST(DefaultDataTest, ASectionOfAnotherUnitSystemGivesCriteriaButNoFieldTexts) {
  StartedSession started;
  const auto path = started.session.folder.Defaults();
  std::vector<TextItem> items = Items(path);
  items[0] = TextItem::FromString("IBC-S");
  items[8] = TextItem::FromInteger(3);  // the U.S. section claims to be MKS
  WriteTextItemsAtomically(path, items);
  started.entry().Fields[kFyField] = "";
  LoadDefaultValues(started.session);
  EXPECT_EQ(started.entry().DesignMethod, "IBC-S");
  EXPECT_FLOAT_EQ(started.entry().LoadFactors[0], 1.2f);  // strength design factors
  EXPECT_EQ(started.entry().Fields[kFyField], "");
  EXPECT_EQ(started.session.window.ProjectStatus, "Project: ");
}

TEST(DefaultDataTest, MissingOrShortDefaultDataStopsTheStart) {
  for (size_t keep : {0, 60}) {
    testing::TempFolder folder;
    testing::CopyProgramFiles(folder.path());
    const auto path = folder / "CXDeflt.fil";
    auto items = Items(path);
    items.resize(keep);
    WriteTextItemsAtomically(path, items);
    if (keep == 0) std::filesystem::remove(path);
    testing::RecordingPlatform platform;
    Session session(platform, ProgramFolder{folder.path()});
    try {
      StartProgram(session);
      ADD_FAILURE() << "the start must fail without the default data";
    } catch (const CalvixError& error) {
      EXPECT_NE(std::string(error.what()).find(path.string()), std::string::npos) << error.what();
    }
  }
}

}  // namespace
}  // namespace calvix
