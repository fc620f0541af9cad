#include "platform/memory/windows_path.h"

#include <utility>

#include "platform/memory/wildcard.h"

namespace tolmarin::platform::memory {

namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool ValidPart(const std::string& part, bool wildcards) {
  for (char c : part) {
    auto u = static_cast<unsigned char>(c);
    if (u < 32) return false;
    switch (c) {
      case '<': case '>': case ':': case '"': case '|':
        return false;
      case '*': case '?':
        if (!wildcards) return false;
        break;
      default:
        break;
    }
  }
  return true;
}

void AppendParts(std::string_view text, std::vector<std::string>& parts) {
  std::string part;
  auto flush = [&] {
    if (part.empty() || part == ".") {
    } else if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else {
      parts.push_back(std::move(part));
    }
    part.clear();
  };
  for (char c : text) {
    if (c == '\\') {
      flush();
    } else {
      part += c;
    }
  }
  flush();
}

// An absolute "X:\..." text, as the current folders are kept.
WindowsPath ParseAbsolute(const std::string& text) {
  WindowsPath path;
  path.drive = text.empty() ? 'C' : text[0];
  AppendParts(std::string_view(text).substr(text.size() >= 2 ? 2 : text.size()), path.parts);
  return path;
}

}  // namespace

char DriveKey(char letter) { return FoldUpper(letter); }

Status ResolveWindowsPath(std::string_view path, const std::string& currentFolder,
                          const std::function<std::string(char)>& driveFolder,
                          bool wildcardsInLast, WindowsPath& resolved) {
  std::string text(path);
  for (char& c : text) {
    if (c == '/') c = '\\';
  }
  if (text.empty() || text.rfind("\\\\", 0) == 0) return status::kPathNotFound;

  WindowsPath result;
  std::string_view rest = text;
  if (text.size() >= 2 && text[1] == ':' && IsLetter(text[0])) {
    rest.remove_prefix(2);
    if (!rest.empty() && rest.front() == '\\') {
      result.drive = text[0];
    } else {
      result = ParseAbsolute(driveFolder(text[0]));
      result.drive = text[0];
    }
  } else {
    result = ParseAbsolute(currentFolder);
    if (!rest.empty() && rest.front() == '\\') result.parts.clear();
  }
  AppendParts(rest, result.parts);
  result.trailingSeparator = !rest.empty() && rest.back() == '\\' && !result.parts.empty();

  if (!result.parts.empty()) {
    std::string& last = result.parts.back();
    while (!last.empty() && (last.back() == '.' || last.back() == ' ')) last.pop_back();
    if (last.empty()) result.parts.pop_back();
  }
  for (std::size_t i = 0; i < result.parts.size(); ++i) {
    bool isLast = i + 1 == result.parts.size();
    if (!ValidPart(result.parts[i], wildcardsInLast && isLast)) return status::kInvalidName;
  }
  resolved = std::move(result);
  return status::kOk;
}

std::string FormatWindowsPath(const WindowsPath& path) {
  std::string text{path.drive, ':'};
  if (path.parts.empty()) return text + "\\";
  for (const std::string& part : path.parts) text += "\\" + part;
  return text;
}

}  // namespace tolmarin::platform::memory
