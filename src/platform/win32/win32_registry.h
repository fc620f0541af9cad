// The registry through ADVAPI32's ANSI calls, one to one.
#pragma once

#include "platform/registry.h"

namespace tolmarin::platform::win32 {

class Win32Registry : public Registry {
 public:
  Status CreateKey(RegKey root, const std::string& path, RegKey& key) override;
  Status OpenKey(RegKey root, const std::string& path, RegKey& key) override;
  Status OpenKeyEx(RegKey root, const std::string& path, std::uint32_t options,
                   std::uint32_t access, RegKey& key) override;
  Status SetValueEx(RegKey key, const std::string& name, std::uint32_t type, const void* data,
                    std::uint32_t size) override;
  Status QueryValueEx(RegKey key, const std::string& name, std::uint32_t* type, void* data,
                      std::uint32_t* size) override;
  Status EnumKey(RegKey key, std::uint32_t index, char* buffer, std::uint32_t length) override;
  Status DeleteKey(RegKey root, const std::string& path) override;
  Status CloseKey(RegKey key) override;
};

}  // namespace tolmarin::platform::win32
