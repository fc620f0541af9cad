// An in-memory registry that answers the eight registry calls the way Wine
// (Windows NT) does, with fault injection for tests.
//
// Key and value names compare without regard to case and keep the case they
// were created with. Handles are numbers it hands out and never reuses.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/memory/fault_plan.h"
#include "platform/registry.h"

namespace tolmarin::platform::memory {

enum class RegOp {
  kCreateKey,
  kOpenKey,
  kOpenKeyEx,
  kSetValue,
  kQueryValue,
  kEnumKey,
  kDeleteKey,
  kCloseKey,
  kAny
};

// A handle used after its key was deleted (ERROR_KEY_DELETED).
inline constexpr Status kKeyDeleted = 1018;

class MemoryRegistry : public Registry {
 public:
  MemoryRegistry();
  ~MemoryRegistry() override;

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

  // true (Windows NT, Wine; the default): RegDeleteKeyA refuses a key with
  // subkeys (5). false (Windows 95): it deletes the whole subtree.
  void SetDeleteRefusesSubkeys(bool refuses);
  // true (Wine; the default): a REG_SZ value whose bytes do not end in a zero
  // is reported one byte longer, with the zero. Wine's RegSetValueExA adds
  // that zero when the caller's text has one just past the given length, as
  // every strlen-sized write has; the fake adds it when the value is read, so
  // GetString still shows the bytes as written. false: bare lengths.
  void SetQuerySizeCountsZero(bool countsZero);

  // The nth call of `op` on a key whose path matches `keyPathPattern` fails
  // with `error` and changes nothing (1-based; with `persistent` every
  // matching call from the nth on). Paths are relative to HKEY_LOCAL_MACHINE,
  // e.g. "SOFTWARE\Ostrel\*". A failing CloseKey still closes the handle:
  // nothing else could ever close it.
  void FailOn(RegOp op, std::string keyPathPattern, Status error, int nth = 1,
              bool persistent = false);
  void ClearFaults();

  // Test helpers, paths relative to HKEY_LOCAL_MACHINE; keys are created as
  // needed. SetString stores the text without a terminating zero, as
  // RegSetValueExA with strlen does.
  void SetString(const std::string& keyPath, const std::string& name, const std::string& value);
  void SetRaw(const std::string& keyPath, const std::string& name, std::uint32_t type,
              std::string bytes);
  // The stored bytes of a value of any type; nullopt when key or value is missing.
  std::optional<std::string> GetString(const std::string& keyPath, const std::string& name) const;
  std::optional<std::uint32_t> GetType(const std::string& keyPath, const std::string& name) const;
  bool KeyExists(const std::string& keyPath) const;
  // Every key below HKEY_LOCAL_MACHINE, full paths in the case they were
  // created with, sorted.
  std::vector<std::string> AllKeys() const;
  // Handles handed out and not yet closed (the predefined roots not counted).
  int OpenHandleCount() const;

  struct Key;

 private:
  Status Resolve(RegKey handle, std::shared_ptr<Key>& key) const;
  Status OpenPath(RegOp op, RegKey root, const std::string& path, bool create, bool sameHandle,
                  RegKey& result);
  RegKey NewHandle(const std::shared_ptr<Key>& key);
  std::string PathOf(RegKey handle, const std::string& path) const;
  std::shared_ptr<Key> MakeKeys(const std::string& keyPath);
  std::shared_ptr<Key> FindKey(const std::string& keyPath) const;

  std::map<RegKey, std::shared_ptr<Key>> roots_;
  std::map<RegKey, std::shared_ptr<Key>> handles_;
  RegKey nextHandle_ = 0x1000;
  bool deleteRefusesSubkeys_ = true;
  bool querySizeCountsZero_ = true;
  FaultPlan<RegOp> faults_;
};

}  // namespace tolmarin::platform::memory
