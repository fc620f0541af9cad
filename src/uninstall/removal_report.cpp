#include "uninstall/removal_report.h"

#include <cstddef>

#include "app/product.h"

namespace tolmarin::uninstall {

namespace {

namespace st = platform::status;

constexpr std::size_t kMaxLinesShown = 12;

}  // namespace

std::string FailureReason(platform::Status status) {
  switch (status) {
    case st::kAccessDenied:
      return "it is read-only or access to it is denied";
    case st::kSharingViolation:
    case st::kLockViolation:
      return "it is in use by another program";
    case st::kDirNotEmpty:
      return "it still holds hidden files or other folders";
    case st::kNotReady:
      return "the drive is not ready";
    default:
      return "Windows error " + std::to_string(status);
  }
}

void RemovalReport::FileNotDeleted(const std::string& path, platform::Status status) {
  lines_.push_back("File " + path + " was not deleted: " + FailureReason(status) + ".");
}

void RemovalReport::FolderNotSearched(const std::string& pattern, platform::Status status) {
  lines_.push_back("Files " + pattern + " could not be looked up: " + FailureReason(status) +
                   ".");
}

void RemovalReport::FolderNotRemoved(const std::string& path, platform::Status status) {
  lines_.push_back("Folder " + path + " was not removed: " + FailureReason(status) + ".");
}

void RemovalReport::FolderStillHoldsFiles(const std::string& path) {
  lines_.push_back("Folder " + path + " was not removed: it still holds files.");
}

void RemovalReport::LeftInPlace(const std::string& sentence) { lines_.push_back(sentence); }

std::string RemovalReport::Text() const {
  std::string text = std::string(app::kProductName) + " could not be removed completely.\r";
  for (std::size_t i = 0; i < lines_.size() && i < kMaxLinesShown; ++i) {
    text += "\r" + lines_[i];
  }
  if (lines_.size() > kMaxLinesShown) {
    text += "\r... and " + std::to_string(lines_.size() - kMaxLinesShown) + " more.";
  }
  text += "\r\rEverything else was removed. Please remove what is left by hand.";
  return text;
}

}  // namespace tolmarin::uninstall
