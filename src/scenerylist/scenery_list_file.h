// Reading and writing the simulator's scenery list file on the platform's
// file system.
//
// A failed file step goes to the "Disk Error" dialog: OK or Retry runs the
// step again (a bounded number of times), and giving up ends the program
// with the list file as it was. A file or list that the format cannot hold is
// refused with a message naming the file and the reason; nothing is written
// and the caller is told, so that the command that asked can stop.
//
// The list file is never changed in place: the new list is written and
// flushed beside it, the old one is copied to a backup, and only then does
// the new file take the old one's place in one step. The backup is removed
// once the new file is in place.
#pragma once

#include <string>

#include "platform/platform.h"
#include "scenerylist/scenery_list.h"

namespace tolmarin::scenerylist {

enum class ListOutcome {
  kDone,     // read, written, or changed as asked
  kNoFile,   // there is no list file, so nothing was read or changed
  kRefused,  // the file or the list cannot be handled; the user was told, nothing was written
};

// How often one failed file step is tried in all before the program gives up.
inline constexpr int kMaxFileStepAttempts = 3;

// Fills `list` from the file; a refused file leaves `list` unchanged.
ListOutcome ReadSceneryList(platform::Platform& platform, const std::string& path,
                            SceneryList& list);

// Replaces the file with `list`, then sets the list's length and offsets to
// what was written. Also creates the file when there is none.
ListOutcome WriteSceneryList(platform::Platform& platform, const std::string& path,
                             SceneryList& list);

// Whether a plain file exists at `path`. A test that fails for a reason other
// than a missing file or folder counts as "exists", so that the read reports it.
bool SceneryListExists(platform::FileSystem& files, const std::string& path);

// Tells the user that the list at `path` cannot be handled and why; returns
// kRefused for the caller to pass on.
ListOutcome RefuseSceneryList(platform::MessageBoxes& boxes, const std::string& path,
                              const std::string& reason);

// The files kept beside the list while it is replaced.
std::string NewSceneryListPath(const std::string& path);
std::string BackupSceneryListPath(const std::string& path);

}  // namespace tolmarin::scenerylist
