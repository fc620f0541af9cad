#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/commands.h"
#include "support/fake_platform.h"

namespace tolmarin::app {
namespace {

namespace mb = platform::mb;

TEST(LaunchSimulator, StartsTheSimulatorOnlyAfterYes) {
  testing::FakePlatform fake;
  App app(fake.platform);
  app.state.SimFolder = "C:\\FS95";
  app.state.Texts.messageTable[0][28] = "Start the simulator";

  fake.messageBoxes.QueueAnswer(mb::kAnswerNo);
  LaunchSimulator(app);
  EXPECT_TRUE(fake.process.Started().empty());

  fake.messageBoxes.QueueAnswer(mb::kAnswerYes);
  LaunchSimulator(app);
  EXPECT_EQ(fake.process.Started(), (std::vector<std::string>{"C:\\FS95\\fltsim95"}));
  ASSERT_EQ(fake.messageBoxes.Shown().size(), 2u);
  for (const auto& box : fake.messageBoxes.Shown()) {
    EXPECT_EQ(box.text, "Start the simulator ? ");
    EXPECT_EQ(box.style, mb::kYesNo);
    EXPECT_EQ(box.title, "Durirezo Orvanne FS Launcher");
  }
  EXPECT_FALSE(fake.process.Ended());
}

TEST(LaunchSimulator, ASimulatorThatCannotBeStartedIsReported) {
  testing::FakePlatform fake;
  App app(fake.platform);
  app.state.SimFolder = "C:\\FS95";
  fake.process.SetStartResult(platform::status::kFileNotFound);
  fake.messageBoxes.QueueAnswer(mb::kAnswerYes);
  LaunchSimulator(app);
  ASSERT_EQ(fake.messageBoxes.Shown().size(), 2u);
  EXPECT_EQ(fake.messageBoxes.Shown()[1].text,
            "The simulator C:\\FS95\\fltsim95 could not be started: the file does not exist.");
  EXPECT_EQ(fake.messageBoxes.Shown()[1].style, mb::kStopOk);
}

}  // namespace
}  // namespace tolmarin::app
