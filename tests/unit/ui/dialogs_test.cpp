#include <gtest/gtest.h>

#include <string>

#include "app/app.h"
#include "support/fake_platform.h"
#include "ui/folder_dialog.h"
#include "ui/language_dialog.h"
#include "ui/window_placement.h"

namespace tolmarin::ui {
namespace {

using testing::FakePlatform;

class FolderDialogTest : public ::testing::Test {
 protected:
  FolderDialogTest() {
    fake.files.MakeFolders("C:\\FS95\\PILOTS");
    fake.files.MakeFolders("C:\\FS95\\scenery");
    fake.files.MakeFolders("C:\\Games");
    fake.files.AddDrive('E');
    fake.files.MakeFolders("E:\\Sim");
  }

  // Plays the user during the next showing of the dialog.
  void During(std::function<void()> user) {
    fake.windowing.OnNextModal([user](platform::WindowId) { user(); });
  }
  platform::WindowId Window() { return dialog().form.Id(); }
  FolderDialog& dialog() { return app.frmChooseDir(); }
  std::vector<std::string> Lines() {
    return fake.windowing.Control(Window(), "dir1").items;
  }
  int LineOf(const std::string& text) {
    const auto lines = Lines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (lines[i] == text) return static_cast<int>(i);
    }
    ADD_FAILURE() << "no line " << text;
    return -1;
  }
  void Open(const std::string& text) {
    fake.windowing.DoubleClickListItem(Window(), dialog().dir1.Id(), LineOf(text));
  }
  void Press(Control& button) { fake.windowing.ClickControl(Window(), button.Id()); }

  FakePlatform fake;
  app::App app{fake.platform};
};

TEST_F(FolderDialogTest, OkGivesTheOpenFolderWithoutATrailingBackslash) {
  During([&] { Press(dialog().btnOK); });
  dialog().ShowModal();
  EXPECT_EQ(dialog().directory, "C:") << "the root of a drive is its letter and colon";

  During([&] {
    Open("  FS95");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"C:\\", "  FS95", "    PILOTS", "    scenery"}));
    // A single click only highlights; OK takes the folder that is open.
    fake.windowing.SelectListItem(Window(), dialog().dir1.Id(), LineOf("    PILOTS"));
    Press(dialog().btnOK);
  });
  dialog().ShowModal();
  EXPECT_EQ(dialog().directory, "C:\\FS95");
}

TEST_F(FolderDialogTest, CancelAndTheCloseBoxGiveTheEmptyText) {
  During([&] { Press(dialog().btnOK); });
  dialog().ShowModal();
  During([&] { Press(dialog().btnCancel); });
  dialog().ShowModal();
  EXPECT_EQ(dialog().directory, "");
  During([&] { fake.windowing.CloseWindow(Window()); });
  dialog().ShowModal();
  EXPECT_EQ(dialog().directory, "");
}

TEST_F(FolderDialogTest, ASecondUseStartsWhereTheFirstLeftOff) {
  During([&] {
    Open("  FS95");
    Press(dialog().btnOK);
  });
  dialog().ShowModal();
  dialog().form.SetCaption("second caller");
  During([&] {
    EXPECT_EQ(fake.windowing.Window(Window()).caption, "second caller");
    EXPECT_EQ(dialog().Path(), "C:\\FS95");
    Open("C:\\");  // back up to the root
    Press(dialog().btnOK);
  });
  dialog().ShowModal();
  EXPECT_EQ(dialog().directory, "C:");
}

TEST_F(FolderDialogTest, PickingADriveMovesTheFolderListAndAnUnreadyDriveKeepsIt) {
  fake.files.AddDrive('F');
  fake.files.SetDriveReady('F', false);
  const platform::ControlId drives = dialog().drive1.Id();
  During([&] {
    fake.windowing.SelectListItem(Window(), drives, 1);  // E:
    EXPECT_EQ(dialog().Path(), "E:\\");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"E:\\", "  Sim"}));
    fake.windowing.SelectListItem(Window(), drives, 2);  // F: has no medium
    EXPECT_EQ(dialog().Path(), "E:\\");
    EXPECT_EQ(fake.windowing.ListSelection(Window(), drives), 1) << "the drive list follows";
    Press(dialog().btnOK);
  });
  dialog().ShowModal();
  EXPECT_EQ(dialog().directory, "E:");
}

