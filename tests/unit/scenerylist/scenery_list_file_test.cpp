#include "scenerylist/scenery_list_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_process.h"
#include "scenerylist/scenery_list_edit.h"
#include "scenerylist/scenery_list_format.h"
#include "support/fake_platform.h"
#include "unit/scenerylist/raw_list.h"
#include "unit/scenerylist/sample_lists.h"

namespace tolmarin::scenerylist {
namespace {

using namespace testing;
using platform::memory::FsOp;
using platform::memory::ProgramEnded;
using platform::memory::SimulatedCrash;
namespace st = platform::status;
namespace mb = platform::mb;

const std::string kFolder = "C:\\FS95\\scenery";
const std::string kPath = kFolder + "\\world.vis";
const SceneryArea kOurs = Area(30, 1, "C:\\FS95\\Orvanne\\*.bgl", "Durirezo Orvanne V1.00");

class SceneryListFileTest : public ::testing::Test {
 protected:
  tolmarin::testing::FakePlatform fake;
  platform::Platform& platform = fake.platform;
  SceneryList list;

  void PutFile(const Bytes& bytes) { fake.files.WriteFile(kPath, AsString(bytes)); }
  std::optional<std::string> File(const std::string& path = kPath) const {
    return fake.files.ReadFile(path);
  }
  const std::vector<platform::memory::ShownBox>& Boxes() const {
    return fake.messageBoxes.Shown();
  }
};

TEST_F(SceneryListFileTest, RegisterThenWritePutsTheEntryFirstAndLeavesNothingBeside) {
  const SceneryList old = RealisticList();
  PutFile(FileOf(old));
  const auto pathsBefore = fake.files.AllPaths();

  ASSERT_EQ(RegisterSceneryArea(platform, kPath, list, kOurs), ListOutcome::kDone);
  ASSERT_EQ(WriteSceneryList(platform, kPath, list), ListOutcome::kDone);

  SceneryList expected = old;
  ASSERT_TRUE(PutSceneryArea(expected, kOurs));
  const Bytes written = AsBytes(*File());
  EXPECT_EQ(written, FileOf(expected));
  EXPECT_EQ(list.fileLength, static_cast<std::int32_t>(written.size()));
  for (int n = 1; n <= 6; ++n) EXPECT_EQ(list.sectionOffsets[n], WordAt(written, 2 * (n + 1)));
  EXPECT_EQ(fake.files.AllPaths(), pathsBefore);
  EXPECT_TRUE(Boxes().empty());
  EXPECT_EQ(fake.files.OpenFileCount(), 0);
}

TEST_F(SceneryListFileTest, UnregisterWithoutTheEntryWritesTheSameSectionsInTheFixedOrder) {
  // As the simulator might have left it: another order, stray tags, a stale
  // length and something in the header bytes we do not read.
  Bytes original = RawList()
                       .Order({4, 5, 1, 6, 2, 3})
                       .HeaderValue2(77)
                       .Section(1, Z("one"))
                       .Section(3, Cat({W(3), W(9), W(0)}))
                       .Section(4, Cat({{1, 10, 1}, Z("C:\\A\\*.bgl"), Z("A"), {5, 1, 20, 2},
                                        Z("C:\\B\\*.bgl"), Z("B"), {0}}))
                       .Section(5, Cat({{1, 4}, W(1000), {5, 6}, Z("x"), Z("y"), {0}}))
                       .Section(6, Cat({{1}, Z("t"), {9, 0}}))
                       .Build();
  original[0] = 0xEE;
  original[20] = 0x55;
  PutFile(original);
  SceneryList asRead;
  ASSERT_TRUE(ParseSceneryList(original, asRead).ok);

  ASSERT_EQ(UnregisterSceneryArea(platform, kPath, list, kOurs), ListOutcome::kDone);
  ASSERT_EQ(WriteSceneryList(platform, kPath, list), ListOutcome::kDone);

  const Bytes written = AsBytes(*File());
  SceneryList reread;
  ASSERT_TRUE(ParseSceneryList(written, reread).ok);
  EXPECT_EQ(SectionsOf(reread), SectionsOf(asRead));
  ExpectOffsetsMatchBytes(written, reread);
}

TEST_F(SceneryListFileTest, UnregisterRemovesTheLastOfTwoEntriesInTheFile) {
  SceneryList old = RealisticList();
  old.areas[++old.areaCount] = kOurs;
  old.areas[++old.areaCount] = Area(1, 2, "later", "Later");
  old.areas[++old.areaCount] = Area(7, 7, "again", kOurs.title);
  PutFile(FileOf(old));

  ASSERT_EQ(UnregisterSceneryArea(platform, kPath, list, kOurs), ListOutcome::kDone);
  ASSERT_EQ(WriteSceneryList(platform, kPath, list), ListOutcome::kDone);

  SceneryList expected = old;
  --expected.areaCount;
  EXPECT_EQ(AsBytes(*File()), FileOf(expected));
}

TEST_F(SceneryListFileTest, WithoutAFileNothingIsReadAndTheWriteMakesThe43ByteList) {
  fake.files.MakeFolders(kFolder);
  const auto pathsBefore = fake.files.AllPaths();
  EXPECT_EQ(RegisterSceneryArea(platform, kPath, list, kOurs), ListOutcome::kNoFile);
  EXPECT_EQ(UnregisterSceneryArea(platform, kPath, list, kOurs), ListOutcome::kNoFile);
  EXPECT_EQ(fake.files.AllPaths(), pathsBefore);
  EXPECT_EQ(list.areaCount, 0);

  ASSERT_EQ(WriteSceneryList(platform, kPath, list), ListOutcome::kDone);
  const Bytes written = AsBytes(*File());
  EXPECT_EQ(written, FileOf(SceneryList{}));
  EXPECT_EQ(written.size(), 43u);
  EXPECT_EQ(list.sectionOffsets, (std::array<std::int32_t, 7>{0, 36, 37, 38, 41, 42, 40}));
  EXPECT_EQ(list.fileLength, 43);
}

// Files the program must refuse; each must stay exactly as it was.
struct BadFile {
  const char* what;
  Bytes bytes;
  const char* reasonHolds;
};

std::vector<BadFile> BadFiles() {
  Bytes farOffset = FileOf(RealisticList());
  farOffset[12] = 0xFF;  // section 5
  const Bytes area = Cat({{1, 1, 2}, Z("p"), Z("t")});
  Bytes manyAreas;
  for (int i = 0; i < 129; ++i) manyAreas.insert(manyAreas.end(), area.begin(), area.end());
  manyAreas.push_back(0);
  return {
      {"offset outside the file", farOffset, "offset of section 5"},
      {"text running past the end", RawList().Order({2, 3, 6, 4, 5, 1}).Section(1, {'x'}).Build(),
       "section 1 runs past"},
      {"five values", RawList().Section(3, Cat({W(1), W(2), W(3), W(4), W(5), W(0)})).Build(),
       "more than 4 values"},
      {"129 areas", RawList().Section(4, manyAreas).Build(), "more than 128"},
      {"longer than 65535 bytes", Cat({FileOf(RealisticList()), Bytes(70000, 0)}), "65535"},
      {"shorter than a header", Bytes(10, 1), "too short"},
  };
}

void ExpectOneRefusalNaming(const std::vector<platform::memory::ShownBox>& boxes,
                            const char* reason) {
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].style, mb::kStopOk);
  EXPECT_NE(boxes[0].text.find(kPath), std::string::npos) << boxes[0].text;
  EXPECT_NE(boxes[0].text.find(reason), std::string::npos) << boxes[0].text;
}

