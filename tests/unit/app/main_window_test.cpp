#include <gtest/gtest.h>

#include <string>

#include "app/app.h"
#include "app/main_window_behaviour.h"
#include "app/product.h"
#include "app/startup.h"
#include "support/fake_platform.h"

namespace tolmarin::app {
namespace {

using testing::FakePlatform;

// Each message's text is its own number, so titles show which one was set.
std::string NumberedMessages() {
  std::string file = "LanguageName = English\r\n";
  for (int n = 1; n <= 32; ++n) file += std::to_string(n) + " m" + std::to_string(n) + "\r\n";
  return file;
}

class MainWindowTest : public ::testing::Test {
 protected:
  void Start(bool installed) {
    fake.files.AddDrive('D');
    fake.files.WriteFile("D:\\Pkg\\tolmarin.eng", NumberedMessages());
    fake.registry.SetString(kSimulatorKey, "InstalledTo", "C:\\FS95");
    if (installed) {
      fake.registry.SetString(kRecordKey, "InstalledTo", "C:\\FS95\\Orvanne");
    } else {
      testing::AnswerLanguageDialog(fake);
    }
    StartUp(app);
    window = app.frmMain().form.Id();
    box = app.frmMain().picSfondo.Id();
  }
  // A press with the pointer at pixel (x, y) of picSfondo's client area.
  void Press(double xPixels, double yPixels, int button = platform::kLeftButton) {
    fake.windowing.PressAt(window, box, xPixels * 15, yPixels * 15, button);
  }
  bool Shown(const char* control) { return fake.windowing.Control(window, control).visible; }
  std::string Title() { return fake.windowing.Window(window).caption; }

  FakePlatform fake{"/INSTALLDIRD:\\Pkg"};
  App app{fake.platform};
  platform::WindowId window = -1;
  platform::ControlId box = -1;
};

TEST_F(MainWindowTest, InstallPageSelectsAndRestores) {
  Start(false);
  Press(100, 200, platform::kRightButton);  // any button selects
  EXPECT_TRUE(Shown("ImgInstCessnaOn"));
  EXPECT_EQ(Title(), "m30");
  Press(130, 10);
  EXPECT_TRUE(Shown("imgInstAboutOn"));
  EXPECT_TRUE(Shown("ImgInstCessnaOn")) << "selecting another area hides nothing";
  EXPECT_EQ(Title(), "m29");
  Press(300, 300);  // the season page's trash can area: not tested here
  EXPECT_FALSE(Shown("imgInstAboutOn"));
  EXPECT_FALSE(Shown("ImgInstCessnaOn"));
  EXPECT_FALSE(Shown("imgTrashcanOn"));
  EXPECT_EQ(Title(), "m6");
}

TEST_F(MainWindowTest, EdgesCountAsOutside) {
  Start(false);
  // ImgInstCessnaOn spans twips 780..4695 across and 2820..4035 down.
  for (auto [x, y] : {std::pair{780.0, 3000.0}, {4695.0, 3000.0}, {1000.0, 2820.0},
                      {1000.0, 4035.0}}) {
    fake.windowing.PressAt(window, box, x, y);
    EXPECT_FALSE(Shown("ImgInstCessnaOn")) << x << "," << y;
  }
  fake.windowing.PressAt(window, box, 781, 2821);
  EXPECT_TRUE(Shown("ImgInstCessnaOn"));
}

TEST_F(MainWindowTest, OverlappingSeasonStripsAndTheBackground) {
  Start(true);
  // Winter spans pixels 212..254, spring 242..286: 245 lies in both.
  Press(245, 100);
  EXPECT_EQ(app.state.SelectedSeason, 1) << "winter comes first";
  Press(280, 100);
  EXPECT_EQ(app.state.SelectedSeason, 2);
  // A press on the shown spring picture is a click on it: the season
  // question comes, and No leaves everything as it was.
  fake.messageBoxes.QueueAnswer(platform::mb::kAnswerNo);
  Press(245, 100);
  EXPECT_EQ(app.state.SelectedSeason, 2) << "the shown spring picture takes the press";
  EXPECT_EQ(fake.messageBoxes.Shown().back().text, "m25 m7 ?");
  EXPECT_TRUE(Shown("imgSpringOn"));
  EXPECT_FALSE(Shown("imgWinterOn"));
  Press(5, 5);
  EXPECT_EQ(Title(), "m6");
  EXPECT_TRUE(Shown("imgSpringOn")) << "the season stays selected";
  EXPECT_TRUE(Shown("lblSeason"));
  Press(215, 100);
  EXPECT_EQ(Title(), "m22 m10");
}

TEST_F(MainWindowTest, TrashCanThenAircraftLeavesBothShown) {
  Start(true);
  Press(335, 395);
  EXPECT_EQ(Title(), "m27");
  Press(50, 150);
  EXPECT_EQ(Title(), "m28");
  EXPECT_TRUE(Shown("imgTrashcanOn"));
  EXPECT_TRUE(Shown("imgSeasonCessnaOn"));
}

TEST_F(MainWindowTest, PointerOverTheNoSpaceIndicatorSetsMessage21) {
  fake.files.SetFreeBytes('C', 1'000'000);
  Start(false);
  ASSERT_TRUE(Shown("imgNoSpace"));
  fake.windowing.MoveMouseAt(window, box, 150 * 15, 100 * 15);
  EXPECT_EQ(Title(), "m21");
  fake.windowing.MoveMouseAt(window, box, 10 * 15, 10 * 15);
  EXPECT_EQ(Title(), "m21") << "moving over the background changes nothing";
}

TEST_F(MainWindowTest, CreditsWindowOpensWithMessage1AndClosesBackToTheMainWindow) {
  Start(false);
  Press(130, 10);
  const int modalsBefore = fake.windowing.ModalCount();
  std::string caption;
  fake.windowing.OnNextModal([&](platform::WindowId about) {
    caption = fake.windowing.Window(about).caption;
    fake.windowing.CloseWindow(about);
  });
  Press(130, 10);  // the shown logo: its click opens the credits
  EXPECT_EQ(caption, "m1");
  EXPECT_EQ(fake.windowing.ModalCount(), modalsBefore + 1);
  EXPECT_TRUE(fake.windowing.Window(window).visible);
}

}  // namespace
}  // namespace tolmarin::app
