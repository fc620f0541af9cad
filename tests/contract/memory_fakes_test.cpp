// What only the fakes have: injected faults, Windows 95 registry mode, full
// and missing drives, the simulated crash, scripted boxes, the ended program.
#include <gtest/gtest.h>

#include <exception>
#include <memory>
#include <string>

#include "platform/memory/fixed_clock.h"
#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_process.h"
#include "platform/memory/memory_registry.h"
#include "platform/memory/scripted_message_boxes.h"

namespace tolmarin::platform::memory {
namespace {

constexpr const char* kKey = "SOFTWARE\\Ostrel\\Durirezo Orvanne";

Status SetText(MemoryRegistry& registry, const std::string& path, const std::string& text) {
  RegKey key = 0;
  Status s = registry.CreateKey(kHkeyLocalMachine, path, key);
  if (s != status::kOk) return s;
  s = registry.SetValueEx(key, "Value", kRegSz, text.c_str(), static_cast<std::uint32_t>(text.size()));
  registry.CloseKey(key);
  return s;
}

TEST(MemoryRegistryFaults, NthMatchingCallFailsOnceOrFromThenOn) {
  for (bool persistent : {false, true}) {
    MemoryRegistry registry;
    registry.FailOn(RegOp::kSetValue, "software\\ostrel\\*", status::kAccessDenied, 2, persistent);
    EXPECT_EQ(SetText(registry, "SOFTWARE\\Other", "x"), status::kOk) << "not matched, not counted";
    EXPECT_EQ(SetText(registry, kKey, "1"), status::kOk);
    EXPECT_EQ(SetText(registry, kKey, "2"), status::kAccessDenied);
    EXPECT_EQ(SetText(registry, kKey, "3"), persistent ? status::kAccessDenied : status::kOk);
    EXPECT_EQ(registry.GetString(kKey, "Value"), persistent ? "1" : "3");
    EXPECT_EQ(registry.OpenHandleCount(), 0);
  }
}

TEST(MemoryRegistryFaults, AFailedCloseStillClosesTheHandle) {
  MemoryRegistry registry;
  registry.FailOn(RegOp::kCloseKey, "", status::kAccessDenied);
  RegKey key = 0;
  ASSERT_EQ(registry.CreateKey(kHkeyLocalMachine, kKey, key), status::kOk);
  EXPECT_EQ(registry.CloseKey(key), status::kAccessDenied);
  EXPECT_EQ(registry.OpenHandleCount(), 0);
  EXPECT_EQ(registry.CloseKey(key), status::kInvalidHandle);
}

TEST(MemoryRegistryModes, Windows95DeletesWholeSubtreesAndBareLengths) {
  MemoryRegistry registry;
  registry.SetDeleteRefusesSubkeys(false);
  registry.SetQuerySizeCountsZero(false);
  registry.SetString(std::string(kKey) + "\\A\\B", "v", "hello");
  RegKey below = 0;
  ASSERT_EQ(registry.OpenKey(kHkeyLocalMachine, std::string(kKey) + "\\A\\B", below), status::kOk);
  std::uint32_t size = 0;
  EXPECT_EQ(registry.QueryValueEx(below, "v", nullptr, nullptr, &size), status::kOk);
  EXPECT_EQ(size, 5u);

  EXPECT_EQ(registry.DeleteKey(kHkeyLocalMachine, kKey), status::kOk);
  EXPECT_FALSE(registry.KeyExists(std::string(kKey) + "\\A"));
  EXPECT_TRUE(registry.KeyExists("SOFTWARE\\Ostrel"));
  EXPECT_EQ(registry.QueryValueEx(below, "v", nullptr, nullptr, &size), kKeyDeleted);
  registry.CloseKey(below);
}

class MemoryFilesTest : public ::testing::Test {
 protected:
  Status Copy(const std::string& from, const std::string& to) { return files.CopyFile(from, to); }
  MemoryFileSystem files;
};

TEST_F(MemoryFilesTest, FaultsMatchEitherPathOfACopyAndCountCalls) {
  files.WriteFile("C:\\Pkg\\a.bgl", "a");
  files.WriteFile("C:\\Pkg\\b.bgl", "b");
  files.WriteFile("C:\\Sim\\b.bgl", "old");
  files.FailOn(FsOp::kCopyFile, "C:\\SIM\\b.*", status::kSharingViolation);
  EXPECT_EQ(Copy("C:\\Pkg\\a.bgl", "C:\\Sim\\a.bgl"), status::kOk);
  EXPECT_EQ(Copy("C:\\Pkg\\b.bgl", "C:\\Sim\\b.bgl"), status::kSharingViolation);
  EXPECT_EQ(files.ReadFile("C:\\Sim\\b.bgl"), "old") << "a failing call changes nothing";
  EXPECT_EQ(Copy("C:\\Pkg\\b.bgl", "C:\\Sim\\b.bgl"), status::kOk);
  EXPECT_EQ(files.CallCount(FsOp::kCopyFile), 3);

  files.FailOn(FsOp::kRead, "*\\a.bgl", status::kHandleEof);
  std::unique_ptr<BinaryFile> file;
  ASSERT_EQ(files.Open("C:\\Sim\\a.bgl", OpenMode::kRead, file), status::kOk);
  char byte = 0;
  std::uint32_t done = 0;
  EXPECT_EQ(file->Read(&byte, 1, done), status::kHandleEof) << "an open file matches by its path";
  EXPECT_EQ(files.CallCount(FsOp::kAny), 5);
}

TEST_F(MemoryFilesTest, AFullDiskWritesNothingOfTheFailingCall) {
  files.WriteFile("C:\\big", std::string(20, 'b'));
  files.WriteFile("C:\\old", "old");
  files.SetFreeBytes('C', 10);
  EXPECT_EQ(Copy("C:\\big", "C:\\copy"), status::kDiskFull);
  EXPECT_FALSE(files.FileExists("C:\\copy"));
  EXPECT_EQ(Copy("C:\\big", "C:\\old"), status::kDiskFull);
  EXPECT_EQ(files.ReadFile("C:\\old"), "old");

  std::unique_ptr<BinaryFile> file;
  ASSERT_EQ(files.Open("C:\\old", OpenMode::kReadWrite, file), status::kOk);
  std::uint32_t done = 99;
  EXPECT_EQ(file->Write("0123456789abcd", 14, done), status::kDiskFull);
  EXPECT_EQ(done, 0u);
  EXPECT_EQ(file->Write("0123456789abc", 13, done), status::kOk) << "3 bytes overwritten, 10 new";
  EXPECT_EQ(files.FreeBytes('C'), 0u);
  file.reset();
  EXPECT_EQ(files.DeleteFile("C:\\big"), status::kOk);
  EXPECT_EQ(files.FreeBytes('C'), 20u);
}

TEST_F(MemoryFilesTest, FreeClustersFollowGeometryAndStopAt32Bits) {
  files.AddDrive('E', 1ull << 45);
  DiskFreeSpace space;
  ASSERT_EQ(files.GetDiskFreeSpace("E:\\", space), status::kOk);
  EXPECT_EQ(space.freeClusters, 0xFFFFFFFFu);
  files.SetDiskGeometry('E', 1, 512);
  files.SetFreeBytes('E', 85'000'000);
  ASSERT_EQ(files.GetDiskFreeSpace("E:\\", space), status::kOk);
  EXPECT_EQ(space.freeClusters, 166'015u) << "whole clusters only";
}

TEST_F(MemoryFilesTest, EveryCallOnADriveThatIsNotReadyFails) {
  files.AddDrive('D');
  files.WriteFile("D:\\file", "x");
  std::unique_ptr<BinaryFile> open;
  ASSERT_EQ(files.Open("D:\\file", OpenMode::kRead, open), status::kOk);
  files.SetDriveReady('D', false);
  std::vector<DirEntry> entries;
  std::unique_ptr<BinaryFile> file;
  DiskFreeSpace space;
  char byte = 0;
  std::uint32_t done = 0;
  EXPECT_EQ(files.FindEntries("D:\\*.*", entries), status::kNotReady);
  EXPECT_EQ(files.Open("D:\\file", OpenMode::kRead, file), status::kNotReady);
  EXPECT_EQ(files.GetDiskFreeSpace("D:\\", space), status::kNotReady);
  EXPECT_EQ(files.SetCurrentDrive("D:"), status::kNotReady);
  EXPECT_EQ(open->Read(&byte, 1, done), status::kNotReady);
  EXPECT_EQ(files.CurrentFolder(), "C:\\");
}

TEST_F(MemoryFilesTest, ACrashStopsEveryCallAndLeavesWhatWasDone) {
  for (const char* name : {"1", "2", "3"}) files.WriteFile(std::string("C:\\src\\") + name, name);
  files.MakeFolders("C:\\dst");
  files.CrashAfter(2);
  std::uint32_t attributes = 0;
  EXPECT_EQ(files.GetAttributes("C:\\src\\1", attributes), status::kOk) << "only mutating calls count";
  EXPECT_EQ(Copy("C:\\src\\1", "C:\\dst\\1"), status::kOk);
  {
    std::unique_ptr<BinaryFile> file;
    ASSERT_EQ(files.Open("C:\\dst\\2", OpenMode::kCreateAlways, file), status::kOk);
    std::uint32_t done = 0;
    EXPECT_THROW(file->Write("2", 1, done), SimulatedCrash);
  }  // closing on the way out must not throw
  EXPECT_THROW(files.GetAttributes("C:\\src\\1", attributes), SimulatedCrash);
  EXPECT_EQ(files.AllPaths(), (std::vector<std::string>{"C:\\dst", "C:\\dst\\1", "C:\\dst\\2",
                                                        "C:\\src", "C:\\src\\1", "C:\\src\\2",
                                                        "C:\\src\\3"}));
  EXPECT_EQ(files.ReadFile("C:\\dst\\2"), "") << "created, never written";
}

TEST(MemoryFiles, AFileOutlivingItsFileSystemOnlyFails) {
  std::unique_ptr<BinaryFile> file;
  {
    MemoryFileSystem files;
    files.WriteFile("C:\\x", "x");
    ASSERT_EQ(files.Open("C:\\x", OpenMode::kRead, file), status::kOk);
  }
  std::uint32_t length = 0;
  EXPECT_EQ(file->Length(length), status::kInvalidHandle);
}

TEST(ScriptedBoxes, AnswersInOrderAndRefusesUnscriptedQuestions) {
  ScriptedMessageBoxes boxes;
  boxes.QueueAnswer(mb::kAnswerNo);
  EXPECT_EQ(boxes.Show("Install?", mb::kYesNo, "Title"), mb::kAnswerNo);
  EXPECT_EQ(boxes.Show("Done", mb::kExclamationOk, "Title"), mb::kAnswerOk);
  EXPECT_THROW(boxes.Show("Disk full, continue?", mb::kExclamationYesNoCancel, "Disk Error"),
               UnscriptedMessageBox);
  ASSERT_EQ(boxes.Shown().size(), 3u);
  EXPECT_EQ(boxes.Shown()[2].text, "Disk full, continue?");
  EXPECT_EQ(boxes.Shown()[2].style, mb::kExclamationYesNoCancel);
  EXPECT_EQ(boxes.Shown()[0].title, "Title");
}

TEST(MemoryProcessTest, EndingTheProgramPassesEveryStandardHandler) {
  MemoryProcess process("/UNINSTALL");
  EXPECT_EQ(process.Arguments(), "/UNINSTALL");
  process.SetStartResult(status::kFileNotFound);
  EXPECT_EQ(process.StartProgram("C:\\FS95\\fltsim95"), status::kFileNotFound);
  EXPECT_EQ(process.Started(), std::vector<std::string>{"C:\\FS95\\fltsim95"});
  bool swallowed = false;
  EXPECT_THROW(
      {
        try {
          process.EndProgram();
        } catch (const std::exception&) {
          swallowed = true;
        }
      },
      ProgramEnded);
  EXPECT_FALSE(swallowed);
  EXPECT_TRUE(process.Ended());
}

TEST(FixedClockTest, ShortTextFollowsTheDateUnlessGiven) {
  FixedClock clock(Date{15, 7, 2026});
  EXPECT_EQ(clock.ShortDateText(), "7/15/2026");
  clock.Set(Date{1, 12, 2026});
  EXPECT_EQ(clock.ShortDateText(), "12/1/2026");
  FixedClock given(Date{15, 7, 2026}, "15.07.2026");
  given.Set(Date{16, 7, 2026});
  EXPECT_EQ(given.ShortDateText(), "15.07.2026");
  EXPECT_EQ(given.Today().day, 16);
}

}  // namespace
}  // namespace tolmarin::platform::memory
