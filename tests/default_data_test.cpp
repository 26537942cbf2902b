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
  ReadItemsResult read = ReadTextItems(path, 200);
  EXPECT_TRUE(read.error.empty());
  EXPECT_FALSE(read.badLine.has_value());
  return read.items;
}

TEST(DefaultDataTest, SavingTheSiSectionKeepsEveryOtherItemAndItsKind) {
  StartedSession si(2);
  auto path = si.session.folder.Defaults();
  std::vector<TextItem> before = Items(path);
  ASSERT_EQ(before.size(), 125u);

  si.entry().DesignMethod = "IBC-W";
  si.entry().Fields[kStripWidthField] = "1000.0";
  si.entry().Fields[kFyField] = "420.0";
  si.entry().GroutSpacingOption = 1;
  si.entry().UseAxialMcr = true;
  ASSERT_TRUE(SaveDefaultValues(si.session));

  std::vector<TextItem> after = Items(path);
  ASSERT_EQ(after.size(), 125u);
  for (size_t i = 0; i < 125; ++i) {
    bool inSiSection = i >= 42 && i < 83;  // items 43-83
    if (!inSiSection) {
      EXPECT_EQ(after[i], before[i]) << "item " << i + 1;
    }
  }
  EXPECT_EQ(after[42], TextItem::FromString("IBC-W"));
  EXPECT_EQ(after[50], TextItem::FromInteger(2));            // item 9: the section's unit code
  EXPECT_EQ(after[60], TextItem::FromString("1000.0"));      // item 19: strip width
  EXPECT_EQ(after[42 + 32], TextItem::FromString("420.0"));  // item 33: Fy (field 31)
  EXPECT_EQ(after[42 + 36], TextItem::FromBoolean(false));   // item 37: partially grouted
  EXPECT_EQ(after[42 + 38], TextItem::FromBoolean(true));    // item 39: solid grouted
  EXPECT_EQ(after[82], TextItem::FromBoolean(true));         // item 41: UseAxialMcr
  // The rewritten file is still CR LF text.
  EXPECT_NE(ReadBytes(path).find("\"IBC-W\"\r\n"), std::string::npos);

  // The next S.I. problem starts from the saved section.
  si.entry().Fields[kFyField] = "";
  si.entry().DesignMethod = "ACI";
  LoadDefaultValues(si.session);
  EXPECT_EQ(si.entry().Fields[kFyField], "420.0");
  EXPECT_EQ(si.entry().DesignMethod, "IBC-W");
}

TEST(DefaultDataTest, TheQuestionComesFirstAndNoKeepsTheFile) {
  StartedSession started;
  auto path = started.session.folder.Defaults();
  std::string before = ReadBytes(path);
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
  EXPECT_EQ(ReadBytes(path), before);
}

TEST(DefaultDataTest, ASectionOfAnotherUnitSystemGivesCriteriaButNoFieldTexts) {
  StartedSession started;
  auto path = started.session.folder.Defaults();
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
  for (int keep : {0, 60}) {
    testing::TempFolder folder;
    testing::CopyProgramFiles(folder.path());
    auto path = folder / "CXDeflt.fil";
    if (keep == 0) {
      std::filesystem::remove(path);
    } else {
      auto items = Items(path);
      items.resize(static_cast<size_t>(keep));
      WriteTextItemsAtomically(path, items);
    }
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

TEST(DefaultDataTest, AFailedRewriteIsReportedAndTheFileKept) {
  StartedSession started;
  auto path = started.session.folder.Defaults();
  std::string before = ReadBytes(path);
  // Damage one item of the MKS section: the file can no longer be rewritten item for item.
  std::string damaged = before;
  damaged.replace(damaged.rfind("#FALSE#"), 7, "maybe");
  testing::WriteBytes(path, damaged);
  EXPECT_FALSE(SaveDefaultValues(started.session));
  ASSERT_EQ(started.platform.messages.size(), 2u);
  EXPECT_EQ(started.platform.messages[1].title, "File Error");
  EXPECT_NE(started.platform.messages[1].text.find(path.string()), std::string::npos);
  EXPECT_EQ(ReadBytes(path), damaged);
}

}  // namespace
}  // namespace calvix
