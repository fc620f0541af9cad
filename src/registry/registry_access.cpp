#include "registry/registry_access.h"

#include <cstdint>
#include <vector>

namespace tolmarin::registry {

using platform::RegKey;
using platform::Status;
namespace status = platform::status;

bool RegWriteString(platform::Registry& registry, RegKey root, const std::string& keyPath,
                    const std::string& valueName, const std::string& text) {
  RegKey key = 0;
  if (registry.CreateKey(root, keyPath, key) != status::kOk) {
    return false;
  }
  const Status set = registry.SetValueEx(key, valueName, platform::kRegSz, text.data(),
                                         static_cast<std::uint32_t>(text.size()));
  registry.CloseKey(key);
  return set == status::kOk;
}

bool RegReadString(platform::Registry& registry, RegKey root, const std::string& keyPath,
                   const std::string& valueName, std::string& result) {
  RegKey key = 0;
  if (registry.OpenKey(root, keyPath, key) != status::kOk) {
    return false;
  }
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  Status last = registry.QueryValueEx(key, valueName, &type, nullptr, &size);

  // One byte more than the reported size, all zero: whether the registry
  // counts the terminating zero in `size` or not, the whole text fits and
  // stays terminated.
  std::vector<char> buffer;
  if (last == status::kOk && size != 0 && type == platform::kRegSz) {
    buffer.assign(static_cast<std::size_t>(size) + 1, '\0');
    std::uint32_t declaredType = platform::kRegSz;
    std::uint32_t bufferSize = size;
    last = registry.QueryValueEx(key, valueName, &declaredType, buffer.data(), &bufferSize);
  }
  registry.CloseKey(key);

  if (last != status::kOk || size == 0) {
    return false;
  }
  result = buffer.empty() ? std::string() : StripAtZero(std::string(buffer.data(), size));
  return true;
}

bool RegDeleteTree(platform::Registry& registry, RegKey root, const std::string& keyPath) {
  if (registry.DeleteKey(root, keyPath) == status::kOk) {
    return true;
  }
  RegKey key = 0;
  if (registry.OpenKeyEx(root, keyPath, 0, platform::kKeyAllAccess, key) != status::kOk) {
    return false;
  }
  // Always index 0: each pass deletes the subkey it found.
  constexpr std::uint32_t kNameLength = 260;
  for (;;) {
    char name[kNameLength] = {};
    if (registry.EnumKey(key, 0, name, kNameLength) != status::kOk) {
      break;
    }
    const std::string subkey = StripAtZero(std::string(name, kNameLength));
    if (!RegDeleteTree(registry, key, subkey)) {
      break;
    }
  }
  registry.CloseKey(key);
  return registry.DeleteKey(root, keyPath) == status::kOk;
}

std::string StripAtZero(const std::string& text) {
  const std::size_t zero = text.find('\0');
  return zero == std::string::npos ? text : text.substr(0, zero);
}

}  // namespace tolmarin::registry
