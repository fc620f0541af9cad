#include <gtest/gtest.h>

#include <string>

#include "lang/language_file.h"
#include "lang/leading_number.h"

namespace tolmarin::lang {
namespace {

const std::string& Text(const LanguageTexts& texts, int number) {
  return MessageText(texts, 0, number);
}

TEST(LanguageLine, NameLinesInAnyCaseAndSpacing) {
  for (const char* line : {"languagename = English", "LanguageName=English",
                           "  LANGUAGENAME  =   English  "}) {
    LanguageTexts texts;
    ApplyLanguageLine(line, 0, texts);
    EXPECT_EQ(texts.languageNames[0], "English") << line;
  }
  LanguageTexts texts;
  ApplyLanguageLine("  LanguageName English ", 0, texts);
  EXPECT_EQ(texts.languageNames[0], "LanguageName English") << "no '=': the whole line, trimmed";
}

TEST(LanguageLine, MessageNumbersAndTexts) {
  struct Case {
    const char* line;
    int number;
    const char* text;
  };
  const Case cases[] = {
      {"12 ", 12, ""},                 // number and a space: empty text
      {"+7 text", 7, "text"},          // a sign is part of the number
      {"12.5 half", 12, "half"},       // halfway goes to the even integer
      {"13.5 half", 14, "half"},
      {"  12 text", 12, "12 text"},    // the text starts at the first space of the line
      {"12 3 text", 0, nullptr},       // reads as 123: out of range, skipped
      {"1 2 text", 12, "2 text"},      // blanks between digits are skipped
      {"30 \tTabbed\t ", 30, "\tTabbed\t"},  // only spaces are trimmed
      {"4 Text with languagename inside", 4, "Text with languagename inside"},
  };
  for (const Case& c : cases) {
    LanguageTexts texts;
    ApplyLanguageLine(c.line, 0, texts);
    if (c.text == nullptr) {
      for (int n = 1; n <= kMaxMessageNumber; ++n) EXPECT_EQ(Text(texts, n), "") << c.line;
    } else {
      EXPECT_EQ(Text(texts, c.number), c.text) << c.line;
    }
  }
}

TEST(LanguageLine, LinesThatSetNothing) {
  for (const char* line : {"", "0 zero", "Remark: 12 is not at the start", "-5 negative",
                           "101 above the table", "12", "0.4 rounds to zero", "1e5 far away"}) {
    LanguageTexts texts;
    ApplyLanguageLine(line, 0, texts);
    for (int n = 0; n <= kMaxMessageNumber; ++n) {
      EXPECT_EQ(texts.messageTable[0][static_cast<std::size_t>(n)], "") << line;
    }
  }
}

TEST(LeadingNumber, ReadsLikeTheClassicRuntime) {
  EXPECT_EQ(LeadingNumber("  42abc"), 42);
  EXPECT_EQ(LeadingNumber("\t-3.25 x"), -3.25);
  EXPECT_EQ(LeadingNumber("1e2 x"), 100);
  EXPECT_EQ(LeadingNumber("2e x"), 2);  // an exponent without digits is not part of it
  EXPECT_EQ(LeadingNumber("abc"), 0);
  EXPECT_EQ(LeadingNumber("."), 0);
  EXPECT_EQ(LeadingInteger("2.5", 0, 6), 2);
  EXPECT_EQ(LeadingInteger("3.5", 0, 6), 4);
  EXPECT_EQ(LeadingInteger("7", 0, 6), std::nullopt);
  EXPECT_EQ(LeadingInteger("1e400", 0, 6), std::nullopt);
}

}  // namespace
}  // namespace tolmarin::lang

#include "platform/memory/memory_file_system.h"

namespace tolmarin::lang {
namespace {

TEST(LanguageFiles, LoadsOnlyTheFilesFoundAndTheLaterDuplicateWins) {
  platform::memory::MemoryFileSystem files;
  files.WriteFile("C:\\Pkg\\tolmarin.deu",
                  "; Bemerkung\r\nLanguageName = Deutsch\r\n30 erst\r\n-3 kaputt\r\n"
                  "ohne Zahl\r\n7\r\n30 zuletzt\r\n8 Sommer");  // no line end at the close
  files.WriteFile("C:\\Pkg\\tolmarin.ita", "6 uno\r7 due\n8 tre\r\n");
  files.MakeFolders("C:\\Pkg\\tolmarin.fre");  // a folder is not a language file
  files.SetCurrentFolder("C:\\Pkg");
  LanguageTexts texts;
  LoadLanguages(files, texts);
  EXPECT_EQ(texts.languageAvailable,
            (std::array<bool, kLanguageCount>{false, true, false, true, false, false, false}));
  EXPECT_EQ(texts.languageNames[3], "Deutsch");
  EXPECT_EQ(MessageText(texts, 3, 30), "zuletzt");
  EXPECT_EQ(MessageText(texts, 3, 8), "Sommer");
  EXPECT_EQ(MessageText(texts, 3, 7), "") << "a number without a space stores nothing";
  EXPECT_EQ(MessageText(texts, 1, 6), "uno");
  EXPECT_EQ(MessageText(texts, 1, 7), "due");
  EXPECT_EQ(MessageText(texts, 1, 8), "tre");
  EXPECT_EQ(MessageText(texts, 0, 6), "") << "no fall-back to another language";
}

}  // namespace
}  // namespace tolmarin::lang
