#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "scenerylist/scenery_list_file.h"
#include "installed_scenery.h"
#include "uninstall/uninstall.h"

namespace tolmarin::uninstall {
namespace {

using platform::memory::FsOp;
using platform::memory::ProgramEnded;
using platform::memory::RegOp;
using testing::InstalledScenery;
using testing::kListPath;
namespace mb = platform::mb;
namespace st = platform::status;

class UninstallTest : public ::testing::Test, public InstalledScenery {
 protected:
  UninstallTest() {
    PrepareState();
    before = Paths();
  }

  // Answers the question; true when the uninstall ended the program.
  bool Run(int answer = mb::kAnswerYes) {
    fake.messageBoxes.QueueAnswer(answer);
    try {
      EXPECT_FALSE(UninstallScenery(app));
      return false;
    } catch (const ProgramEnded&) {
      return true;
    }
  }

  const platform::memory::ShownBox& LastBox() { return fake.messageBoxes.Shown().back(); }
  bool Completed() { return LastBox().text == "m32" && LastBox().style == mb::kOk; }

  // What is gone of what was there before the run.
  std::vector<std::string> Removed() {
    std::vector<std::string> now = Paths();
    std::vector<std::string> gone;
    std::set_difference(before.begin(), before.end(), now.begin(), now.end(),
                        std::back_inserter(gone));
    return gone;
  }

  std::vector<std::string> Titles() {
    std::optional<std::string> bytes = fake.files.ReadFile(kListPath);
    if (!bytes) return {"(no list)"};
    std::vector<std::uint8_t> data(bytes->begin(), bytes->end());
    scenerylist::SceneryList list;
    if (!scenerylist::ParseSceneryList(data, list).ok) return {"(unreadable list)"};
    std::vector<std::string> titles;
    for (int i = 1; i <= list.areaCount; ++i) titles.push_back(list.areas[i].title);
    return titles;
  }

  void ExpectKeysGone() {
    EXPECT_FALSE(fake.registry.KeyExists(app::kRecordKey));
    EXPECT_FALSE(fake.registry.KeyExists(app::kUninstallKey));
    EXPECT_TRUE(fake.registry.KeyExists(app::kSimulatorKey));
  }

