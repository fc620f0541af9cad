// The registry, as the eight ADVAPI32 calls (ANSI forms) the program uses.
//
// Each method mirrors one Win32 function with the same arguments and the
// same LONG result, so the registry access layer reads like the Win32 code
// it is and the in-memory fake can be checked call for call against Wine.
#pragma once

#include <cstdint>
#include <string>

#include "platform/status.h"

namespace tolmarin::platform {

// An open key, or one of the predefined roots. Only the roots below have a
// fixed value; other handles are whatever the backend hands out.
using RegKey = std::uintptr_t;

inline constexpr RegKey kHkeyLocalMachine = 0x80000002;

inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;

inline constexpr std::uint32_t kKeyAllAccess = 0xF003F;

class Registry {
 public:
  virtual ~Registry() = default;

  // RegCreateKeyA: opens the key, creating it and every missing level.
  virtual Status CreateKey(RegKey root, const std::string& path, RegKey& key) = 0;
  // RegOpenKeyA: opens an existing key.
  virtual Status OpenKey(RegKey root, const std::string& path, RegKey& key) = 0;
  // RegOpenKeyExA.
  virtual Status OpenKeyEx(RegKey root, const std::string& path, std::uint32_t options,
                           std::uint32_t access, RegKey& key) = 0;
  // RegSetValueExA: stores `size` bytes of `data` (reserved argument 0).
  virtual Status SetValueEx(RegKey key, const std::string& name, std::uint32_t type,
                            const void* data, std::uint32_t size) = 0;
  // RegQueryValueExA: `type`, `data` and `size` may each be null, as in Win32.
  // On entry *size is the buffer's size; on return the value's size.
  virtual Status QueryValueEx(RegKey key, const std::string& name, std::uint32_t* type,
                              void* data, std::uint32_t* size) = 0;
  // RegEnumKeyA: the name of subkey `index` into `buffer` of `length` chars.
  virtual Status EnumKey(RegKey key, std::uint32_t index, char* buffer,
                         std::uint32_t length) = 0;
  // RegDeleteKeyA.
  virtual Status DeleteKey(RegKey root, const std::string& path) = 0;
  // RegCloseKey.
  virtual Status CloseKey(RegKey key) = 0;
};

}  // namespace tolmarin::platform