TEST(LanguageDialog, OffersTheLanguagesFoundInTheirPlaces) {
  FakePlatform fake;
  app::App app(fake.platform);
  app.state.Texts.languageAvailable[0] = true;
  app.state.Texts.languageNames[0] = "English";
  app.state.Texts.languageAvailable[5] = true;
  app.state.Texts.languageNames[5] = "Español";
  fake.windowing.OnNextModal([&](platform::WindowId window) {
    const auto& english = fake.windowing.Control(window, "btnLanguage(0)");
    const auto& spanish = fake.windowing.Control(window, "btnLanguage(5)");
    EXPECT_TRUE(english.visible);
    EXPECT_EQ(english.layout.caption, "English");
    EXPECT_EQ(english.layout.top, 360);
    EXPECT_TRUE(spanish.visible);
    EXPECT_EQ(spanish.layout.top, 360 + 480 * 5) << "missing languages leave gaps";
    EXPECT_FALSE(fake.windowing.Control(window, "btnLanguage(1)").visible);
    EXPECT_EQ(fake.windowing.Window(window).caption, "LANGUAGE SELECTION");
    fake.windowing.ClickControl(window, fake.windowing.FindControl(window, "btnLanguage(5)"));
  });
  ShowLanguageDialog(app);
  EXPECT_EQ(app.state.CurrentLanguage, 5);

  // Closing it keeps the language as it was.
  fake.windowing.OnNextModal([&](platform::WindowId window) { fake.windowing.CloseWindow(window); });
  ShowLanguageDialog(app);
  EXPECT_EQ(app.state.CurrentLanguage, 5);
}

TEST(LanguageDialog, IsNotShownWhenThereIsNoLanguageToChoose) {
  FakePlatform fake;
  app::App app(fake.platform);
  ShowLanguageDialog(app);  // an unanswered modal window would throw
  EXPECT_EQ(fake.windowing.ModalCount(), 0);
  EXPECT_EQ(app.state.CurrentLanguage, 0);
}

TEST(WindowPlacement, CentresWithoutClampingAndKeepsPixelOffsets) {
  FakePlatform fake;
  struct NoEvents : platform::WindowEvents {} events;
  platform::WindowLayout layout;
  layout.clientWidth = 100;
  layout.clientHeight = 100;
  Form window(fake.windowing, layout, events);
  platform::ControlLayout boxLayout;
  boxLayout.kind = platform::ControlKind::kPictureBox;
  boxLayout.width = 5475;
  boxLayout.height = 6750;
  Control& box = window.AddControl(boxLayout);
  FitWindowToPicture(window, box);
  EXPECT_EQ(window.Width(), 5595);
  EXPECT_EQ(window.Height(), 7150);

  struct Screen {
    double width, height, left, top;
  };
  for (const Screen& s : {Screen{9600, 7200, 2002.5, 25}, Screen{12000, 9000, 3202.5, 925},
                          Screen{15360, 11520, 4882.5, 2185}, Screen{4000, 3000, -797.5, -2075}}) {
    CenterOnScreen(window, platform::ScreenMetrics{s.width, s.height, 15, 15});
    EXPECT_EQ(window.Left(), s.left) << s.width;
    EXPECT_EQ(window.Top(), s.top) << s.width;
  }

  platform::ControlLayout imageLayout;
  imageLayout.left = 2040;
  imageLayout.top = 1260;
  Control& image = window.AddControl(imageLayout);
  ScaleControlPosition(image, platform::ScreenMetrics{0, 0, 15, 15});
  EXPECT_EQ(image.Left(), 2040);
  ScaleControlPosition(image, platform::ScreenMetrics{0, 0, 12, 12});
  EXPECT_EQ(image.Left(), 1632);
  EXPECT_EQ(image.Top(), 1008);
}

}  // namespace
}  // namespace tolmarin::ui