TEST(SceneryListFileRefusal, BadFilesAreRefusedAndLeftByteForByte) {
  using Edit = std::function<ListOutcome(platform::Platform&, const std::string&, SceneryList&,
                                         const SceneryArea&)>;
  const std::vector<std::pair<const char*, Edit>> edits = {
      {"register", RegisterSceneryArea}, {"unregister", UnregisterSceneryArea}};
  for (const BadFile& bad : BadFiles()) {
    for (const auto& [name, edit] : edits) {
      SCOPED_TRACE(std::string(bad.what) + ", " + name);
      tolmarin::testing::FakePlatform fake;
      fake.files.WriteFile(kPath, AsString(bad.bytes));
      const auto pathsBefore = fake.files.AllPaths();
      SceneryList list = RealisticList();

      EXPECT_EQ(edit(fake.platform, kPath, list, kOurs), ListOutcome::kRefused);
      ExpectOneRefusalNaming(fake.messageBoxes.Shown(), bad.reasonHolds);
      EXPECT_EQ(SectionsOf(list), SectionsOf(RealisticList()));
      EXPECT_EQ(fake.files.ReadFile(kPath), AsString(bad.bytes));
      EXPECT_EQ(fake.files.AllPaths(), pathsBefore);
    }
  }
}

TEST_F(SceneryListFileTest, AFullListTakesNoNewEntry) {
  SceneryList full;
  full.areaCount = kMaxAreas;
  for (int i = 1; i <= kMaxAreas; ++i) full.areas[i] = Area(1, 1, "p", "T" + std::to_string(i));
  const Bytes bytes = FileOf(full);
  PutFile(bytes);

  EXPECT_EQ(RegisterSceneryArea(platform, kPath, list, kOurs), ListOutcome::kRefused);
  ExpectOneRefusalNaming(Boxes(), "128 scenery areas");
  EXPECT_EQ(list.areaCount, kMaxAreas);
  EXPECT_EQ(FindSceneryArea(list, kOurs), 0);
  EXPECT_EQ(File(), AsString(bytes));
}

