#include <gtest/gtest.h>

#include <string>

#include "app/app.h"
#include "app/product.h"
#include "app/startup.h"
#include "support/fake_platform.h"

namespace tolmarin::app {
namespace {

using platform::memory::ProgramEnded;
using testing::BitmapOfSize;
using testing::FakePlatform;

constexpr char kPackage[] = "D:\\Pkg";

// A package with two languages and its backgrounds; the simulator found
// through its registry value.
class StartUpTest : public ::testing::Test {
 protected:
  explicit StartUpTest(const std::string& arguments = std::string("/INSTALLDIR") + kPackage)
      : fake(arguments) {
    fake.files.AddDrive('D');
    fake.files.MakeFolders("D:\\Pkg\\WINTER");
    fake.files.WriteFile("D:\\Pkg\\tolmarin.eng",
                         "LanguageName = English\r\n6 Welcome\r\n8 Summer\r\n22 Season:\r\n");
    fake.files.WriteFile("D:\\Pkg\\tolmarin.ita",
                         "LanguageName = Italiano\r\n6 Benvenuti\r\n8 Estate\r\n22 Stagione:\r\n");
    fake.files.WriteFile("D:\\Pkg\\inst_off.bmp", BitmapOfSize(361, 446));
    fake.files.WriteFile("D:\\Pkg\\seas_off.bmp", BitmapOfSize(300, 400));
    fake.files.WriteFile("C:\\FS95\\scenery\\world.vis", "list");
    fake.registry.SetString(kSimulatorKey, "InstalledTo", "C:\\FS95");
    testing::AnswerLanguageDialog(fake);
  }

  void Record(const std::string& season, const std::string& language) {
    fake.registry.SetString(kRecordKey, "InstalledTo", "C:\\FS95\\Orvanne");
    fake.registry.SetString(kRecordKey, "Fs6InstalledTo", "C:\\FS95");
    if (!season.empty()) fake.registry.SetString(kRecordKey, "Season", season);
    if (!language.empty()) fake.registry.SetString(kRecordKey, "Language", language);
  }

  const platform::memory::MemoryWindow& MainWindow() {
    return fake.windowing.Window(app.frmMain().form.Id());
  }
  bool Shown(const char* control) {
    return fake.windowing.Control(app.frmMain().form.Id(), control).visible;
  }

