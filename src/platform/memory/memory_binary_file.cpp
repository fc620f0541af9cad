#include "platform/memory/memory_binary_file.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace tolmarin::platform::memory {

MemoryFileSystem::File::File(MemoryFileSystem& files, Node& node, char drive, std::string path,
                             OpenMode mode)
    : files_(&files),
      node_(&node),
      drive_(drive),
      path_(std::move(path)),
      writable_(mode != OpenMode::kRead) {
  (writable_ ? node_->writers : node_->readers) += 1;
  files_->openFiles_.insert(this);
}

MemoryFileSystem::File::~File() { Release(); }

void MemoryFileSystem::File::Release() {
  if (!open_ || files_ == nullptr) return;
  (writable_ ? node_->writers : node_->readers) -= 1;
  files_->openFiles_.erase(this);
  open_ = false;
}

void MemoryFileSystem::File::Detach() {
  files_ = nullptr;
  open_ = false;
}

Status MemoryFileSystem::File::Check(FsOp op, bool mutating) {
  if (files_ == nullptr) return status::kInvalidHandle;
  if (Status fault = files_->Begin(op, mutating, {path_}); fault != status::kOk) return fault;
  if (!open_) return status::kInvalidHandle;
  Drive* drive = files_->FindDrive(drive_);
  if (drive == nullptr || !drive->ready) return status::kNotReady;
  return status::kOk;
}

Status MemoryFileSystem::File::Read(void* buffer, std::uint32_t size, std::uint32_t& done) {
  done = 0;
  if (Status s = Check(FsOp::kRead, false); s != status::kOk) return s;
  const std::string& bytes = node_->bytes;
  if (position_ < bytes.size()) {
    done = static_cast<std::uint32_t>(std::min<std::size_t>(size, bytes.size() - position_));
    std::memcpy(buffer, bytes.data() + position_, done);
    position_ += done;
  }
  return status::kOk;
}

Status MemoryFileSystem::File::Write(const void* buffer, std::uint32_t size, std::uint32_t& done) {
  done = 0;
  if (Status s = Check(FsOp::kWrite, true); s != status::kOk) return s;
  if (!writable_) return status::kAccessDenied;
  std::string& bytes = node_->bytes;
  std::uint64_t end = std::uint64_t{position_} + size;
  std::uint64_t growth = end > bytes.size() ? end - bytes.size() : 0;
  Drive* drive = files_->FindDrive(drive_);
  if (growth > drive->freeBytes) return status::kDiskFull;
  drive->freeBytes -= growth;
  if (end > bytes.size()) bytes.resize(static_cast<std::size_t>(end), '\0');
  if (size != 0) std::memcpy(bytes.data() + position_, buffer, size);
  position_ = static_cast<std::uint32_t>(end);
  done = size;
  return status::kOk;
}

Status MemoryFileSystem::File::Seek(std::uint32_t position) {
  if (Status s = Check(FsOp::kSeek, false); s != status::kOk) return s;
  position_ = position;
  return status::kOk;
}

Status MemoryFileSystem::File::Length(std::uint32_t& length) {
  if (Status s = Check(FsOp::kLength, false); s != status::kOk) return s;
  length = static_cast<std::uint32_t>(node_->bytes.size());
  return status::kOk;
}

Status MemoryFileSystem::File::Flush() {
  if (Status s = Check(FsOp::kFlush, false); s != status::kOk) return s;
  return writable_ ? status::kOk : status::kAccessDenied;
}

// The handle goes whatever the outcome, as CloseHandle's does.
Status MemoryFileSystem::File::Close() {
  if (files_ == nullptr) return status::kInvalidHandle;
  Status fault = files_->Begin(FsOp::kClose, false, {path_});
  if (!open_) return status::kInvalidHandle;
  Release();
  return fault;
}

}  // namespace tolmarin::platform::memory
