#include "platform/win32/win32_binary_file.h"

namespace tolmarin::platform::win32 {

namespace {

Status LastError() { return static_cast<Status>(GetLastError()); }

}  // namespace

Win32BinaryFile::Win32BinaryFile(HANDLE handle) : handle_(handle) {}

Win32BinaryFile::~Win32BinaryFile() {
  if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
}

Status Win32BinaryFile::Read(void* buffer, std::uint32_t size, std::uint32_t& done) {
  DWORD read = 0;
  BOOL ok = ReadFile(handle_, buffer, size, &read, nullptr);
  done = read;
  return ok ? status::kOk : LastError();
}

Status Win32BinaryFile::Write(const void* buffer, std::uint32_t size, std::uint32_t& done) {
  DWORD written = 0;
  BOOL ok = WriteFile(handle_, buffer, size, &written, nullptr);
  done = written;
  return ok ? status::kOk : LastError();
}

Status Win32BinaryFile::Seek(std::uint32_t position) {
  // With a high part given, the low part counts as unsigned: the whole 32-bit range works.
  LONG high = 0;
  SetLastError(ERROR_SUCCESS);
  DWORD low = SetFilePointer(handle_, static_cast<LONG>(position), &high, FILE_BEGIN);
  if (low == INVALID_SET_FILE_POINTER && GetLastError() != ERROR_SUCCESS) return LastError();
  return status::kOk;
}

Status Win32BinaryFile::Length(std::uint32_t& length) {
  DWORD high = 0;
  SetLastError(ERROR_SUCCESS);
  DWORD low = GetFileSize(handle_, &high);
  if (low == INVALID_FILE_SIZE && GetLastError() != ERROR_SUCCESS) return LastError();
  if (high != 0) return status::kInvalidParameter;  // 4 GB or more: no 32-bit length
  length = low;
  return status::kOk;
}

Status Win32BinaryFile::Flush() {
  return FlushFileBuffers(handle_) ? status::kOk : LastError();
}

Status Win32BinaryFile::Close() {
  if (handle_ == INVALID_HANDLE_VALUE) return status::kInvalidHandle;
  HANDLE handle = handle_;
  handle_ = INVALID_HANDLE_VALUE;
  return CloseHandle(handle) ? status::kOk : LastError();
}

}  // namespace tolmarin::platform::win32