  std::vector<std::string> before;
};

const std::vector<std::string> kSimulatorFilesOfOurs = {
    "C:\\FS95\\ADV\\ORVTOUR.APL", "C:\\FS95\\PILOTS\\ORVANNE1.STN",
    "C:\\FS95\\PILOTS\\ORVANNE2.STN", "C:\\FS95\\VIDEOS\\ORVAPPR.VID"};

TEST_F(UninstallTest, AnswerNoTouchesNothing) {
  EXPECT_FALSE(Run(mb::kAnswerNo));
  EXPECT_EQ(Paths(), before);
  EXPECT_TRUE(fake.registry.KeyExists(app::kRecordKey));
  EXPECT_TRUE(fake.registry.KeyExists(app::kUninstallKey));
  EXPECT_TRUE(log.empty());
  ASSERT_EQ(fake.messageBoxes.Shown().size(), 1u);
  EXPECT_EQ(LastBox().text, "m27 ?");
  EXPECT_EQ(LastBox().style, mb::kYesNo);
  EXPECT_EQ(LastBox().title, "m27");
  EXPECT_EQ(MainPointer(), platform::kDefaultPointer);
}

TEST_F(UninstallTest, RemovesWhatItInstalledInOrderAndEnds) {
  ASSERT_TRUE(Run());

  // The list's own temporary files are its business; the order of the rest is ours.
  std::vector<std::string> steps;
  for (const std::string& step : log) {
    if (step.find(".tolmarin.") == std::string::npos) steps.push_back(step);
  }
  const std::vector<std::string> expected = {
      "delete C:\\FS95\\Orvanne\\SCENERY\\ORVANNE.BGL",
      "delete C:\\FS95\\Orvanne\\SCENERY\\ORVAPT.BGL",
      "delete C:\\FS95\\Orvanne\\TEXTURE\\ORVBLD01.R8",
      "delete C:\\FS95\\Orvanne\\TEXTURE\\ORVGRD01.R8",
      "delete C:\\FS95\\Orvanne\\TEXTURE\\ORVGRD02.R8",
      "delete C:\\FS95\\Orvanne\\TEXTURE\\ORVRWY.R8",
      "delete C:\\FS95\\Orvanne\\ORVAREA.BGL",
      "rmdir C:\\FS95\\Orvanne\\SCENERY",
      "rmdir C:\\FS95\\Orvanne\\TEXTURE",
      "rmdir C:\\FS95\\Orvanne",
      "delete C:\\FS95\\PILOTS\\ORVANNE1.STN",
      "delete C:\\FS95\\PILOTS\\ORVANNE2.STN",
      "delete C:\\FS95\\VIDEOS\\ORVAPPR.VID",
      "delete C:\\FS95\\ADV\\ORVTOUR.APL",
      std::string("regdelete ") + app::kRecordKey,
      std::string("regdelete ") + app::kUninstallKey,
      "replace C:\\FS95\\scenery\\world.vis"};
  EXPECT_EQ(steps, expected);

  std::vector<std::string> removed = kSimulatorFilesOfOurs;
  for (const char* path :
       {"C:\\FS95\\Orvanne", "C:\\FS95\\Orvanne\\ORVAREA.BGL", "C:\\FS95\\Orvanne\\SCENERY",
        "C:\\FS95\\Orvanne\\SCENERY\\ORVANNE.BGL", "C:\\FS95\\Orvanne\\SCENERY\\ORVAPT.BGL",
        "C:\\FS95\\Orvanne\\TEXTURE", "C:\\FS95\\Orvanne\\TEXTURE\\ORVBLD01.R8",
        "C:\\FS95\\Orvanne\\TEXTURE\\ORVGRD01.R8", "C:\\FS95\\Orvanne\\TEXTURE\\ORVGRD02.R8",
        "C:\\FS95\\Orvanne\\TEXTURE\\ORVRWY.R8"}) {
    removed.push_back(path);
  }
  std::sort(removed.begin(), removed.end());
  // The sound files, and files named like ours in other folders, stay.
  EXPECT_EQ(Removed(), removed);
  ExpectKeysGone();
  EXPECT_EQ(Titles(), (std::vector<std::string>{"Default Scenery", "Lakes"}));

  ASSERT_EQ(fake.messageBoxes.Shown().size(), 2u);
  EXPECT_TRUE(Completed());
  EXPECT_EQ(LastBox().title, "m27");
  EXPECT_EQ(boxes.pointers,
            (std::vector<int>{platform::kDefaultPointer, platform::kHourglassPointer}));
  EXPECT_EQ(MainPointer(), platform::kDefaultPointer);
}

TEST_F(UninstallTest, FoldersGoOnlyWhenNoOrdinaryFileIsLeft) {
  struct Case {
    const char* name;
    const char* leftover;  // a file put into the scenery folder
    std::uint32_t attributes;
    std::vector<std::string> report;
    std::vector<std::string> foldersLeft;
  };
  const std::string f = "Folder C:\\FS95\\Orvanne";
  const std::vector<Case> cases = {
      {"hidden file", "\\SCENERY\\DESKTOP.INI", platform::attr::kHidden,
       {f + "\\SCENERY was not removed: it still holds hidden files or other folders.",
        f + " was not removed: it still holds hidden files or other folders."},
       {"", "\\SCENERY"}},
      {"subfolder", "\\TEXTURE\\OLD\\ORVOLD.R8", platform::attr::kArchive,
       {f + "\\TEXTURE was not removed: it still holds hidden files or other folders.",
        f + " was not removed: it still holds hidden files or other folders."},
       {"", "\\TEXTURE", "\\TEXTURE\\OLD"}},
      {"read-only file", "\\ORVAREA.BGL", platform::attr::kReadOnly,
       {"File C:\\FS95\\Orvanne\\ORVAREA.BGL was not deleted: it is read-only or access to it "
        "is denied.",
        f + " was not removed: it still holds files."},
       {""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    InstalledScenery s;
    s.PrepareState();
    s.fake.files.WriteFile(std::string(testing::kScenery) + c.leftover, "user's", c.attributes);
    s.fake.messageBoxes.QueueAnswer(mb::kAnswerYes);
    EXPECT_THROW(UninstallScenery(s.app), ProgramEnded);

    const platform::memory::ShownBox& box = s.fake.messageBoxes.Shown().back();
    EXPECT_EQ(box.style, mb::kExclamationOk);
    EXPECT_EQ(box.title, "m27");
    for (const std::string& line : c.report) {
      EXPECT_NE(box.text.find("\r" + line + "\r"), std::string::npos) << line << "\n" << box.text;
    }
    EXPECT_TRUE(s.fake.files.FileExists(std::string(testing::kScenery) + c.leftover));
    for (const char* folder : {"", "\\SCENERY", "\\TEXTURE", "\\TEXTURE\\OLD"}) {
      const bool left = std::find(c.foldersLeft.begin(), c.foldersLeft.end(), folder) !=
                        c.foldersLeft.end();
      EXPECT_EQ(s.fake.files.FolderExists(std::string(testing::kScenery) + folder), left)
          << folder;
    }
    EXPECT_FALSE(s.fake.files.FileExists("C:\\FS95\\Orvanne\\SCENERY\\ORVANNE.BGL"));
    EXPECT_FALSE(s.fake.files.FileExists("C:\\FS95\\Orvanne\\TEXTURE\\ORVRWY.R8"));
  }
}

TEST_F(UninstallTest, FilesThatCannotBeDeletedAreNamedAndTheRestStillGoes) {
  fake.files.WriteFile("C:\\FS95\\PILOTS\\ORVANNE1.STN", "ours", platform::attr::kReadOnly);
  // The running simulator holds one of our videos open.
  std::unique_ptr<platform::BinaryFile> open;
  ASSERT_EQ(fake.files.Open("C:\\FS95\\VIDEOS\\ORVAPPR.VID", platform::OpenMode::kRead, open),
            st::kOk);
  ASSERT_TRUE(Run());

  EXPECT_TRUE(fake.files.FileExists("C:\\FS95\\PILOTS\\ORVANNE1.STN"));
  EXPECT_TRUE(fake.files.FileExists("C:\\FS95\\VIDEOS\\ORVAPPR.VID"));
  EXPECT_FALSE(fake.files.FileExists("C:\\FS95\\PILOTS\\ORVANNE2.STN"));
  EXPECT_FALSE(fake.files.FileExists("C:\\FS95\\ADV\\ORVTOUR.APL"));
  EXPECT_FALSE(fake.files.FolderExists(testing::kScenery));
  ExpectKeysGone();
  EXPECT_EQ(Titles(), (std::vector<std::string>{"Default Scenery", "Lakes"}));

  ASSERT_EQ(fake.messageBoxes.Shown().size(), 2u);
  EXPECT_EQ(LastBox().style, mb::kExclamationOk);
  EXPECT_EQ(LastBox().title, "m27");
  EXPECT_EQ(LastBox().text,
            "Durirezo Orvanne could not be removed completely.\r"
            "\rFile C:\\FS95\\PILOTS\\ORVANNE1.STN was not deleted: it is read-only or access to "
            "it is denied."
            "\rFile C:\\FS95\\VIDEOS\\ORVAPPR.VID was not deleted: it is in use by another "
            "program."
            "\r\rEverything else was removed. Please remove what is left by hand.");
  EXPECT_EQ(boxes.pointers.back(), platform::kHourglassPointer);
}

TEST_F(UninstallTest, AFolderThatCannotBeLookedIntoIsReported) {
  fake.files.FailOn(FsOp::kFindEntries, "C:\\FS95\\Orvanne\\TEXTURE\\*", st::kNotReady, 1, true);
  ASSERT_TRUE(Run());
  EXPECT_NE(LastBox().text.find("Files C:\\FS95\\Orvanne\\TEXTURE\\*.* could not be looked up: "
                                "the drive is not ready."),
            std::string::npos)
      << LastBox().text;
  EXPECT_TRUE(fake.files.FolderExists("C:\\FS95\\Orvanne\\TEXTURE"));
  EXPECT_FALSE(fake.files.FolderExists("C:\\FS95\\Orvanne\\SCENERY"));
}

TEST_F(UninstallTest, LongReportsAreCut) {
  for (int i = 0; i < 20; ++i) {
    fake.files.WriteFile("C:\\FS95\\Orvanne\\RO" + std::to_string(i) + ".BGL", "x",
                         platform::attr::kReadOnly);
  }
  ASSERT_TRUE(Run());
  // 20 files and the folder that still holds them: 12 lines shown.
  EXPECT_NE(LastBox().text.find("\r... and 9 more.\r"), std::string::npos) << LastBox().text;
}

TEST_F(UninstallTest, AnAlreadyDeletedSceneryFolderStillRemovesTheRest) {
  for (const std::string& path : std::vector<std::string>(before.rbegin(), before.rend())) {
    if (path.rfind("C:\\FS95\\Orvanne\\", 0) == 0 || path == testing::kScenery) {
      if (fake.files.FolderExists(path)) {
        fake.files.RemoveFolder(path);
      } else {
        fake.files.DeleteFile(path);
      }
    }
  }
  ASSERT_FALSE(fake.files.FolderExists(testing::kScenery));
  before = Paths();
  ASSERT_TRUE(Run());
  EXPECT_EQ(Removed(), kSimulatorFilesOfOurs);
  ExpectKeysGone();
  EXPECT_EQ(Titles(), (std::vector<std::string>{"Default Scenery", "Lakes"}));
  EXPECT_TRUE(Completed());
}

// Scenery folders the uninstall must not delete in: each would reach files
// the program never put there (the roots of C: and D:, the package's folder
// D:\Pkg as the current one, the simulator's folder). The simulator's files,
// the keys and the list entry still go.
TEST_F(UninstallTest, UnsafeSceneryFoldersAreLeftAlone) {
  const char* const unsafe[] = {
      "",         "Orvanne",          "C:",           "C:\\",        "C:/",
      "\\",       "\\Orvanne",        "\\\\server\\share", "\\\\server\\share\\Orvanne",
      "C:Orvanne", "C:\\FS95\\..",    "C:\\FS95\\.",  "C:\\FS95\\Orvanne\\..\\..",
      "C:\\FS95\\Orvanne\\.\\..",     "C:\\*",        "C:\\FS95\\Orvanne.",
      "C:\\FS95\\Orvanne ",           " C:\\FS95\\Orvanne", "C:\\FS95\\Orv?nne",
      "C:\\FS95\\\\Orvanne",          "C:\\FS95",     "c:/fs95/",     "C:\\FS95:Orvanne"};
  for (const char* folder : unsafe) {
    SCOPED_TRACE(std::string("InstalledTo \"") + folder + "\"");
    InstalledScenery s;
    s.PrepareState();
    for (const char* canary :
         {"C:\\SCENERY\\CANARY.BGL", "C:\\TEXTURE\\CANARY.R8", "D:\\CANARY.TXT",
          "D:\\SCENERY\\CANARY.BGL", "D:\\Pkg\\CANARY.TXT", "D:\\Pkg\\Orvanne\\CANARY.BGL",
          "D:\\Orvanne\\CANARY.BGL", "C:\\Orvanne\\CANARY.BGL"}) {
      s.fake.files.WriteFile(canary, "canary");
    }
    s.app.state.InstallFolder = folder;
    const std::vector<std::string> paths = s.Paths();
    s.fake.messageBoxes.QueueAnswer(mb::kAnswerYes);
    EXPECT_THROW(UninstallScenery(s.app), ProgramEnded);

    std::vector<std::string> now = s.Paths();
    std::vector<std::string> gone;
    std::set_difference(paths.begin(), paths.end(), now.begin(), now.end(),
                        std::back_inserter(gone));
    EXPECT_EQ(gone, kSimulatorFilesOfOurs);
    EXPECT_FALSE(s.fake.registry.KeyExists(app::kRecordKey));
    EXPECT_FALSE(s.fake.registry.KeyExists(app::kUninstallKey));
    const platform::memory::ShownBox& box = s.fake.messageBoxes.Shown().back();
    EXPECT_EQ(box.style, mb::kExclamationOk);
    EXPECT_NE(box.text.find(std::string("\rThe scenery folder \"") + folder + "\" is "),
              std::string::npos)
        << box.text;
  }
}

TEST_F(UninstallTest, SceneryFoldersWrittenOtherwiseStillGo) {
  for (const char* folder : {"C:\\FS95\\Orvanne\\", "c:/fs95/orvanne", "C:\\FS95\\ORVANNE"}) {
    SCOPED_TRACE(folder);
    InstalledScenery s;
    s.PrepareState();
    s.app.state.InstallFolder = folder;
    s.fake.messageBoxes.QueueAnswer(mb::kAnswerYes);
    EXPECT_THROW(UninstallScenery(s.app), ProgramEnded);
    EXPECT_FALSE(s.fake.files.FolderExists(testing::kScenery));
    EXPECT_EQ(s.fake.messageBoxes.Shown().back().text, "m32");
  }
}

// An empty simulator folder would make "\PILOTS\" a folder of the current
// drive's root, a relative one a folder below the current folder.
TEST_F(UninstallTest, AnUnusableSimulatorFolderLeavesTheSimulatorAlone) {
  struct Case {
    const char* simFolder;
    const char* sentence;
  };
  for (const Case& c :
       {Case{"", "The simulator's folder is not known, so"},
        Case{"FS95", "The simulator's folder \"FS95\" is not a full path, so"},
        Case{"C:FS95", "The simulator's folder \"C:FS95\" is not a full path, so"}}) {
    SCOPED_TRACE(c.simFolder);
    InstalledScenery s;
    s.PrepareState();
    s.fake.files.SetCurrentFolder("D:\\");
    for (const char* place : {"D:", "D:\\FS95", "C:\\FS95\\FS95"}) {
      for (const char* file : {"\\PILOTS\\ORVANNE1.STN", "\\VIDEOS\\ORVAPPR.VID",
                               "\\ADV\\ORVTOUR.APL"}) {
        s.fake.files.WriteFile(std::string(place) + file, "canary");
      }
      s.fake.files.WriteFile(std::string(place) + "\\scenery\\world.vis", testing::ListFile());
    }
    s.app.state.SimFolder = c.simFolder;
    s.app.state.SceneryListPath = std::string(c.simFolder) + "\\scenery\\world.vis";
    const std::vector<std::string> paths = s.Paths();
    s.fake.messageBoxes.QueueAnswer(mb::kAnswerYes);
    EXPECT_THROW(UninstallScenery(s.app), ProgramEnded);

    EXPECT_FALSE(s.fake.files.FolderExists(testing::kScenery));
    for (const std::string& path : paths) {
      if (path.rfind(testing::kScenery, 0) != 0) {
        EXPECT_TRUE(s.fake.files.FileExists(path) || s.fake.files.FolderExists(path)) << path;
      }
    }
    for (const char* place : {"D:", "D:\\FS95", "C:\\FS95\\FS95", "C:\\FS95"}) {
      EXPECT_EQ(s.fake.files.ReadFile(std::string(place) + "\\scenery\\world.vis"),
                testing::ListFile())
          << place;
    }
    EXPECT_FALSE(s.fake.registry.KeyExists(app::kRecordKey));
    EXPECT_NE(s.fake.messageBoxes.Shown().back().text.find(c.sentence), std::string::npos);
  }
}

TEST_F(UninstallTest, AListThatCannotBeReadIsLeftAsItIsAndReported) {
  fake.files.WriteFile(kListPath, "not a list");
  ASSERT_TRUE(Run());
  EXPECT_EQ(fake.files.ReadFile(kListPath), "not a list");
  const auto& shown = fake.messageBoxes.Shown();
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[1].title, "Scenery List");  // why, from the list's reader
  EXPECT_NE(shown[2].text.find("\rThe scenery list C:\\FS95\\scenery\\world.vis still names "
                               "\"Durirezo Orvanne V1.00\".\r"),
            std::string::npos)
      << shown[2].text;
  ExpectKeysGone();
  EXPECT_FALSE(fake.files.FolderExists(testing::kScenery));
}

TEST_F(UninstallTest, WithoutAListFileNoneIsMade) {
  fake.files.DeleteFile(kListPath);
  // A list still in memory from the install of this run, our entry in it.
  const std::string file = testing::ListFile();
  ASSERT_TRUE(scenerylist::ParseSceneryList(std::vector<std::uint8_t>(file.begin(), file.end()),
                                            app.state.SceneryList)
                  .ok);
  before = Paths();
  ASSERT_TRUE(Run());
  EXPECT_FALSE(fake.files.FileExists(kListPath));
  const std::vector<std::string> now = Paths();
  EXPECT_TRUE(std::includes(before.begin(), before.end(), now.begin(), now.end()))
      << "a file was made";
  EXPECT_TRUE(Completed());
}

TEST_F(UninstallTest, AListWithoutOurEntryIsWrittenBackAsItWas) {
  fake.files.WriteFile(kListPath, testing::ListFile(false));
  ASSERT_TRUE(Run());
  EXPECT_EQ(fake.files.ReadFile(kListPath), testing::ListFile(false));
  EXPECT_TRUE(Completed());
}

TEST_F(UninstallTest, ARegistryKeyLeftBehindIsReportedAndAMissingOneIsNot) {
  fake.registry.FailOn(RegOp::kDeleteKey, "SOFTWARE\\Ostrel\\*", st::kAccessDenied, 1, true);
  ASSERT_TRUE(Run());
  EXPECT_TRUE(fake.registry.KeyExists(app::kRecordKey));
  EXPECT_FALSE(fake.registry.KeyExists(app::kUninstallKey));
  EXPECT_NE(LastBox().text.find("\rThe registry key HKEY_LOCAL_MACHINE\\SOFTWARE\\Ostrel\\"
                                "Durirezo Orvanne could not be deleted.\r"),
            std::string::npos)
      << LastBox().text;
  EXPECT_EQ(LastBox().text.find("Uninstall"), std::string::npos);

  InstalledScenery s;
  s.PrepareState();
  s.fake.registry.DeleteKey(platform::kHkeyLocalMachine, app::kUninstallKey);
  s.fake.messageBoxes.QueueAnswer(mb::kAnswerYes);
  EXPECT_THROW(UninstallScenery(s.app), ProgramEnded);
  EXPECT_EQ(s.fake.messageBoxes.Shown().back().text, "m32");
}

}  // namespace
}  // namespace tolmarin::uninstall
