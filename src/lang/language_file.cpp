#include "lang/language_file.h"

#include <algorithm>
#include <cstdint>
#include <memory>

#include "app/paths.h"
#include "install/file_failure.h"
#include "lang/leading_number.h"

namespace tolmarin::lang {

namespace {

std::string_view TrimSpaces(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) {
    return {};
  }
  const std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

bool ContainsLanguageName(std::string_view line) {
  std::string lower(line);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) {
    return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  });
  return lower.find("languagename") != std::string::npos;
}

std::string ReadWholeFile(platform::FileSystem& files, const std::string& path) {
  std::unique_ptr<platform::BinaryFile> file;
  platform::Status status = files.Open(path, platform::OpenMode::kRead, file);
  if (status != platform::status::kOk) {
    throw install::FileFailure{status, path};
  }
  std::uint32_t length = 0;
  status = file->Length(length);
  std::string contents(length, '\0');
  std::uint32_t done = 0;
  if (status == platform::status::kOk && length > 0) {
    status = file->Read(contents.data(), length, done);
  }
  if (status != platform::status::kOk) {
    throw install::FileFailure{status, path};
  }
  contents.resize(done);
  file->Close();
  return contents;
}

}  // namespace

void ApplyLanguageLine(std::string_view line, int language, LanguageTexts& texts) {
  const auto index = static_cast<std::size_t>(language);
  if (ContainsLanguageName(line)) {
    const std::size_t equals = line.find('=');
    texts.languageNames[index] =
        std::string(TrimSpaces(equals == std::string_view::npos ? line : line.substr(equals + 1)));
  }
  if (std::optional<int> message = LeadingInteger(line, 1, kMaxMessageNumber)) {
    const std::size_t space = line.find(' ');
    if (space != std::string_view::npos) {
      texts.messageTable[index][static_cast<std::size_t>(*message)] =
          std::string(TrimSpaces(line.substr(space)));
    }
  }
}

void ReadLanguageFile(platform::FileSystem& files, const std::string& path, int language,
                      LanguageTexts& texts) {
  const std::string contents = ReadWholeFile(files, path);
  // Lines end with CR LF; a lone CR or LF ends a line too.
  std::size_t start = 0;
  while (start < contents.size()) {
    std::size_t end = contents.find_first_of("\r\n", start);
    if (end == std::string::npos) {
      end = contents.size();
    }
    ApplyLanguageLine(std::string_view(contents).substr(start, end - start), language, texts);
    start = end;
    if (start < contents.size() && contents[start] == '\r') ++start;
    if (start < contents.size() && contents[start] == '\n') ++start;
  }
}

void LoadLanguages(platform::FileSystem& files, LanguageTexts& texts) {
  for (int language = 0; language < kLanguageCount; ++language) {
    const std::string path = app::InCurrentFolder(files, LanguageFileName(language));
    if (app::PlainFileExists(files, path)) {
      texts.languageAvailable[static_cast<std::size_t>(language)] = true;
      ReadLanguageFile(files, path, language, texts);
    }
  }
}

}  // namespace tolmarin::lang
