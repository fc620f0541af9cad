// What an uninstall meant to remove and could not, gathered while it runs
// so that the user gets one message naming all of it at the end.
#pragma once

#include <string>
#include <vector>

#include "platform/status.h"

namespace tolmarin::uninstall {

class RemovalReport {
 public:
  void FileNotDeleted(const std::string& path, platform::Status status);
  void FolderNotSearched(const std::string& pattern, platform::Status status);
  void FolderNotRemoved(const std::string& path, platform::Status status);
  // The folder still holds ordinary files: the ones reported as not deleted.
  void FolderStillHoldsFiles(const std::string& path);
  // Anything else left in place, as a whole sentence.
  void LeftInPlace(const std::string& sentence);

  bool Empty() const { return lines_.empty(); }
  const std::vector<std::string>& Lines() const { return lines_; }
  // The message for the user: every line, or the first ones and a count of
  // the rest, so that the box stays on the screen.
  std::string Text() const;

 private:
  std::vector<std::string> lines_;
};

// Why a delete or a removal failed, in words, for a Windows error code.
std::string FailureReason(platform::Status status);

}  // namespace tolmarin::uninstall
