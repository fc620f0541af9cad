// The seven languages: index (the value of CurrentLanguage), code and the
// language file's name, "tolmarin." + code.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tolmarin::lang {

inline constexpr int kLanguageCount = 7;
inline constexpr int kMaxMessageNumber = 100;

inline constexpr std::array<std::string_view, kLanguageCount> kLanguageCodes = {
    "eng", "ita", "fre", "deu", "dut", "spa", "por"};

inline std::string LanguageFileName(int language) {
  return "tolmarin." + std::string(kLanguageCodes.at(static_cast<std::size_t>(language)));
}

}  // namespace tolmarin::lang
