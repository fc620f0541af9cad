// Every language's texts by message number, and the display names.
#pragma once

#include <array>
#include <string>

#include "lang/language_table.h"

namespace tolmarin::lang {

struct LanguageTexts {
  // Indexed by language 0..6 and message number 0..100; entry 0 is never filled.
  std::array<std::array<std::string, kMaxMessageNumber + 1>, kLanguageCount> messageTable;
  std::array<std::string, kLanguageCount> languageNames;
  std::array<bool, kLanguageCount> languageAvailable{};
};

// Message n of `language`; a number outside 1..100 or not defined by the
// file reads as the empty text.
const std::string& MessageText(const LanguageTexts& texts, int language, int number);

}  // namespace tolmarin::lang
