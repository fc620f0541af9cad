#include "platform/win32/win32_registry.h"

#include "platform/win32/windows_api.h"

namespace tolmarin::platform::win32 {

namespace {

HKEY ToHkey(RegKey key) {
  if (key == kHkeyLocalMachine) return HKEY_LOCAL_MACHINE;
  return reinterpret_cast<HKEY>(key);
}

RegKey FromHkey(HKEY key) { return reinterpret_cast<RegKey>(key); }

}  // namespace

Status Win32Registry::CreateKey(RegKey root, const std::string& path, RegKey& key) {
  HKEY opened = nullptr;
  LONG result = RegCreateKeyA(ToHkey(root), path.c_str(), &opened);
  if (result == ERROR_SUCCESS) key = FromHkey(opened);
  return static_cast<Status>(result);
}

Status Win32Registry::OpenKey(RegKey root, const std::string& path, RegKey& key) {
  HKEY opened = nullptr;
  LONG result = RegOpenKeyA(ToHkey(root), path.c_str(), &opened);
  if (result == ERROR_SUCCESS) key = FromHkey(opened);
  return static_cast<Status>(result);
}

Status Win32Registry::OpenKeyEx(RegKey root, const std::string& path, std::uint32_t options,
                                std::uint32_t access, RegKey& key) {
  HKEY opened = nullptr;
  LONG result = RegOpenKeyExA(ToHkey(root), path.c_str(), options, access, &opened);
  if (result == ERROR_SUCCESS) key = FromHkey(opened);
  return static_cast<Status>(result);
}

Status Win32Registry::SetValueEx(RegKey key, const std::string& name, std::uint32_t type,
                                 const void* data, std::uint32_t size) {
  return static_cast<Status>(RegSetValueExA(ToHkey(key), name.c_str(), 0, type,
                                            static_cast<const BYTE*>(data), size));
}

Status Win32Registry::QueryValueEx(RegKey key, const std::string& name, std::uint32_t* type,
                                   void* data, std::uint32_t* size) {
  DWORD typeValue = 0;
  DWORD sizeValue = size != nullptr ? *size : 0;
  LONG result = RegQueryValueExA(ToHkey(key), name.c_str(), nullptr,
                                 type != nullptr ? &typeValue : nullptr,
                                 static_cast<BYTE*>(data), size != nullptr ? &sizeValue : nullptr);
  if (type != nullptr && (result == ERROR_SUCCESS || result == ERROR_MORE_DATA)) {
    *type = typeValue;
  }
  if (size != nullptr && (result == ERROR_SUCCESS || result == ERROR_MORE_DATA)) {
    *size = sizeValue;
  }
  return static_cast<Status>(result);
}

Status Win32Registry::EnumKey(RegKey key, std::uint32_t index, char* buffer,
                              std::uint32_t length) {
  return static_cast<Status>(RegEnumKeyA(ToHkey(key), index, buffer, length));
}

Status Win32Registry::DeleteKey(RegKey root, const std::string& path) {
  return static_cast<Status>(RegDeleteKeyA(ToHkey(root), path.c_str()));
}

Status Win32Registry::CloseKey(RegKey key) {
  return static_cast<Status>(RegCloseKey(ToHkey(key)));
}

}  // namespace tolmarin::platform::win32
