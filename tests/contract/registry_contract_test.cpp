// Registry behaviour both backends must share: the memory fake is held to
// what the real calls do under Wine.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "contract_environment.h"

namespace tolmarin::contract {
namespace {

using platform::kHkeyLocalMachine;
using platform::kRegDword;
using platform::kRegSz;
using platform::RegKey;
namespace status = platform::status;

constexpr platform::Status kKeyDeleted = 1018;

class RegistryContract : public ::testing::Test {
 protected:
  RegistryContract() : env(MakeContractEnvironment()), reg(env->Registry()), key(env->TestKey()) {}

  RegKey Create(const std::string& path) {
    RegKey handle = 0;
    EXPECT_EQ(reg.CreateKey(kHkeyLocalMachine, path, handle), status::kOk) << path;
    return handle;
  }

  std::unique_ptr<ContractEnvironment> env;
  platform::Registry& reg;
  std::string key;
};

TEST_F(RegistryContract, CreateKeyMakesEveryMissingLevel) {
  RegKey leaf = Create(key + "\\A\\B\\C");
  EXPECT_EQ(reg.CloseKey(leaf), status::kOk);
  for (const char* level : {"\\A", "\\A\\B", "\\A\\B\\C"}) {
    RegKey opened = 0;
    EXPECT_EQ(reg.OpenKey(kHkeyLocalMachine, key + level, opened), status::kOk) << level;
    reg.CloseKey(opened);
  }
}

TEST_F(RegistryContract, KeyNamesIgnoreCaseAndKeepTheCaseTheyWereMadeWith) {
  reg.CloseKey(Create(key + "\\MixedCase"));
  RegKey opened = 0;
  ASSERT_EQ(reg.OpenKey(kHkeyLocalMachine, key + "\\MIXEDCASE", opened), status::kOk);
  reg.CloseKey(opened);
  reg.CloseKey(Create(key + "\\mixedcase"));  // the same key again, not a second one

  RegKey parent = Create(key);
  char name[260] = {};
  EXPECT_EQ(reg.EnumKey(parent, 0, name, sizeof name), status::kOk);
  EXPECT_STREQ(name, "MixedCase");
  EXPECT_EQ(reg.EnumKey(parent, 1, name, sizeof name), status::kNoMoreItems);
  reg.CloseKey(parent);
}

TEST_F(RegistryContract, OpeningAMissingKeyFails) {
  RegKey opened = 0;
  EXPECT_EQ(reg.OpenKey(kHkeyLocalMachine, key + "\\Missing", opened), status::kFileNotFound);
  EXPECT_EQ(reg.OpenKeyEx(kHkeyLocalMachine, key + "\\Missing\\Deeper", 0,
                          platform::kKeyAllAccess, opened),
            status::kFileNotFound);
}

// Text written the way RegWriteString writes it: strlen bytes, no zero sent.
struct StringCase {
  const char* label;
  std::string written;
  std::string readBack;  // the bytes and so the size the query reports
};

class StringValueContract : public RegistryContract,
                            public ::testing::WithParamInterface<StringCase> {};

TEST_P(StringValueContract, QueryReportsSizeAndBytes) {
  const StringCase& c = GetParam();
  RegKey handle = Create(key);
  // std::string keeps a zero just past its length, as a C string would.
  ASSERT_EQ(reg.SetValueEx(handle, "Value", kRegSz, c.written.c_str(),
                           static_cast<std::uint32_t>(c.written.size())),
            status::kOk);

  std::uint32_t type = 0;
  std::uint32_t size = 0;
  ASSERT_EQ(reg.QueryValueEx(handle, "value", &type, nullptr, &size), status::kOk);
  EXPECT_EQ(type, kRegSz);
  EXPECT_EQ(size, c.readBack.size());

  std::vector<char> buffer(64, '\x7f');
  size = static_cast<std::uint32_t>(buffer.size());
  ASSERT_EQ(reg.QueryValueEx(handle, "Value", &type, buffer.data(), &size), status::kOk);
  EXPECT_EQ(std::string(buffer.data(), size), c.readBack);
  reg.CloseKey(handle);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StringValueContract,
    ::testing::Values(StringCase{"Plain", "C:\\FS95", std::string("C:\\FS95\0", 8)},
                      StringCase{"Empty", "", ""},
                      StringCase{"ZeroInside", std::string("ab\0cd", 5), std::string("ab\0cd\0", 6)},
                      StringCase{"ZeroSent", std::string("abc\0", 4), std::string("abc\0", 4)}),
    [](const ::testing::TestParamInfo<StringCase>& param) { return param.param.label; });

TEST_F(RegistryContract, ASmallBufferGetsMoreDataAndTheSizeNeeded) {
  RegKey handle = Create(key);
  std::string text = "hello";
  reg.SetValueEx(handle, "Value", kRegSz, text.c_str(), 5);
  char buffer[8] = "xxxxxxx";
  std::uint32_t size = 5;
  std::uint32_t type = 0;
  EXPECT_EQ(reg.QueryValueEx(handle, "Value", &type, buffer, &size), status::kMoreData);
  EXPECT_EQ(size, 6u);
  EXPECT_EQ(type, kRegSz);
  reg.CloseKey(handle);
}

TEST_F(RegistryContract, DwordValueAndMissingValue) {
  RegKey handle = Create(key);
  std::uint32_t number = 0x12345678;
  ASSERT_EQ(reg.SetValueEx(handle, "Number", kRegDword, &number, 4), status::kOk);
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  EXPECT_EQ(reg.QueryValueEx(handle, "Number", &type, nullptr, &size), status::kOk);
  EXPECT_EQ(type, kRegDword);
  EXPECT_EQ(size, 4u);
  std::uint32_t read = 0;
  size = 4;
  EXPECT_EQ(reg.QueryValueEx(handle, "Number", nullptr, &read, &size), status::kOk);
  EXPECT_EQ(read, number);

  size = 77;
  EXPECT_EQ(reg.QueryValueEx(handle, "Missing", &type, nullptr, &size), status::kFileNotFound);
  EXPECT_EQ(size, 77u) << "size untouched";
  reg.CloseKey(handle);
}

TEST_F(RegistryContract, EnumKeyOrderAndLimits) {
  for (const char* name : {"b", "Z", "_a", "[x"}) reg.CloseKey(Create(key + "\\" + name));
  RegKey parent = Create(key);
  std::vector<std::string> names;
  char name[260];
  for (std::uint32_t i = 0; reg.EnumKey(parent, i, name, sizeof name) == status::kOk; ++i) {
    names.push_back(name);
  }
  // Wine compares subkey names folded to small letters.
  EXPECT_EQ(names, (std::vector<std::string>{"[x", "_a", "b", "Z"}));
  EXPECT_EQ(reg.EnumKey(parent, 4, name, sizeof name), status::kNoMoreItems);
  EXPECT_EQ(reg.EnumKey(parent, 0, name, 2), status::kMoreData) << "\"[x\" needs 3 chars";
  EXPECT_EQ(reg.EnumKey(parent, 2, name, 2), status::kOk);
  EXPECT_STREQ(name, "b");
  reg.CloseKey(parent);
}

TEST_F(RegistryContract, DeleteKeyRefusesAKeyWithSubkeys) {
  reg.CloseKey(Create(key + "\\Parent\\Child"));
  EXPECT_EQ(reg.DeleteKey(kHkeyLocalMachine, key + "\\Parent"), status::kAccessDenied);
  EXPECT_EQ(reg.DeleteKey(kHkeyLocalMachine, key + "\\Parent\\Child"), status::kOk);
  EXPECT_EQ(reg.DeleteKey(kHkeyLocalMachine, key + "\\Parent"), status::kOk);
  EXPECT_EQ(reg.DeleteKey(kHkeyLocalMachine, key + "\\Parent"), status::kFileNotFound);
  EXPECT_EQ(reg.DeleteKey(kHkeyLocalMachine, key + "\\Never\\There"), status::kFileNotFound);
}

TEST_F(RegistryContract, ClosedAndDeletedHandles) {
  RegKey handle = Create(key + "\\Gone");
  ASSERT_EQ(reg.DeleteKey(kHkeyLocalMachine, key + "\\Gone"), status::kOk);
  std::uint32_t size = 0;
  char name[260];
  EXPECT_EQ(reg.SetValueEx(handle, "v", kRegSz, "a", 1), kKeyDeleted);
  EXPECT_EQ(reg.QueryValueEx(handle, "v", nullptr, nullptr, &size), kKeyDeleted);
  EXPECT_EQ(reg.EnumKey(handle, 0, name, sizeof name), kKeyDeleted);
  EXPECT_EQ(reg.CloseKey(handle), status::kOk);

  EXPECT_EQ(reg.CloseKey(handle), status::kInvalidHandle);
  EXPECT_EQ(reg.QueryValueEx(handle, "v", nullptr, nullptr, &size), status::kInvalidHandle);
  EXPECT_EQ(reg.CloseKey(kHkeyLocalMachine), status::kOk);
}

}  // namespace
}  // namespace tolmarin::contract
