#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/startup.h"
#include "installed_scenery.h"

namespace tolmarin::uninstall {
namespace {

using platform::memory::ProgramEnded;
using testing::InstalledScenery;
namespace mb = platform::mb;

std::vector<std::string> Texts(const InstalledScenery& s) {
  std::vector<std::string> texts;
  for (const auto& box : s.fake.messageBoxes.Shown()) texts.push_back(box.text);
  return texts;
}

bool NothingOfOursLeft(InstalledScenery& s) {
  return !s.fake.files.FolderExists(testing::kScenery) &&
         !s.fake.files.FileExists("C:\\FS95\\PILOTS\\ORVANNE1.STN") &&
         !s.fake.registry.KeyExists(app::kRecordKey) &&
         !s.fake.registry.KeyExists(app::kUninstallKey) &&
         s.fake.files.ReadFile(testing::kListPath) != testing::ListFile() &&
         s.fake.files.FileExists("C:\\FS95\\ADV\\WAV\\ORVTWR01.WAV");
}

// The system's list of removable programs starts the program in a folder
// of its own; the package folder comes from the switch.
TEST(UninstallRun, RemovesEverythingAndEndsWithoutShowingTheWindow) {
  struct Case {
    const char* arguments;
    const char* startedIn;
  };
  for (const Case& c : {Case{"/UNINSTALL /INSTALLDIRD:\\Pkg\\", "D:\\Pkg"},
                        Case{"/UNINSTALL /INSTALLDIRD:\\Pkg\\", "C:\\"},
                        Case{"/uninstall /installdirD:\\Pkg", "C:\\FS95\\PILOTS"}}) {
    SCOPED_TRACE(std::string(c.arguments) + " in " + c.startedIn);
    InstalledScenery s(c.arguments);
    s.fake.files.SetCurrentFolder(c.startedIn);
    s.fake.messageBoxes.QueueAnswer(mb::kAnswerYes);
    EXPECT_THROW(app::StartUp(s.app), ProgramEnded);
    EXPECT_TRUE(NothingOfOursLeft(s));
    EXPECT_EQ(Texts(s), (std::vector<std::string>{"m27 ?", "m32"}));
    EXPECT_FALSE(s.fake.windowing.Window(s.app.frmMain().form.Id()).visible);
  }
}

// Without the package the files it put into the simulator's folders cannot
// be named, and there are no texts either.
TEST(UninstallRun, WithoutThePackageTheSimulatorFilesAreReportedAsLeft) {
  InstalledScenery s("/UNINSTALL /INSTALLDIRD:\\Gone\\");
  s.fake.files.SetCurrentFolder("C:\\FS95");
  s.fake.messageBoxes.QueueAnswer(mb::kAnswerYes);
  EXPECT_THROW(app::StartUp(s.app), ProgramEnded);
  EXPECT_FALSE(s.fake.files.FolderExists(testing::kScenery));
  EXPECT_FALSE(s.fake.registry.KeyExists(app::kRecordKey));
  EXPECT_TRUE(s.fake.files.FileExists("C:\\FS95\\PILOTS\\ORVANNE1.STN"));
  const std::vector<std::string> texts = Texts(s);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_NE(texts[1].find("\rThe package folder C:\\FS95\\ was not found, so the files it put "
                          "into the simulator's PILOTS, VIDEOS and ADV folders are not known and "
                          "were left in place.\r"),
            std::string::npos)
      << texts[1];
}

TEST(UninstallRun, AnswerNoEndsTooAndChangesNothing) {
  InstalledScenery s("/UNINSTALL /INSTALLDIRD:\\Pkg\\");
  const std::vector<std::string> paths = s.Paths();
  const std::vector<std::string> keys = s.Keys();
  s.fake.messageBoxes.QueueAnswer(mb::kAnswerNo);
  EXPECT_THROW(app::StartUp(s.app), ProgramEnded);
  EXPECT_EQ(s.Paths(), paths);
  EXPECT_EQ(s.Keys(), keys);
  EXPECT_EQ(s.fake.files.ReadFile(testing::kListPath), testing::ListFile());
  EXPECT_EQ(Texts(s), (std::vector<std::string>{"m27 ?"}));
  EXPECT_FALSE(s.fake.windowing.Window(s.app.frmMain().form.Id()).visible);
}

TEST(UninstallRun, FromTheTrashCan) {
  InstalledScenery s("/INSTALLDIRD:\\Pkg");
  app::StartUp(s.app);
  ASSERT_TRUE(s.app.state.Installed);
  const platform::WindowId window = s.app.frmMain().form.Id();
  const platform::ControlId box = s.app.frmMain().picSfondo.Id();
  const auto trashCan = [&] {
    s.fake.windowing.PressAt(window, box, 5100, 6000);  // shows the picture
    s.fake.windowing.PressAt(window, box, 5100, 6000);  // clicks it
  };

  const std::vector<std::string> paths = s.Paths();
  s.fake.messageBoxes.QueueAnswer(mb::kAnswerNo);
  trashCan();
  EXPECT_EQ(s.Paths(), paths);
  EXPECT_TRUE(s.fake.registry.KeyExists(app::kRecordKey));
  EXPECT_FALSE(s.fake.process.Ended());

  s.fake.messageBoxes.QueueAnswer(mb::kAnswerYes);
  EXPECT_THROW(trashCan(), ProgramEnded);
  EXPECT_TRUE(NothingOfOursLeft(s));
  EXPECT_EQ(Texts(s), (std::vector<std::string>{"m27 ?", "m27 ?", "m32"}));
}

}  // namespace
}  // namespace tolmarin::uninstall
