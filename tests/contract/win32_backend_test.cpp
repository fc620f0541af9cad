// The Win32 process and clock translations, under Wine.
#include <gtest/gtest.h>

#include <string>

#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_process.h"
#include "platform/win32/windows_api.h"

namespace tolmarin::platform::win32 {
namespace {

TEST(Win32ProcessTest, ArgumentsLeaveOutTheProgramPathQuotedOrNot) {
  struct Case {
    const char* commandLine;
    const char* arguments;
  };
  for (const Case& c : {Case{"\"D:\\My Pkg\\tolmarin.exe\" /UNINSTALL", "/UNINSTALL"},
                        Case{"D:\\tolmarin /INSTALLDIRD:\\", "/INSTALLDIRD:\\"},
                        Case{"tolmarin.exe", ""},
                        Case{"\"tolmarin.exe\"", ""},
                        Case{"\"a b\"x  \t/a  b ", "/a  b "}}) {
    EXPECT_EQ(ArgumentsOf(c.commandLine), c.arguments) << c.commandLine;
  }
  EXPECT_EQ(Win32Process().Arguments(), "") << "ctest passes none";
}

TEST(Win32ProcessTest, StartingAMissingProgramFails) {
  RestrictDllSearch();
  Win32Process process;
  EXPECT_EQ(process.StartProgram("T:\\no-such-folder\\fltsim95"), status::kPathNotFound);
  EXPECT_EQ(process.StartProgram("T:\\fltsim95"), status::kFileNotFound);
}

TEST(Win32ClockTest, TodayMatchesTheSystemDate) {
  Win32Clock clock;
  Date today = clock.Today();
  SYSTEMTIME now;
  GetLocalTime(&now);
  EXPECT_EQ(today.year, now.wYear);
  EXPECT_EQ(today.month, now.wMonth);
  std::string text = clock.ShortDateText();
  EXPECT_NE(text.find(std::to_string(now.wYear)), std::string::npos) << text;
  EXPECT_EQ(text.find('\0'), std::string::npos);
}

}  // namespace
}  // namespace tolmarin::platform::win32
