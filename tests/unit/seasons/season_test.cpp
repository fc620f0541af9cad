#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/main_window_behaviour.h"
#include "app/product.h"
#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_registry.h"
#include "seasons/season_command.h"
#include "seasons/season_date.h"
#include "seasons/seasons.h"
#include "unit/install/install_fixture.h"

namespace tolmarin::seasons {
namespace {

namespace mb = platform::mb;
namespace st = platform::status;
using platform::memory::FsOp;
using platform::memory::RegOp;

TEST(SeasonOfDate, ChangesOnTheTwentyFirst) {
  struct Case {
    int day, month;
    std::int16_t season;
  };
  for (const Case& c : {Case{20, 3, kWinter}, Case{21, 3, kSpring}, Case{20, 6, kSpring},
                        Case{21, 6, kSummer}, Case{20, 9, kSummer}, Case{21, 9, kFall},
                        Case{20, 12, kFall}, Case{21, 12, kWinter}, Case{31, 12, kWinter},
                        Case{1, 1, kWinter}, Case{29, 2, kWinter}, Case{31, 5, kSpring}}) {
    platform::memory::FixedClock clock(platform::Date{c.day, c.month, 2026});
    std::int16_t season = 0;
    GetSystemSeason(clock, season);
    EXPECT_EQ(season, c.season) << c.day << "." << c.month;
  }
}

// The scenery installed, with the textures of winter in place.
class SeasonChangeTest : public testing::InstallFixture {
 protected:
  SeasonChangeTest() {
    fake.registry.SetString(app::kRecordKey, "InstalledTo", testing::kDestination);
    fake.registry.SetString(app::kRecordKey, "Fs6InstalledTo", testing::kSimulator);
    fake.registry.SetString(app::kRecordKey, "Season", "1");
    fake.files.MakeFolders("C:\\FS95\\Orvanne\\TEXTURE");
    Start();
  }

  void Choose(std::int16_t season) { app::HighlightSeason(app, season); }
  std::string Texture(const std::string& name) {
    return fake.files.ReadFile("C:\\FS95\\Orvanne\\TEXTURE\\" + name).value_or("(none)");
  }
};

TEST_F(SeasonChangeTest, CopiesTheChosenSeasonAndStoresIt) {
  const char* folders[] = {"", "WINTER", "SPRING", "SUMMER", "FALL"};
  const char* names[] = {"", "Winter", "Spring", "Summer", "Fall"};
  for (std::int16_t season : {kSpring, kSummer, kFall, kWinter}) {
    SCOPED_TRACE(names[season]);
    Choose(season);
    const std::size_t shown = Boxes().size();
    fake.messageBoxes.QueueAnswer(mb::kAnswerYes);
    InstallASeason(app);

    ASSERT_EQ(Boxes().size(), shown + 2);
    EXPECT_EQ(Boxes()[shown].text, std::string("m25 ") + names[season] + " ?");
    EXPECT_EQ(Boxes()[shown].style, mb::kYesNo);
    EXPECT_EQ(Boxes()[shown].title, "m24");
    EXPECT_EQ(Boxes()[shown + 1].text, "m26");
    EXPECT_EQ(Boxes()[shown + 1].style, mb::kOk);
    EXPECT_EQ(Boxes()[shown + 1].title, "m24");
    for (const std::string& name : testing::PackageFiles().at(folders[season])) {
      EXPECT_EQ(Texture(name), testing::ContentOf(folders[season], name));
    }
    EXPECT_EQ(Record("Season"), std::to_string(season));
    EXPECT_EQ(Caption(), "m31 " + app.state.FileLists[static_cast<std::size_t>(season)].back() + " 100%");
    EXPECT_EQ(Pointer(), platform::kDefaultPointer);
  }
}

TEST_F(SeasonChangeTest, NoChangesNothing) {
  Choose(kFall);
  const auto before = fake.files.AllPaths();
  fake.messageBoxes.QueueAnswer(mb::kAnswerNo);
  InstallASeason(app);
  EXPECT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(fake.files.AllPaths(), before);
  EXPECT_EQ(fake.files.CallCount(FsOp::kCopyFile), 0);
  EXPECT_EQ(Record("Season"), "1");
}

TEST_F(SeasonChangeTest, AnEmptySeasonFolderStillStoresTheSeason) {
  for (const std::string& name : testing::PackageFiles().at("FALL")) {
    fake.files.DeleteFile("D:\\Pkg\\FALL\\" + name);
  }
  app::RefreshMainWindow(app);
  Choose(kFall);
  fake.messageBoxes.QueueAnswer(mb::kAnswerYes);
  InstallASeason(app);
  EXPECT_EQ(Caption(), "m31  100%");
  EXPECT_EQ(Record("Season"), "4");
  EXPECT_EQ(BoxTexts().back(), "m26");
}

TEST_F(SeasonChangeTest, ATextureThatCannotBeCopiedKeepsTheStoredSeason) {
  fake.files.WriteFile("C:\\FS95\\Orvanne\\TEXTURE\\GRD2.R8", "locked", platform::attr::kReadOnly);
  Choose(kSummer);
  fake.messageBoxes.QueueAnswer(mb::kAnswerYes);
  fake.messageBoxes.QueueAnswer(mb::kAnswerOk);
  fake.messageBoxes.QueueAnswer(mb::kAnswerOk);
  fake.messageBoxes.QueueAnswer(mb::kAnswerOk);
  InstallASeason(app);

  EXPECT_EQ(Record("Season"), "1");
  const std::vector<std::string> texts = BoxTexts();
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "Path/File access error"), 3);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "m26"), 0);
  EXPECT_EQ(texts.back().rfind("The change to Summer is incomplete: copying D:\\Pkg\\SUMMER\\GRD2.R8", 0),
            0u)
      << texts.back();
  EXPECT_EQ(Texture("GRD1.R8"), testing::ContentOf("SUMMER", "GRD1.R8")) << "copied before it stays";
  EXPECT_EQ(Texture("GRD2.R8"), "locked");
  EXPECT_EQ(Pointer(), platform::kDefaultPointer);
}

TEST_F(SeasonChangeTest, ASeasonThatCannotBeStoredIsToldInsteadOfDone) {
  fake.registry.FailOn(RegOp::kSetValue, "SOFTWARE\\Ostrel\\*", st::kAccessDenied, 1, true);
  Choose(kSpring);
  fake.messageBoxes.QueueAnswer(mb::kAnswerYes);
  InstallASeason(app);
  EXPECT_EQ(Texture("FLD4.R8"), testing::ContentOf("SPRING", "FLD4.R8"));
  EXPECT_NE(BoxTexts().back(), "m26");
  EXPECT_NE(BoxTexts().back().find("could not be stored"), std::string::npos);
  EXPECT_EQ(Record("Season"), "1");
}

}  // namespace
}  // namespace tolmarin::seasons
