// The registry access layer on each backend: what the program itself sees
// of the registry must not depend on whether it runs on the fake or on Wine.
#include <gtest/gtest.h>

#include <string>

#include "contract_environment.h"
#include "registry/registry_access.h"

namespace tolmarin::contract {
namespace {

using platform::kHkeyLocalMachine;
using registry::RegDeleteTree;
using registry::RegReadString;
using registry::RegWriteString;

class RegistryAccessContract : public ::testing::Test {
 protected:
  RegistryAccessContract()
      : env(MakeContractEnvironment()), reg(env->Registry()), key(env->TestKey()) {}

  void SetRaw(const std::string& name, std::uint32_t type, const std::string& bytes) {
    platform::RegKey handle = 0;
    ASSERT_EQ(reg.CreateKey(kHkeyLocalMachine, key, handle), platform::status::kOk);
    ASSERT_EQ(reg.SetValueEx(handle, name, type, bytes.data(),
                             static_cast<std::uint32_t>(bytes.size())),
              platform::status::kOk);
    reg.CloseKey(handle);
  }

  std::unique_ptr<ContractEnvironment> env;
  platform::Registry& reg;
  std::string key;
};

TEST_F(RegistryAccessContract, WrittenValuesReadBackUnderKeysMadeOnTheWay) {
  const std::string deep = key + "\\Ostrel\\Durirezo Orvanne";
  for (const std::string text : {"C:\\FS95\\Orvanne", "3", "D:\\tolmarin.exe /UNINSTALL"}) {
    ASSERT_TRUE(RegWriteString(reg, kHkeyLocalMachine, deep, "Value", text));
    std::string read;
    ASSERT_TRUE(RegReadString(reg, kHkeyLocalMachine, deep, "Value", read));
    EXPECT_EQ(read, text);
  }
}

TEST_F(RegistryAccessContract, EmptyOtherTypedAndZeroHoldingValues) {
  ASSERT_TRUE(RegWriteString(reg, kHkeyLocalMachine, key, "Empty", ""));
  std::string read = "untouched";
  EXPECT_FALSE(RegReadString(reg, kHkeyLocalMachine, key, "Empty", read));
  EXPECT_EQ(read, "untouched");
  EXPECT_FALSE(RegReadString(reg, kHkeyLocalMachine, key, "Missing", read));
  EXPECT_EQ(read, "untouched");

  SetRaw("Number", platform::kRegDword, std::string("\x07\0\0\0", 4));
  EXPECT_TRUE(RegReadString(reg, kHkeyLocalMachine, key, "Number", read));
  EXPECT_EQ(read, "");

  SetRaw("Cut", platform::kRegSz, std::string("before\0after", 12));
  EXPECT_TRUE(RegReadString(reg, kHkeyLocalMachine, key, "Cut", read));
  EXPECT_EQ(read, "before");
}

TEST_F(RegistryAccessContract, DeletesATwoLevelTreeAndNotAMissingKey) {
  ASSERT_TRUE(RegWriteString(reg, kHkeyLocalMachine, key + "\\A\\B", "v", "1"));
  ASSERT_TRUE(RegWriteString(reg, kHkeyLocalMachine, key + "\\A\\C", "v", "1"));
  ASSERT_TRUE(RegWriteString(reg, kHkeyLocalMachine, key + "\\D", "v", "1"));
  EXPECT_TRUE(RegDeleteTree(reg, kHkeyLocalMachine, key));
  std::string read;
  EXPECT_FALSE(RegReadString(reg, kHkeyLocalMachine, key + "\\D", "v", read));
  EXPECT_FALSE(RegDeleteTree(reg, kHkeyLocalMachine, key));
}

}  // namespace
}  // namespace tolmarin::contract