  FakePlatform fake;
  App app{fake.platform};
};

class StartUpWithoutSwitch : public StartUpTest {
 protected:
  StartUpWithoutSwitch() : StartUpTest("") {}
};

TEST_F(StartUpWithoutSwitch, EndsSilentlyOutsideThePackageFolder) {
  EXPECT_THROW(StartUp(app), ProgramEnded);
  EXPECT_FALSE(app.HasMainWindow());
  EXPECT_TRUE(fake.messageBoxes.Shown().empty());
}

TEST_F(StartUpWithoutSwitch, GoesOnInAFolderWithAWinterEntry) {
  fake.files.SetCurrentFolder(kPackage);
  StartUp(app);
  EXPECT_EQ(app.state.SourceFolder, "D:\\Pkg\\");
  EXPECT_EQ(MainWindow().caption, "Welcome");
}

TEST_F(StartUpTest, InstallPageWithTheSwitchInAnyCase) {
  FakePlatform other("/installdirD:\\Pkg");
  other.files.AddDrive('D');
  other.registry.SetString(kSimulatorKey, "InstalledTo", "C:\\FS95");
  other.files.WriteFile("D:\\Pkg\\tolmarin.eng", "6 Welcome\r\n");
  testing::AnswerLanguageDialog(other);
  App otherApp(other.platform);
  StartUp(otherApp);
  EXPECT_EQ(other.files.CurrentFolder(), "D:\\Pkg");
  EXPECT_EQ(otherApp.state.SourceFolder, "D:\\Pkg\\");
  EXPECT_EQ(other.windowing.Window(otherApp.frmMain().form.Id()).caption, "Welcome");
}

TEST_F(StartUpTest, InstallPageSetsTheDefaultDestinationAndFitsTheWindow) {
  StartUp(app);
  EXPECT_FALSE(app.state.Installed);
  EXPECT_EQ(app.state.SimFolder, "C:\\FS95");
  EXPECT_EQ(app.state.InstallFolder, "C:\\FS95\\Orvanne");
  EXPECT_EQ(app.state.SceneryListPath, "C:\\FS95\\scenery\\world.vis");
  EXPECT_EQ(app.state.SceneryEntry.path, "C:\\FS95\\Orvanne\\*.bgl");
  EXPECT_EQ(app.state.SceneryEntry.title, "Durirezo Orvanne V1.00");
  EXPECT_EQ(MainWindow().caption, "Welcome");
  EXPECT_EQ(app.frmMain().picSfondo.Width(), 5475);
  EXPECT_EQ(app.frmMain().picSfondo.Height(), 6750);
  EXPECT_EQ(app.frmMain().form.Width(), 5475 + 120);
  EXPECT_EQ(app.frmMain().form.Height(), 6750 + 400);
  for (const char* picture : {"imgNoSpace", "imgInstAboutOn", "ImgInstCessnaOn", "imgWinterOn",
                              "imgTrashcanOn", "lblSeason"}) {
    EXPECT_FALSE(Shown(picture)) << picture;
  }
}

TEST_F(StartUpTest, SeasonPageTakesLanguageAndSeasonFromTheRecord) {
  Record("3", "1");
  StartUp(app);
  EXPECT_TRUE(app.state.Installed);
  EXPECT_EQ(app.state.CurrentLanguage, 1);
  EXPECT_EQ(MainWindow().caption, "Stagione: Estate");
  EXPECT_TRUE(Shown("imgSummerOn"));
  EXPECT_FALSE(Shown("imgWinterOn"));
  EXPECT_TRUE(Shown("lblSeason"));
  EXPECT_EQ(fake.windowing.Control(app.frmMain().form.Id(), "lblSeason").layout.caption, "Estate");
  EXPECT_EQ(app.state.SelectedSeason, 3);
  EXPECT_EQ(app.frmMain().picSfondo.Width(), (300 + 4) * 15);
}

TEST_F(StartUpTest, SeasonPageWithoutAStoredSeasonOrLanguage) {
  // "9" is no language: language 0 is used instead of failing on it.
  for (const char* language : {"", "9", "-1", "x"}) {
    for (const char* season : {"", "0", "5", " 3"}) {
      FakePlatform f(std::string("/INSTALLDIR") + kPackage);
      f.files.AddDrive('D');
      f.registry.SetString(kSimulatorKey, "InstalledTo", "C:\\FS95");
      f.files.WriteFile("D:\\Pkg\\tolmarin.eng", "6 Welcome\r\n");
      f.registry.SetString(kRecordKey, "InstalledTo", "C:\\Orvanne");
      if (*season) f.registry.SetString(kRecordKey, "Season", season);
      if (*language) f.registry.SetString(kRecordKey, "Language", language);
      App a(f.platform);
      StartUp(a);
      EXPECT_TRUE(a.state.Installed);
      EXPECT_EQ(a.state.CurrentLanguage, 0) << language;
      EXPECT_EQ(a.state.SelectedSeason, 0) << season;
      EXPECT_EQ(f.windowing.Window(a.frmMain().form.Id()).caption, "Welcome") << season;
    }
  }
}

TEST_F(StartUpTest, NoSpaceIndicatorOnlyBelowTheRequiredSpace) {
  struct Case {
    std::uint64_t freeBytes;
    bool shown;
  };
  // Clusters of 500 bytes, so that exactly 85 units of 1,000,000 bytes can be free.
  for (const Case& c : {Case{85'000'000, false}, Case{84'999'500, true}, Case{0, true},
                        Case{1ull << 40, false}}) {
    FakePlatform f(std::string("/INSTALLDIR") + kPackage);
    f.files.AddDrive('D');
    f.registry.SetString(kSimulatorKey, "InstalledTo", "C:\\FS95");
    f.files.SetDiskGeometry('C', 1, 500);
    f.files.SetFreeBytes('C', c.freeBytes);
    App a(f.platform);
    StartUp(a);
    EXPECT_EQ(f.windowing.Control(a.frmMain().form.Id(), "imgNoSpace").visible, c.shown)
        << c.freeBytes;
  }
}

TEST_F(StartUpTest, AMissingInstallDirFolderKeepsTheCurrentFolder) {
  FakePlatform f("/INSTALLDIRD:\\Nowhere");
  f.files.AddDrive('D');
  f.registry.SetString(kSimulatorKey, "InstalledTo", "C:\\FS95");
  f.files.WriteFile("C:\\tolmarin.eng", "6 Here\r\n");
  testing::AnswerLanguageDialog(f);
  App a(f.platform);
  StartUp(a);  // no "WINTER" test either
  EXPECT_EQ(a.state.SourceFolder, "C:\\");
  EXPECT_EQ(f.windowing.Window(a.frmMain().form.Id()).caption, "Here");
}

TEST_F(StartUpTest, UninstallSwitchWithoutARecordIsIgnored) {
  FakePlatform f(std::string("/UNINSTALL /INSTALLDIR") + kPackage);
  f.files.AddDrive('D');
  f.registry.SetString(kSimulatorKey, "InstalledTo", "C:\\FS95");
  App a(f.platform);
  StartUp(a);
  EXPECT_FALSE(a.state.Installed);
}

TEST_F(StartUpTest, AnUnreadableLanguageFileEndsTheProgramAfterTheDiskError) {
  fake.files.FailOn(platform::memory::FsOp::kOpen, "*tolmarin.eng",
                    platform::status::kAccessDenied);
  EXPECT_THROW(StartUp(app), ProgramEnded);
  ASSERT_EQ(fake.messageBoxes.Shown().size(), 1u);
  EXPECT_EQ(fake.messageBoxes.Shown()[0].text, "Path/File access error");
  EXPECT_EQ(fake.messageBoxes.Shown()[0].title, "Disk Error");
}

TEST_F(StartUpTest, ClosingTheMainWindowEndsTheProgram) {
  StartUp(app);
  EXPECT_THROW(fake.windowing.CloseWindow(app.frmMain().form.Id()), ProgramEnded);
}

}  // namespace
}  // namespace tolmarin::app
