#include <gtest/gtest.h>

#include "install/file_lists.h"
#include "install/progress.h"
#include "install_fixture.h"

namespace tolmarin::install {
namespace {

TEST(ProgressPercent, SinglePrecisionWithTiesToEven) {
  struct Case {
    std::int16_t total, copied, percent;
  };
  // 200 / 3 is 1.4999... in double precision but exactly 1.5 in single.
  for (const Case& c : {Case{200, 1, 0}, Case{200, 2, 1}, Case{200, 3, 2}, Case{200, 5, 2},
                        Case{200, 7, 4}, Case{200, 199, 100}, Case{200, 200, 100},
                        Case{3, 2, 67}, Case{8, 3, 38},
                        // A season list longer than the winter list passes 100.
                        Case{3, 4, 133},
                        // Nothing counted: shown as done instead of dividing by zero.
                        Case{0, 1, 100}, Case{0, 7, 100},
                        // Past the 16-bit range: held at its end.
                        Case{1, 400, 32767}}) {
    EXPECT_EQ(ProgressPercent(c.total, c.copied), c.percent) << c.total << "/" << c.copied;
  }
}

TEST(UpdateFilesCopied, CountsTheFileAndGivesTheTitleText) {
  app::ProgramState state;
  state.TotalFiles = 200;
  EXPECT_EQ(Update_files_copied(state), " 0%");
  EXPECT_EQ(Update_files_copied(state), " 1%");
  EXPECT_EQ(Update_files_copied(state), " 2%");
  EXPECT_EQ(state.CopiedFiles, 3);
  state.CopiedFiles = 199;
  EXPECT_EQ(Update_files_copied(state), " 100%");
}

class FileListsTest : public testing::InstallFixture {};

TEST_F(FileListsTest, PlainFilesOnlyFromSlotOneAndACountThatSurvivesARebuild) {
  fake.files.MakeFolders("D:\\Pkg\\SCENERY\\SUB");
  fake.files.WriteFile("D:\\Pkg\\SCENERY\\HIDDEN.BGL", "x", platform::attr::kHidden);
  fake.files.WriteFile("D:\\Pkg\\MOD\\SYSTEM.STN", "x", platform::attr::kSystem);
  fake.files.WriteFile("D:\\Pkg\\MOD\\RO.STN", "x", platform::attr::kReadOnly);
  app.state.SourceFolder = "D:\\Pkg\\";
  RebuildFileLists(fake.files, app.state);
  RebuildFileLists(fake.files, app.state);

  EXPECT_EQ(app.state.FileLists[5], (std::vector<std::string>{"", "APT.BGL", "ORV.BGL"}));
  EXPECT_EQ(app.state.FileLists[7], (std::vector<std::string>{"", "ORV1.STN", "ORV2.STN", "RO.STN"}));
  EXPECT_EQ(app.state.FileLists[2].size(), 5u);
  // The winter list counts for the season; spring, summer and fall do not.
  EXPECT_EQ(app.state.TotalFiles, 3 + 2 + 2 + 3 + 1 + 1 + 1 + 1);
  app.state.CopiedFiles = static_cast<std::int16_t>(app.state.TotalFiles - 1);
  EXPECT_EQ(Update_files_copied(app.state), " 100%");
}

}  // namespace
}  // namespace tolmarin::install
