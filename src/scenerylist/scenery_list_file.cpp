#include "scenerylist/scenery_list_file.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "install/file_errors.h"
#include "scenerylist/scenery_list_format.h"

namespace tolmarin::scenerylist {

namespace {

using platform::Status;
namespace st = platform::status;

enum class StepKind {
  kEssential,  // what follows depends on it: going on without it is giving up
  kOptional    // the user may go on without it
};

// Runs one file step until it succeeds, asking the user after each failure.
// Returns false when the user chose to go on without an optional step. When
// the user gives up, or the step failed kMaxFileStepAttempts times, runs
// `cleanUp` and ends the program; an OK-only message would otherwise bring
// the same failure back for as long as its cause lasts.
bool RunFileStep(platform::Platform& platform, StepKind kind,
                 const std::function<Status()>& step, const std::function<void()>& cleanUp) {
  for (int attempt = 1;; ++attempt) {
    const Status status = step();
    if (status == st::kOk) return true;
    const install::FileErrorResult answer = install::ReportFileError(
        platform.messageBoxes, install::RuntimeErrorFromStatus(status));
    if (answer == install::file_error::kRetry && attempt < kMaxFileStepAttempts) continue;
    if (answer == install::file_error::kGoOn && kind == StepKind::kOptional) return false;
    cleanUp();
    platform.process.EndProgram();
  }
}

// Reads the whole file into `bytes`, unless it is longer than a list can be;
// `length` is the file's length either way.
Status ReadListBytes(platform::FileSystem& files, const std::string& path,
                     std::vector<std::uint8_t>& bytes, std::uint32_t& length) {
  bytes.clear();
  std::unique_ptr<platform::BinaryFile> file;
  if (Status status = files.Open(path, platform::OpenMode::kRead, file); status != st::kOk) {
    return status;
  }
  if (Status status = file->Length(length); status != st::kOk) return status;
  if (length > kMaxFileLength) return st::kOk;
  bytes.resize(length);
  std::uint32_t total = 0;
  while (total < length) {
    std::uint32_t done = 0;
    if (Status status = file->Read(bytes.data() + total, length - total, done);
        status != st::kOk) {
      return status;
    }
    if (done == 0) break;
    total += done;
  }
  bytes.resize(total);
  // Everything is in memory and a read-only handle has nothing to flush, so
  // a failing close cannot change what was read.
  file->Close();
  return st::kOk;
}

// Writes and flushes the complete file; a retry starts it again from scratch.
Status WriteListBytes(platform::FileSystem& files, const std::string& path,
                      const std::vector<std::uint8_t>& bytes) {
  std::unique_ptr<platform::BinaryFile> file;
  if (Status status = files.Open(path, platform::OpenMode::kCreateAlways, file);
      status != st::kOk) {
    return status;
  }
  const auto size = static_cast<std::uint32_t>(bytes.size());
  std::uint32_t done = 0;
  if (Status status = file->Write(bytes.data(), size, done); status != st::kOk) return status;
  if (done != size) return st::kHandleDiskFull;
  if (Status status = file->Flush(); status != st::kOk) return status;
  return file->Close();
}

}  // namespace

std::string NewSceneryListPath(const std::string& path) { return path + ".tolmarin.new"; }

std::string BackupSceneryListPath(const std::string& path) { return path + ".tolmarin.bak"; }

bool SceneryListExists(platform::FileSystem& files, const std::string& path) {
  std::uint32_t attributes = 0;
  const Status status = files.GetAttributes(path, attributes);
  if (status == st::kFileNotFound || status == st::kPathNotFound) return false;
  return status != st::kOk || (attributes & platform::attr::kDirectory) == 0;
}

ListOutcome RefuseSceneryList(platform::MessageBoxes& boxes, const std::string& path,
                              const std::string& reason) {
  boxes.Show("The scenery list " + path + " cannot be handled: " + reason +
                 ".\rThe file was not changed.",
             platform::mb::kStopOk, "Scenery List");
  return ListOutcome::kRefused;
}

ListOutcome ReadSceneryList(platform::Platform& platform, const std::string& path,
                            SceneryList& list) {
  std::vector<std::uint8_t> bytes;
  std::uint32_t length = 0;
  RunFileStep(
      platform, StepKind::kEssential,
      [&] { return ReadListBytes(platform.files, path, bytes, length); }, [] {});
  if (FormatResult result = CheckListFileLength(length); !result.ok) {
    return RefuseSceneryList(platform.messageBoxes, path, result.reason);
  }
  if (FormatResult result = ParseSceneryList(bytes, list); !result.ok) {
    return RefuseSceneryList(platform.messageBoxes, path, result.reason);
  }
  return ListOutcome::kDone;
}

ListOutcome WriteSceneryList(platform::Platform& platform, const std::string& path,
                             SceneryList& list) {
  std::vector<std::uint8_t> bytes;
  ListLayout layout;
  if (FormatResult result = FormatSceneryList(list, bytes, layout); !result.ok) {
    return RefuseSceneryList(platform.messageBoxes, path, result.reason);
  }

  platform::FileSystem& files = platform.files;
  const std::string newPath = NewSceneryListPath(path);
  const std::string backupPath = BackupSceneryListPath(path);
  bool backupMade = false;
  bool replacing = false;
  // Giving up leaves the old list as it was. Once the replace has been tried
  // the backup stays, in case a failed replace did not leave the old file whole.
  const auto cleanUp = [&] {
    files.DeleteFile(newPath);
    if (backupMade && !replacing) files.DeleteFile(backupPath);
  };

  RunFileStep(
      platform, StepKind::kEssential, [&] { return WriteListBytes(files, newPath, bytes); },
      cleanUp);
  if (SceneryListExists(files, path)) {
    backupMade = true;
    RunFileStep(
        platform, StepKind::kOptional, [&] { return files.CopyFile(path, backupPath); }, cleanUp);
  }
  replacing = true;
  RunFileStep(
      platform, StepKind::kEssential, [&] { return files.ReplaceFile(newPath, path); }, cleanUp);
  // The new list is complete and in place; a backup that cannot be removed
  // is only a spare copy of the old list.
  if (backupMade) files.DeleteFile(backupPath);

  list.fileLength = layout.fileLength;
  list.sectionOffsets = layout.sectionOffsets;
  return ListOutcome::kDone;
}

}  // namespace tolmarin::scenerylist
