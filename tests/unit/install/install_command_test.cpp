#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <string>
#include <vector>

#include "app/product.h"
#include "install/install_command.h"
#include "install/installation_record.h"
#include "install_fixture.h"
#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_registry.h"
#include "scenerylist/scenery_list_format.h"

namespace tolmarin::install {
namespace {

using platform::memory::FsOp;
using platform::memory::ProgramEnded;
using platform::memory::RegOp;
namespace mb = platform::mb;
namespace st = platform::status;
namespace sl = scenerylist;

constexpr char kConfirmation[] = "m14  m15\rC:\\FS95\\Orvanne\r( 85m16 )?";
constexpr char kCompletion[] = "m17 C:\\FS95\\Orvanne\rm18 : Summer";  // July 15
constexpr char kIncomplete[] = "The installation is incomplete: ";

class InstallSceneryTest : public testing::InstallFixture {
 protected:
  // The user's two clicks on the install page's aircraft: one selects it,
  // the second runs the install on the shown picture.
  void ClickTheAircraft() {
    ui::Control& aircraft = app.frmMain().ImgInstCessnaOn;
    const double x = aircraft.Left() + aircraft.Width() / 2;
    const double y = aircraft.Top() + aircraft.Height() / 2;
    const platform::WindowId window = app.frmMain().form.Id();
    fake.windowing.PressAt(window, app.frmMain().picSfondo.Id(), x, y);
    ASSERT_TRUE(aircraft.Visible());
    fake.windowing.PressAt(window, app.frmMain().picSfondo.Id(), x, y);
  }

  void Install(int answer = mb::kAnswerYes) {
    fake.messageBoxes.QueueAnswer(answer);
    InstallScenery(app);
  }