TEST_F(SceneryListFileTest, AListThatCannotBeWrittenLeavesTheFileAlone) {
  const Bytes old = FileOf(RealisticList());
  PutFile(old);
  list = RealisticList();
  list.areas[1].value1 = 400;
  const auto pathsBefore = fake.files.AllPaths();

  EXPECT_EQ(WriteSceneryList(platform, kPath, list), ListOutcome::kRefused);
  ExpectOneRefusalNaming(Boxes(), "scenery area 1");
  EXPECT_EQ(File(), AsString(old));
  EXPECT_EQ(fake.files.AllPaths(), pathsBefore);
}

// What a write of the realistic list with our entry added, over the
// realistic list, left behind.
struct WriteRun {
  bool ended = false;
  std::optional<std::string> file;
  std::optional<std::string> backup;
  std::optional<std::string> newFile;
  std::vector<platform::memory::ShownBox> boxes;
  int calls = 0;
};

const Bytes& OldBytes() {
  static const Bytes bytes = FileOf(RealisticList());
  return bytes;
}

const Bytes& NewBytes() {
  static const Bytes bytes = [] {
    SceneryList list = RealisticList();
    PutSceneryArea(list, kOurs);
    return FileOf(list);
  }();
  return bytes;
}

WriteRun RunWrite(const std::function<void(tolmarin::testing::FakePlatform&)>& prepare) {
  tolmarin::testing::FakePlatform fake;
  fake.files.WriteFile(kPath, AsString(OldBytes()));
  SceneryList list = RealisticList();
  PutSceneryArea(list, kOurs);
  prepare(fake);
  const int callsBefore = fake.files.CallCount(FsOp::kAny);
  WriteRun run;
  try {
    EXPECT_EQ(WriteSceneryList(fake.platform, kPath, list), ListOutcome::kDone);
  } catch (const ProgramEnded&) {
    run.ended = true;
  }
  run.calls = fake.files.CallCount(FsOp::kAny) - callsBefore;
  run.file = fake.files.ReadFile(kPath);
  run.backup = fake.files.ReadFile(BackupSceneryListPath(kPath));
  run.newFile = fake.files.ReadFile(NewSceneryListPath(kPath));
  run.boxes = fake.messageBoxes.Shown();
  return run;
}

TEST(SceneryListSafeWrite, AFailureAtAnyStepLeavesTheOldListWhole) {
  const int calls = RunWrite([](auto&) {}).calls;
  ASSERT_GE(calls, 5);
  struct Fault {
    const char* what;
    platform::Status error;
    bool persistent;
    std::vector<int> answers;
  };
  const std::vector<Fault> faults = {
      {"access denied for good", st::kAccessDenied, true, {}},
      {"sharing violation once", st::kSharingViolation, false, {}},
      {"disk full, answered Cancel", st::kDiskFull, true, {mb::kAnswerCancel}},
      {"disk full, answered Yes", st::kDiskFull, true, {mb::kAnswerYes}},
      {"drive not ready", st::kNotReady, true, {}},
  };
  for (const Fault& fault : faults) {
    for (int nth = 1; nth <= calls; ++nth) {
      SCOPED_TRACE(std::string(fault.what) + ", file system call " + std::to_string(nth));
      const WriteRun run = RunWrite([&](tolmarin::testing::FakePlatform& fake) {
        fake.files.FailOn(FsOp::kAny, "", fault.error, nth, fault.persistent);
        for (int answer : fault.answers) fake.messageBoxes.QueueAnswer(answer);
      });
      if (run.ended) {
        EXPECT_EQ(run.file, AsString(OldBytes()));
      } else {
        EXPECT_EQ(run.file, AsString(NewBytes()));
      }
      EXPECT_LE(run.boxes.size(), static_cast<std::size_t>(kMaxFileStepAttempts));
      if (!fault.persistent) {
        EXPECT_FALSE(run.ended) << "a failure that goes away is retried";
        EXPECT_FALSE(run.newFile.has_value());
      }
    }
  }
}

