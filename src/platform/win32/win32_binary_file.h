// A BinaryFile on a kernel32 file handle.
#pragma once

#include "platform/file_system.h"
#include "platform/win32/windows_api.h"

namespace tolmarin::platform::win32 {

class Win32BinaryFile : public BinaryFile {
 public:
  explicit Win32BinaryFile(HANDLE handle);
  ~Win32BinaryFile() override;
  Win32BinaryFile(const Win32BinaryFile&) = delete;
  Win32BinaryFile& operator=(const Win32BinaryFile&) = delete;

  Status Read(void* buffer, std::uint32_t size, std::uint32_t& done) override;
  Status Write(const void* buffer, std::uint32_t size, std::uint32_t& done) override;
  Status Seek(std::uint32_t position) override;
  Status Length(std::uint32_t& length) override;
  Status Flush() override;
  Status Close() override;

 private:
  HANDLE handle_;
};

}  // namespace tolmarin::platform::win32
