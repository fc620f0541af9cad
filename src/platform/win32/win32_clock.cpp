#include "platform/win32/win32_clock.h"

#include "platform/win32/windows_api.h"

namespace tolmarin::platform::win32 {

Date Win32Clock::Today() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return Date{now.wDay, now.wMonth, now.wYear};
}

std::string Win32Clock::ShortDateText() {
  int needed = GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, nullptr, 0);
  if (needed <= 0) return "";
  std::string text(static_cast<std::size_t>(needed), '\0');
  int written =
      GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, text.data(), needed);
  text.resize(written > 0 ? static_cast<std::size_t>(written - 1) : 0);
  return text;
}

}  // namespace tolmarin::platform::win32