TEST(SceneryListSafeWrite, ACrashAnywhereLeavesTheOldOrTheCompleteNewList) {
  bool sawNew = false;
  for (int after = 0; after < 40; ++after) {
    SCOPED_TRACE("crash after " + std::to_string(after) + " changing calls");
    tolmarin::testing::FakePlatform fake;
    fake.files.WriteFile(kPath, AsString(OldBytes()));
    SceneryList list = RealisticList();
    PutSceneryArea(list, kOurs);
    fake.files.CrashAfter(after);
    bool crashed = false;
    try {
      WriteSceneryList(fake.platform, kPath, list);
    } catch (const SimulatedCrash&) {
      crashed = true;
    }
    const auto file = fake.files.ReadFile(kPath);
    if (file == AsString(NewBytes())) {
      sawNew = true;
    } else {
      EXPECT_EQ(file, AsString(OldBytes()));
    }
    if (!crashed) break;
    const auto backup = fake.files.ReadFile(BackupSceneryListPath(kPath));
    if (backup) {
      EXPECT_EQ(backup, AsString(OldBytes()));
    }
  }
  EXPECT_TRUE(sawNew);
}

TEST(SceneryListSafeWrite, AFailingReplaceIsTriedAFewTimesThenTheProgramStops) {
  const WriteRun run = RunWrite([](tolmarin::testing::FakePlatform& fake) {
    fake.files.FailOn(FsOp::kReplaceFile, "", st::kAccessDenied, 1, true);
  });
  EXPECT_TRUE(run.ended);
  ASSERT_EQ(run.boxes.size(), static_cast<std::size_t>(kMaxFileStepAttempts));
  for (const auto& box : run.boxes) {
    EXPECT_EQ(box.text, "Path/File access error");
    EXPECT_EQ(box.style, mb::kExclamationOk);
    EXPECT_EQ(box.title, "Disk Error");
  }
  EXPECT_EQ(run.file, AsString(OldBytes()));
  EXPECT_EQ(run.backup, AsString(OldBytes()));
  EXPECT_FALSE(run.newFile.has_value());
}

TEST(SceneryListSafeWrite, AFullDiskStopsAtOnceOnCancelWithNothingLeftBehind) {
  const WriteRun run = RunWrite([](tolmarin::testing::FakePlatform& fake) {
    fake.files.SetFreeBytes('C', 10);
    fake.messageBoxes.QueueAnswer(mb::kAnswerCancel);
  });
  EXPECT_TRUE(run.ended);
  ASSERT_EQ(run.boxes.size(), 1u);
  EXPECT_EQ(run.boxes[0].text, "Disk full, continue?");
  EXPECT_EQ(run.file, AsString(OldBytes()));
  EXPECT_FALSE(run.backup.has_value());
  EXPECT_FALSE(run.newFile.has_value());
}

TEST_F(SceneryListFileTest, AReadThatKeepsFailingIsAskedAboutAFewTimesThenStops) {
  PutFile(OldBytes());
  fake.files.FailOn(FsOp::kOpen, kPath, st::kSharingViolation, 1, true);
  EXPECT_THROW(ReadSceneryList(platform, kPath, list), ProgramEnded);
  EXPECT_EQ(Boxes().size(), static_cast<std::size_t>(kMaxFileStepAttempts));
  EXPECT_EQ(list.areaCount, 0);

  // A failure that clears up is simply retried.
  tolmarin::testing::FakePlatform again;
  again.files.WriteFile(kPath, AsString(OldBytes()));
  again.files.FailOn(FsOp::kRead, kPath, st::kAccessDenied, 1, false);
  SceneryList read;
  EXPECT_EQ(ReadSceneryList(again.platform, kPath, read), ListOutcome::kDone);
  EXPECT_EQ(again.messageBoxes.Shown().size(), 1u);
  EXPECT_EQ(SectionsOf(read), SectionsOf(RealisticList()));
}

}  // namespace
}  // namespace tolmarin::scenerylist