  // Nothing of an installation was recorded or registered.
  void ExpectNothingRecorded() {
    EXPECT_FALSE(fake.registry.KeyExists(app::kRecordKey));
    EXPECT_FALSE(fake.registry.KeyExists(app::kUninstallKey));
    EXPECT_EQ(fake.files.ReadFile("C:\\FS95\\scenery\\world.vis"), ListBytes());
    EXPECT_FALSE(app.state.Installed);
    for (const std::string& text : BoxTexts()) EXPECT_NE(text, kCompletion);
    EXPECT_EQ(Pointer(), platform::kDefaultPointer);
  }
};

TEST_F(InstallSceneryTest, InstallsEverythingAndShowsTheSeasonPage) {
  fake.files.WriteFile("D:\\Pkg\\MOD\\RO.STN", "ro", platform::attr::kReadOnly);
  Start();
  fake.messageBoxes.QueueAnswer(mb::kAnswerYes);
  ClickTheAircraft();

  ASSERT_EQ(Boxes().size(), 2u);
  EXPECT_EQ(Boxes()[0].text, kConfirmation);
  EXPECT_EQ(Boxes()[0].style, mb::kYesNo);
  EXPECT_EQ(Boxes()[0].title, "m14");
  EXPECT_EQ(Boxes()[1].text, kCompletion);
  EXPECT_EQ(Boxes()[1].style, mb::kOk);

  for (const auto& [folder, target] : testing::PackageTargets()) {
    for (const std::string& name : testing::PackageFiles().at(folder)) {
      EXPECT_EQ(fake.files.ReadFile(target + name), testing::ContentOf(folder, name))
          << target + name;
    }
  }
  for (const std::string& name : testing::PackageFiles().at("SUMMER")) {
    EXPECT_EQ(fake.files.ReadFile("C:\\FS95\\Orvanne\\TEXTURE\\" + name),
              testing::ContentOf("SUMMER", name));
  }
  EXPECT_EQ(fake.files.Attributes("C:\\FS95\\PILOTS\\RO.STN"), platform::attr::kArchive)
      << "read-only cleared";
  const std::string patch = testing::Bytes(2049, 'p');
  const std::string munich = testing::Bytes(5000, 'm');
  EXPECT_EQ(fake.files.ReadFile("C:\\FS95\\scenery\\munich.bgl"), patch + munich.substr(2049));

  sl::SceneryList before = sl::testing::RealisticList();
  sl::SceneryList after;
  ASSERT_TRUE(sl::ParseSceneryList(
                  sl::testing::AsBytes(*fake.files.ReadFile("C:\\FS95\\scenery\\world.vis")), after)
                  .ok);
  ASSERT_EQ(after.areaCount, before.areaCount + 1);
  EXPECT_EQ(after.areas[1], (sl::SceneryArea{30, 1, "C:\\FS95\\Orvanne\\*.bgl",
                                             "Durirezo Orvanne V1.00"}));
  for (int i = 1; i <= before.areaCount; ++i) EXPECT_EQ(after.areas[i + 1], before.areas[i]);
  EXPECT_EQ(sl::testing::InUse(after.records, after.recordCount),
            sl::testing::InUse(before.records, before.recordCount));

  EXPECT_EQ(Record("InstalledTo"), "C:\\FS95\\Orvanne");
  EXPECT_EQ(Record("Fs6InstalledTo"), "C:\\FS95");
  EXPECT_EQ(Record("Season"), "3");
  EXPECT_EQ(Record("Date"), "15/07/2026");
  EXPECT_EQ(Record("Version"), "V1.00");
  EXPECT_EQ(Record("InstalledFrom"), "D:\\Pkg\\");
  EXPECT_EQ(Record("Language"), "0");
  EXPECT_EQ(fake.registry.GetString(app::kUninstallKey, "DisplayName"), "Durirezo Orvanne");
  EXPECT_EQ(fake.registry.GetString(app::kUninstallKey, "UninstallString"),
            "\"D:\\Pkg\\tolmarin.exe\" /UNINSTALL /INSTALLDIRD:\\Pkg\\");

  EXPECT_TRUE(app.state.Installed);
  EXPECT_TRUE(fake.windowing.Control(app.frmMain().form.Id(), "imgSummerOn").visible);
  EXPECT_EQ(Caption(), "m22 Summer");
  EXPECT_EQ(Pointer(), platform::kDefaultPointer);
  EXPECT_EQ(fake.files.CurrentFolder(), "D:\\Pkg");
}

TEST_F(InstallSceneryTest, TheUninstallCommandFindsThePackageFromAnyFolder) {
  EXPECT_EQ(UninstallCommand("D:\\"), "\"D:\\tolmarin.exe\" /UNINSTALL /INSTALLDIRD:\\");
  EXPECT_EQ(UninstallCommand("E:\\My Pkg\\"),
            "\"E:\\My Pkg\\tolmarin.exe\" /UNINSTALL /INSTALLDIRE:\\My Pkg\\");
}

void ChooseDrive(testing::FakePlatform& fake, char letter, bool cancel = false);

TEST_F(InstallSceneryTest, NoDiscardsAChosenFolderAndCopiesNothing) {
  fake.files.AddDrive('E');
  Start();
  ChooseDrive(fake, 'E');
  ChooseInstallFolder(app);
  EXPECT_EQ(fake.windowing.Window(app.frmChooseDir().form.Id()).caption, "m20");
  EXPECT_EQ(app.state.InstallFolder, "E:\\Orvanne");
  const auto before = fake.files.AllPaths();

  Install(mb::kAnswerNo);
  EXPECT_EQ(Boxes().back().text, "m14  m15\rE:\\Orvanne\r( 85m16 )?");
  EXPECT_EQ(app.state.InstallFolder, testing::kDestination);
  EXPECT_EQ(fake.files.AllPaths(), before);
  ExpectNothingRecorded();
}

// Plays the user in the folder dialog: picks a drive, then OK; or Cancel.
void ChooseDrive(testing::FakePlatform& fake, char letter, bool cancel) {
  fake.windowing.OnNextModal([&fake, letter, cancel](platform::WindowId dialog) {
    const platform::ControlId drive1 = fake.windowing.FindControl(dialog, "drive1");
    const auto& drives = fake.windowing.Control(dialog, "drive1").items;
    for (std::size_t i = 0; i < drives.size(); ++i) {
      if (!drives[i].empty() && std::toupper(static_cast<unsigned char>(drives[i][0])) == letter) {
        fake.windowing.SelectListItem(dialog, drive1, static_cast<int>(i));
      }
    }
    fake.windowing.ClickControl(dialog, fake.windowing.FindControl(dialog, cancel ? "btnCancel" : "btnOK"));
  });
}

TEST_F(InstallSceneryTest, ChoosingAFolderHidesTheIndicatorOnlyAboveTheRequiredSpace) {
  struct Case {
    std::uint64_t freeBytes;
    bool cancel;
    bool shown;
    const char* folder;
  };
  // Clusters of 500 bytes, so that exactly 85 units can be free.
  for (const Case& c : {Case{86'000'000, false, false, "E:\\Orvanne"},
                        Case{85'000'000, false, true, "E:\\Orvanne"},
                        Case{1ull << 40, true, true, "\\Orvanne"}}) {
    testing::PackageWorld w;
    w.fake.files.SetDiskGeometry('C', 1, 500);
    w.fake.files.SetFreeBytes('C', 1'000'000);
    w.fake.files.AddDrive('E');
    w.fake.files.SetDiskGeometry('E', 1, 500);
    w.fake.files.SetFreeBytes('E', c.freeBytes);
    w.Start();
    ASSERT_TRUE(w.app.frmMain().imgNoSpace.Visible());
    ChooseDrive(w.fake, 'E', c.cancel);
    ChooseInstallFolder(w.app);
    EXPECT_EQ(w.app.state.InstallFolder, c.folder);
    EXPECT_EQ(w.app.frmMain().imgNoSpace.Visible(), c.shown) << c.freeBytes;
    if (c.shown) {
      w.fake.messageBoxes.QueueAnswer(mb::kAnswerYes);  // not used: nothing is asked
      InstallScenery(w.app);
      EXPECT_EQ(w.BoxTexts().back(), std::string("m12 ") + c.folder + "\rm13");
      EXPECT_EQ(w.Boxes().back().style, mb::kStopOk);
      EXPECT_FALSE(w.fake.files.FolderExists(c.folder));
    }
  }
}

TEST_F(InstallSceneryTest, TheChecksBeforeTheQuestionStopWithTheirMessage) {
  {
    testing::PackageWorld w;
    w.fake.files.DeleteFile("C:\\FS95\\scenery\\world.vis");
    w.Start();
    InstallScenery(w.app);
    EXPECT_EQ(w.BoxTexts(), (std::vector<std::string>{"m5 C:\\FS95"}));
    EXPECT_EQ(w.Boxes()[0].title, "m14");
    EXPECT_FALSE(w.fake.files.FolderExists(testing::kDestination));
  }
  {
    // No simulator: the folder dialog is cancelled, and the install ends the program.
    testing::PackageWorld w;
    w.fake.registry.DeleteKey(platform::kHkeyLocalMachine, app::kSimulatorKey);
    w.fake.windowing.OnNextModal([&w](platform::WindowId dialog) {
      w.fake.windowing.ClickControl(dialog, w.fake.windowing.FindControl(dialog, "btnCancel"));
    });
    w.Start();
    EXPECT_THROW(InstallScenery(w.app), ProgramEnded);
    EXPECT_EQ(w.BoxTexts(), (std::vector<std::string>{"m5 ", "m19"}));
    EXPECT_EQ(w.Boxes()[1].style, mb::kStopOk);
    EXPECT_FALSE(w.fake.registry.KeyExists(app::kRecordKey));
  }
}

TEST_F(InstallSceneryTest, AListThatCannotTakeTheEntryStopsBeforeAnythingIsCopied) {
  sl::SceneryList full = sl::testing::RealisticList();
  full.areaCount = sl::kMaxAreas;
  for (int i = 1; i <= sl::kMaxAreas; ++i) {
    full.areas[i] = sl::testing::Area(1, 1, "C:\\A\\*.bgl", "Area " + std::to_string(i));
  }
  const std::string fullBytes = sl::testing::AsString(sl::testing::FileOf(full));
  const std::string cutOff = ListBytes().substr(0, ListBytes().size() - 3);
  for (const std::string& bytes : {fullBytes, cutOff}) {
    testing::PackageWorld w;
    w.fake.files.WriteFile("C:\\FS95\\scenery\\world.vis", bytes);
    w.Start();
    const auto before = w.fake.files.AllPaths();
    w.fake.messageBoxes.QueueAnswer(mb::kAnswerYes);
    InstallScenery(w.app);
    ASSERT_EQ(w.Boxes().size(), 2u);
    EXPECT_EQ(w.Boxes()[1].title, "Scenery List");
    EXPECT_NE(w.Boxes()[1].text.find("cannot be handled"), std::string::npos);
    EXPECT_EQ(w.fake.files.AllPaths(), before);
    EXPECT_EQ(w.fake.files.ReadFile("C:\\FS95\\scenery\\world.vis"), bytes);
    EXPECT_FALSE(w.fake.registry.KeyExists(app::kRecordKey));
  }
}

// Every way the copy can fail: the Disk Error dialog where it knows the
// code, retries bounded, and an installation that says it is incomplete.
TEST_F(InstallSceneryTest, AFailedCopyIsReportedAsIncompleteAndNothingIsRecorded) {
  struct Case {
    const char* name;
    std::function<void(testing::FakePlatform&)> arrange;
    std::vector<int> answers;         // to the Disk Error dialog
    std::vector<std::string> errors;  // its texts, in order
    std::string stop;                 // what the incomplete message names
  };
  const std::string ok3[] = {"Path doesn't exist", "Path doesn't exist", "Path doesn't exist"};
  const Case cases[] = {
      {"missing simulator folder",
       [](testing::FakePlatform& f) { f.files.RemoveFolder("C:\\FS95\\PILOTS"); },
       {mb::kAnswerOk, mb::kAnswerOk, mb::kAnswerOk},
       {ok3[0], ok3[1], ok3[2]},
       "copying D:\\Pkg\\MOD\\ORV1.STN to C:\\FS95\\PILOTS\\ORV1.STN: the folder does not exist"},
      {"full disk",
       [](testing::FakePlatform& f) { f.files.SetFreeBytes('C', 40); },
       {mb::kAnswerCancel},
       {"Disk full, continue?"},
       "the disk is full"},
      {"full disk, answered Yes",
       [](testing::FakePlatform& f) { f.files.SetFreeBytes('C', 40); },
       {mb::kAnswerYes},
       {"Disk full, continue?"},
       "the disk is full"},
      {"read-only target",
       [](testing::FakePlatform& f) {
         f.files.WriteFile("C:\\FS95\\VIDEOS\\TOUR.VID", "theirs", platform::attr::kReadOnly);
       },
       {mb::kAnswerOk, mb::kAnswerOk, mb::kAnswerOk},
       {"Path/File access error", "Path/File access error", "Path/File access error"},
       "to C:\\FS95\\VIDEOS\\TOUR.VID: access is denied"},
      {"locked target",
       [](testing::FakePlatform& f) {
         f.files.FailOn(FsOp::kCopyFile, "C:\\FS95\\ADV\\TOUR.APL", st::kSharingViolation, 1, true);
       },
       {mb::kAnswerOk, mb::kAnswerOk, mb::kAnswerOk},
       {"Path/File access error", "Path/File access error", "Path/File access error"},
       "the file is in use by another program"},
      {"a file in the way of the scenery folder",
       [](testing::FakePlatform& f) { f.files.WriteFile("C:\\FS95\\Orvanne\\SCENERY", "file"); },
       {mb::kAnswerOk, mb::kAnswerOk, mb::kAnswerOk},
       {ok3[0], ok3[1], ok3[2]},
       "copying D:\\Pkg\\SCENERY\\APT.BGL to C:\\FS95\\Orvanne\\SCENERY\\APT.BGL"},
      {"folder creation",
       [](testing::FakePlatform& f) { f.files.FailOn(FsOp::kCreateFolder, "*\\TEXTURE", st::kAccessDenied, 1, true); },
       {mb::kAnswerOk, mb::kAnswerOk, mb::kAnswerOk},
       {"Path/File access error", "Path/File access error", "Path/File access error"},
       "creating the folder C:\\FS95\\Orvanne\\TEXTURE: access is denied"},
      {"attributes",
       [](testing::FakePlatform& f) { f.files.FailOn(FsOp::kSetAttributes, "*WAV\\TWR1.WAV", st::kAccessDenied, 1, true); },
       {mb::kAnswerOk, mb::kAnswerOk, mb::kAnswerOk},
       {"Path/File access error", "Path/File access error", "Path/File access error"},
       "clearing the attributes of C:\\FS95\\ADV\\WAV\\TWR1.WAV"},
      {"season texture",
       [](testing::FakePlatform& f) { f.files.FailOn(FsOp::kCopyFile, "D:\\Pkg\\SUMMER\\GRD2.R8", st::kAccessDenied, 1, true); },
       {mb::kAnswerOk, mb::kAnswerOk, mb::kAnswerOk},
       {"Path/File access error", "Path/File access error", "Path/File access error"},
       "copying D:\\Pkg\\SUMMER\\GRD2.R8"},
      {"patch",
       [](testing::FakePlatform& f) { f.files.FailOn(FsOp::kWrite, "*munich.bgl*", st::kLockViolation, 1, true); },
       {mb::kAnswerOk, mb::kAnswerOk, mb::kAnswerOk},
       {"Path/File access error", "Path/File access error", "Path/File access error"},
       "patching C:\\FS95\\scenery\\munich.bgl from D:\\Pkg\\mun_ptc.bin"},
      {"read-only simulator file",
       [](testing::FakePlatform& f) {
         f.files.SetAttributes("C:\\FS95\\scenery\\munich.bgl", platform::attr::kReadOnly);
       },
       {mb::kAnswerOk, mb::kAnswerOk, mb::kAnswerOk},
       {"Path/File access error", "Path/File access error", "Path/File access error"},
       "patching C:\\FS95\\scenery\\munich.bgl from D:\\Pkg\\mun_ptc.bin: access is denied"},
      {"source gone: no Disk Error for it",
       [](testing::FakePlatform& f) { f.files.DeleteFile("D:\\Pkg\\VID\\TOUR.VID"); },
       {},
       {},
       "copying D:\\Pkg\\VID\\TOUR.VID to C:\\FS95\\VIDEOS\\TOUR.VID: the file does not exist"},
      {"drive not ready",
       [](testing::FakePlatform& f) { f.files.FailOn(FsOp::kCopyFile, "*ORV2.STN", st::kNotReady, 1, true); },
       {},
       {},
       "the drive is not ready"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing::PackageWorld w;
    w.Start();
    c.arrange(w.fake);
    w.fake.messageBoxes.QueueAnswer(mb::kAnswerYes);
    for (int answer : c.answers) w.fake.messageBoxes.QueueAnswer(answer);
    InstallScenery(w.app);

    const auto& boxes = w.Boxes();
    ASSERT_EQ(boxes.size(), 1 + c.errors.size() + 1);
    for (std::size_t i = 0; i < c.errors.size(); ++i) {
      EXPECT_EQ(boxes[1 + i].text, c.errors[i]);
      EXPECT_EQ(boxes[1 + i].title, "Disk Error");
    }
    const platform::memory::ShownBox& last = boxes.back();
    EXPECT_EQ(last.text.rfind(kIncomplete, 0), 0u) << last.text;
    EXPECT_NE(last.text.find(c.stop), std::string::npos) << last.text;
    EXPECT_EQ(last.style, mb::kStopOk);
    EXPECT_EQ(last.title, "m14");
    EXPECT_FALSE(w.fake.registry.KeyExists(app::kRecordKey));
    EXPECT_FALSE(w.fake.registry.KeyExists(app::kUninstallKey));
    EXPECT_EQ(w.fake.files.ReadFile("C:\\FS95\\scenery\\world.vis"), ListBytes());
    EXPECT_FALSE(w.app.state.Installed);
    EXPECT_EQ(w.Caption(), "m6") << "back on the install page";
    EXPECT_EQ(w.Pointer(), platform::kDefaultPointer);
    EXPECT_EQ(w.fake.files.CurrentFolder(), "D:\\Pkg");
    EXPECT_EQ(w.fake.messageBoxes.QueuedAnswers(), 0);
    EXPECT_EQ(w.fake.files.ReadFile("C:\\FS95\\scenery\\munich.bgl"), testing::Bytes(5000, 'm'))
        << "the simulator's file is patched whole or not at all";
    EXPECT_FALSE(w.fake.files.FileExists("C:\\FS95\\scenery\\munich.bgl.tolmarin.new"));
  }
}

TEST_F(InstallSceneryTest, ARetryRepeatsTheFileAndTheInstallationCompletes) {
  Start();
  fake.files.FailOn(FsOp::kCopyFile, "*PILOTS\\ORV2.STN", st::kAccessDenied, 1);
  fake.messageBoxes.QueueAnswer(mb::kAnswerYes);
  fake.messageBoxes.QueueAnswer(mb::kAnswerOk);
  InstallScenery(app);
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{kConfirmation, "Path/File access error", kCompletion}));
  EXPECT_EQ(fake.files.ReadFile("C:\\FS95\\PILOTS\\ORV2.STN"), testing::ContentOf("MOD", "ORV2.STN"));
  EXPECT_TRUE(app.state.Installed);
}

// Message boxes that note the main window's pointer whenever one is shown.
class PointerNotingBoxes : public platform::memory::ScriptedMessageBoxes {
 public:
  explicit PointerNotingBoxes(platform::memory::MemoryWindowing& windowing) : windowing_(windowing) {}
  int Show(const std::string& text, int style, const std::string& title) override {
    pointers.push_back(app != nullptr ? windowing_.Window(app->frmMain().form.Id()).pointer : -1);
    return ScriptedMessageBoxes::Show(text, style, title);
  }
  app::App* app = nullptr;
  std::vector<int> pointers;

