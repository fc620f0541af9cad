#include <gtest/gtest.h>

#include <string>

#include "platform/memory/memory_registry.h"
#include "registry/registry_access.h"

namespace tolmarin::registry {
namespace {

using platform::kHkeyLocalMachine;
using platform::memory::MemoryRegistry;
using platform::memory::RegOp;

constexpr char kKey[] = "SOFTWARE\\Ostrel\\Durirezo Orvanne";

// Both ways a registry may report a string's size: with or without the
// terminating zero.
class RegistryAccessTest : public ::testing::TestWithParam<bool> {
 protected:
  RegistryAccessTest() { registry.SetQuerySizeCountsZero(GetParam()); }
  void TearDown() override { EXPECT_EQ(registry.OpenHandleCount(), 0); }
  MemoryRegistry registry;
};

TEST_P(RegistryAccessTest, WriteCreatesEveryLevelAndReadsBackTheWholeText) {
  for (const std::string text : {"C:\\FS95\\Orvanne", "1", ""}) {
    ASSERT_TRUE(RegWriteString(registry, kHkeyLocalMachine, kKey, "InstalledTo", text));
    EXPECT_EQ(registry.GetString(kKey, "InstalledTo"), text) << "no terminating zero stored";
    std::string read = "before";
    const bool ok = RegReadString(registry, kHkeyLocalMachine, kKey, "InstalledTo", read);
    if (text.empty()) {
      EXPECT_FALSE(ok) << "a value of length 0 reads as missing";
      EXPECT_EQ(read, "before");
    } else {
      EXPECT_TRUE(ok);
      EXPECT_EQ(read, text);
    }
  }
  EXPECT_TRUE(registry.KeyExists("SOFTWARE\\Ostrel"));
}

TEST_P(RegistryAccessTest, FailedReadsLeaveTheVariableAlone) {
  registry.SetString(kKey, "Season", "3");
  std::string read = "kept";
  EXPECT_FALSE(RegReadString(registry, kHkeyLocalMachine, "SOFTWARE\\Missing", "Season", read));
  EXPECT_FALSE(RegReadString(registry, kHkeyLocalMachine, kKey, "Missing", read));
  registry.FailOn(RegOp::kQueryValue, "", platform::status::kAccessDenied);
  EXPECT_FALSE(RegReadString(registry, kHkeyLocalMachine, kKey, "Season", read));
  EXPECT_EQ(read, "kept");
}

TEST_P(RegistryAccessTest, OtherTypesReadAsEmptyAndZerosCutTheText) {
  registry.SetRaw(kKey, "Number", platform::kRegDword, std::string("\x01\0\0\0", 4));
  registry.SetRaw(kKey, "Zero", platform::kRegSz, std::string("ab\0cd", 5));
  std::string read = "x";
  EXPECT_TRUE(RegReadString(registry, kHkeyLocalMachine, kKey, "Number", read));
  EXPECT_EQ(read, "");
  EXPECT_TRUE(RegReadString(registry, kHkeyLocalMachine, kKey, "Zero", read));
  EXPECT_EQ(read, "ab");
}

TEST_P(RegistryAccessTest, WriteFailsWhenTheKeyCannotBeMade) {
  registry.FailOn(RegOp::kCreateKey, "", platform::status::kAccessDenied);
  EXPECT_FALSE(RegWriteString(registry, kHkeyLocalMachine, kKey, "Season", "1"));
  EXPECT_FALSE(registry.KeyExists(kKey));
  registry.ClearFaults();
  registry.FailOn(RegOp::kSetValue, "", platform::status::kAccessDenied);
  EXPECT_FALSE(RegWriteString(registry, kHkeyLocalMachine, kKey, "Season", "1"));
  EXPECT_TRUE(registry.KeyExists(kKey)) << "the created key stays";
}

INSTANTIATE_TEST_SUITE_P(SizeModes, RegistryAccessTest, ::testing::Bool());

class RegDeleteTreeTest : public ::testing::TestWithParam<bool> {
 protected:
  RegDeleteTreeTest() {
    registry.SetDeleteRefusesSubkeys(GetParam());
    registry.SetString("SOFTWARE\\Ostrel\\Durirezo Orvanne", "InstalledTo", "C:\\x");
    registry.SetString("SOFTWARE\\Ostrel\\Durirezo Orvanne\\A\\B", "v", "1");
    registry.SetString("SOFTWARE\\Ostrel\\Durirezo Orvanne\\A\\C", "v", "1");
    registry.SetString("SOFTWARE\\Ostrel\\Durirezo Orvanne\\D", "v", "1");
    registry.SetString("SOFTWARE\\Ostrel\\Other", "v", "1");
  }
  void TearDown() override { EXPECT_EQ(registry.OpenHandleCount(), 0); }
  MemoryRegistry registry;
};

TEST_P(RegDeleteTreeTest, DeletesTheWholeTreeAndNothingBeside) {
  EXPECT_TRUE(RegDeleteTree(registry, kHkeyLocalMachine, kKey));
  EXPECT_FALSE(registry.KeyExists(kKey));
  EXPECT_TRUE(registry.KeyExists("SOFTWARE\\Ostrel\\Other"));
  EXPECT_FALSE(RegDeleteTree(registry, kHkeyLocalMachine, kKey)) << "already gone";
}

TEST_P(RegDeleteTreeTest, StopsWhenASubkeyCannotBeDeleted) {
  registry.FailOn(RegOp::kDeleteKey, "*\\A\\B", platform::status::kAccessDenied, 1, true);
  EXPECT_FALSE(RegDeleteTree(registry, kHkeyLocalMachine, kKey));
  EXPECT_TRUE(registry.KeyExists(std::string(kKey) + "\\A\\B"));
}

INSTANTIATE_TEST_SUITE_P(DeleteModes, RegDeleteTreeTest, ::testing::Bool());

TEST(StripAtZero, CutsAtTheFirstZero) {
  EXPECT_EQ(StripAtZero(std::string("ab\0c\0", 5)), "ab");
  EXPECT_EQ(StripAtZero("abc"), "abc");
  EXPECT_EQ(StripAtZero(std::string("\0x", 2)), "");
}

}  // namespace
}  // namespace tolmarin::registry
