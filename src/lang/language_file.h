// Reading the language files into the message table.
#pragma once

#include <string>
#include <string_view>

#include "lang/message_table.h"
#include "platform/file_system.h"

namespace tolmarin::lang {

// Applies one line of a language file: a name line sets the display name,
// a message line sets its message. A message line whose number lies outside
// 1..100, or that holds no space, cannot be stored and is skipped.
void ApplyLanguageLine(std::string_view line, int language, LanguageTexts& texts);

// Reads a whole file line by line. A file that cannot be opened or read
// raises install::FileFailure.
void ReadLanguageFile(platform::FileSystem& files, const std::string& path, int language,
                      LanguageTexts& texts);

// For each language whose file exists as a plain file in the current
// folder: marks it available and reads it.
void LoadLanguages(platform::FileSystem& files, LanguageTexts& texts);

}  // namespace tolmarin::lang