 private:
  platform::memory::MemoryWindowing& windowing_;
};

TEST_F(InstallSceneryTest, TheHourglassShowsWhileFilesAreCopied) {
  PointerNotingBoxes boxes(fake.windowing);
  platform::Platform noted{fake.registry, fake.files, fake.process, boxes, fake.windowing, fake.clock};
  app::App run(noted);
  app::StartUp(run);
  boxes.app = &run;
  fake.files.FailOn(FsOp::kCopyFile, "*PILOTS\\ORV1.STN", st::kAccessDenied, 1);
  boxes.QueueAnswer(mb::kAnswerYes);
  boxes.QueueAnswer(mb::kAnswerOk);
  InstallScenery(run);
  ASSERT_EQ(boxes.Shown().size(), 3u);
  EXPECT_EQ(boxes.Shown()[1].text, "Path/File access error");
  EXPECT_EQ(boxes.pointers, (std::vector<int>{platform::kDefaultPointer, platform::kHourglassPointer,
                                              platform::kDefaultPointer}));
}

TEST_F(InstallSceneryTest, ARegistryWriteThatFailsIsToldAndLeavesNoRecord) {
  struct Case {
    const char* key;
    const char* value;
  };
  for (const Case& c : {Case{"SOFTWARE\\Ostrel\\*", "InstalledTo"},
                        Case{"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\*", "DisplayName"}}) {
    SCOPED_TRACE(c.value);
    testing::PackageWorld w;
    w.Start();
    w.fake.registry.FailOn(RegOp::kCreateKey, c.key, st::kAccessDenied, 1, true);
    w.fake.messageBoxes.QueueAnswer(mb::kAnswerYes);
    InstallScenery(w.app);
    ASSERT_EQ(w.Boxes().size(), 2u);
    EXPECT_NE(w.Boxes()[1].text.find(std::string("the value \"") + c.value + "\""), std::string::npos)
        << w.Boxes()[1].text;
    EXPECT_EQ(w.Boxes()[1].style, mb::kStopOk);
    EXPECT_FALSE(w.fake.registry.KeyExists(app::kRecordKey)) << "a record cut short is removed";
    EXPECT_FALSE(w.fake.registry.KeyExists(app::kUninstallKey));
    EXPECT_FALSE(w.app.state.Installed);
    EXPECT_EQ(w.Caption(), "m6");
  }
}

}  // namespace
}  // namespace tolmarin::install
