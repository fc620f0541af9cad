#include "platform/memory/memory_registry.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/memory/wildcard.h"

namespace tolmarin::platform::memory {

namespace {

// Wine orders subkeys by their names folded to lower case.
struct LowerLess {
  bool operator()(const std::string& a, const std::string& b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
      return static_cast<unsigned char>(FoldLower(x)) < static_cast<unsigned char>(FoldLower(y));
    });
  }
};

struct Value {
  std::string name;
  std::uint32_t type = 0;
  std::string bytes;
};

constexpr RegKey kHkeyClassesRoot = 0x80000000;
constexpr RegKey kHkeyCurrentUser = 0x80000001;
constexpr RegKey kHkeyUsers = 0x80000003;

constexpr std::uint32_t kRegExpandSz = 2;
constexpr std::uint32_t kRegMultiSz = 7;

bool IsStringType(std::uint32_t type) {
  return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz;
}

std::vector<std::string> SplitKeyPath(const std::string& path) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : path) {
    if (c == '\\') {
      if (!part.empty()) parts.push_back(std::move(part));
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(std::move(part));
  return parts;
}

}  // namespace

struct MemoryRegistry::Key {
  std::string name;
  std::string path;  // from HKEY_LOCAL_MACHINE, or prefixed with another root's name
  std::weak_ptr<Key> parent;
  std::map<std::string, std::shared_ptr<Key>, LowerLess> subkeys;
  std::map<std::string, Value, LowerLess> values;
  bool deleted = false;
};

namespace {

std::shared_ptr<MemoryRegistry::Key> MakeChild(const std::shared_ptr<MemoryRegistry::Key>& parent,
                                               const std::string& name) {
  auto child = std::make_shared<MemoryRegistry::Key>();
  child->name = name;
  child->path = parent->path.empty() ? name : parent->path + "\\" + name;
  child->parent = parent;
  parent->subkeys.emplace(name, child);
  return child;
}

void MarkDeleted(MemoryRegistry::Key& key) {
  key.deleted = true;
  for (auto& entry : key.subkeys) MarkDeleted(*entry.second);
}

void CollectPaths(const MemoryRegistry::Key& key, std::vector<std::string>& paths) {
  for (const auto& entry : key.subkeys) {
    paths.push_back(entry.second->path);
    CollectPaths(*entry.second, paths);
  }
}

}  // namespace

MemoryRegistry::MemoryRegistry() {
  const std::pair<RegKey, const char*> roots[] = {{kHkeyClassesRoot, "HKEY_CLASSES_ROOT"},
                                                  {kHkeyCurrentUser, "HKEY_CURRENT_USER"},
                                                  {kHkeyLocalMachine, ""},
                                                  {kHkeyUsers, "HKEY_USERS"}};
  for (const auto& [handle, name] : roots) {
    auto root = std::make_shared<Key>();
    root->path = name;
    roots_.emplace(handle, std::move(root));
  }
}

MemoryRegistry::~MemoryRegistry() = default;

Status MemoryRegistry::Resolve(RegKey handle, std::shared_ptr<Key>& key) const {
  if (auto root = roots_.find(handle); root != roots_.end()) {
    key = root->second;
    return status::kOk;
  }
  auto open = handles_.find(handle);
  if (open == handles_.end()) return status::kInvalidHandle;
  if (open->second->deleted) return kKeyDeleted;
  key = open->second;
  return status::kOk;
}

std::string MemoryRegistry::PathOf(RegKey handle, const std::string& path) const {
  std::string base;
  if (auto root = roots_.find(handle); root != roots_.end()) {
    base = root->second->path;
  } else if (auto open = handles_.find(handle); open != handles_.end()) {
    base = open->second->path;
  }
  std::string tail;
  for (const std::string& part : SplitKeyPath(path)) tail += (tail.empty() ? "" : "\\") + part;
  if (base.empty()) return tail;
  if (tail.empty()) return base;
  return base + "\\" + tail;
}

RegKey MemoryRegistry::NewHandle(const std::shared_ptr<Key>& key) {
  RegKey handle = nextHandle_;
  nextHandle_ += 4;  // handles are never reused, so a stale one stays invalid
  handles_.emplace(handle, key);
  return handle;
}

Status MemoryRegistry::OpenPath(RegOp op, RegKey root, const std::string& path, bool create,
                                bool sameHandle, RegKey& result) {
  if (Status fault = faults_.Check(op, {PathOf(root, path)}); fault != status::kOk) return fault;
  std::shared_ptr<Key> key;
  if (Status s = Resolve(root, key); s != status::kOk) return s;
  if (!path.empty() && path.front() == '\\') return status::kBadPathName;
  std::vector<std::string> parts = SplitKeyPath(path);
  for (const std::string& part : parts) {
    auto child = key->subkeys.find(part);
    if (child != key->subkeys.end()) {
      key = child->second;
    } else if (create) {
      key = MakeChild(key, part);
    } else {
      return status::kFileNotFound;
    }
  }
  // RegOpenKeyA with an empty path hands back the handle it was given.
  result = (parts.empty() && sameHandle) ? root : NewHandle(key);
  return status::kOk;
}

Status MemoryRegistry::CreateKey(RegKey root, const std::string& path, RegKey& key) {
  return OpenPath(RegOp::kCreateKey, root, path, true, false, key);
}

Status MemoryRegistry::OpenKey(RegKey root, const std::string& path, RegKey& key) {
  return OpenPath(RegOp::kOpenKey, root, path, false, true, key);
}

Status MemoryRegistry::OpenKeyEx(RegKey root, const std::string& path, std::uint32_t /*options*/,
                                 std::uint32_t /*access*/, RegKey& key) {
  return OpenPath(RegOp::kOpenKeyEx, root, path, false, false, key);
}

Status MemoryRegistry::SetValueEx(RegKey handle, const std::string& name, std::uint32_t type,
                                  const void* data, std::uint32_t size) {
  if (Status fault = faults_.Check(RegOp::kSetValue, {PathOf(handle, "")}); fault != status::kOk) {
    return fault;
  }
  std::shared_ptr<Key> key;
  if (Status s = Resolve(handle, key); s != status::kOk) return s;
  if (data == nullptr && size != 0) return status::kInvalidParameter;
  std::string bytes(static_cast<const char*>(data), data ? size : 0);
  auto [entry, inserted] = key->values.try_emplace(name, Value{name, type, {}});
  entry->second.type = type;
  entry->second.bytes = std::move(bytes);
  return status::kOk;
}

Status MemoryRegistry::QueryValueEx(RegKey handle, const std::string& name, std::uint32_t* type,
                                    void* data, std::uint32_t* size) {
  if (Status fault = faults_.Check(RegOp::kQueryValue, {PathOf(handle, "")});
      fault != status::kOk) {
    return fault;
  }
  std::shared_ptr<Key> key;
  if (Status s = Resolve(handle, key); s != status::kOk) return s;
  if (data != nullptr && size == nullptr) return status::kInvalidParameter;
  auto entry = key->values.find(name);
  if (entry == key->values.end()) return status::kFileNotFound;
  const Value& value = entry->second;
  std::string shown = value.bytes;
  if (querySizeCountsZero_ && IsStringType(value.type) && !shown.empty() && shown.back() != '\0') {
    shown += '\0';
  }
  if (type != nullptr) *type = value.type;
  if (size == nullptr) return status::kOk;
  auto needed = static_cast<std::uint32_t>(shown.size());
  if (data != nullptr) {
    if (*size < needed) {
      *size = needed;
      return status::kMoreData;
    }
    std::memcpy(data, shown.data(), shown.size());
  }
  *size = needed;
  return status::kOk;
}

Status MemoryRegistry::EnumKey(RegKey handle, std::uint32_t index, char* buffer,
                               std::uint32_t length) {
  if (Status fault = faults_.Check(RegOp::kEnumKey, {PathOf(handle, "")}); fault != status::kOk) {
    return fault;
  }
  std::shared_ptr<Key> key;
  if (Status s = Resolve(handle, key); s != status::kOk) return s;
  if (index >= key->subkeys.size()) return status::kNoMoreItems;
  auto entry = std::next(key->subkeys.begin(), index);
  const std::string& subkey = entry->second->name;
  if (buffer == nullptr) return status::kInvalidParameter;
  if (subkey.size() + 1 > length) return status::kMoreData;
  std::memcpy(buffer, subkey.c_str(), subkey.size() + 1);
  return status::kOk;
}

// A delete that would take a whole subtree (Windows 95) fails when a fault
// matches any key of it: that key is one that cannot be deleted.
Status MemoryRegistry::DeleteKey(RegKey root, const std::string& path) {
  std::vector<std::string> paths{PathOf(root, path)};
  std::shared_ptr<Key> key;
  Status found = Resolve(root, key);
  if (found == status::kOk && (path.empty() || path.front() != '\\')) {
    for (const std::string& part : SplitKeyPath(path)) {
      auto child = key->subkeys.find(part);
      if (child == key->subkeys.end()) {
        key = nullptr;
        break;
      }
      key = child->second;
    }
    if (key != nullptr && !deleteRefusesSubkeys_) CollectPaths(*key, paths);
  }
  if (Status fault = faults_.Check(RegOp::kDeleteKey, paths); fault != status::kOk) return fault;
  if (found != status::kOk) return found;
  if (!path.empty() && path.front() == '\\') return status::kBadPathName;
  if (key == nullptr) return status::kFileNotFound;
  std::shared_ptr<Key> parent = key->parent.lock();
  if (parent == nullptr) return status::kAccessDenied;  // a predefined root
  if (deleteRefusesSubkeys_ && !key->subkeys.empty()) return status::kAccessDenied;
  MarkDeleted(*key);
  parent->subkeys.erase(key->name);
  return status::kOk;
}

Status MemoryRegistry::CloseKey(RegKey handle) {
  Status fault = faults_.Check(RegOp::kCloseKey, {PathOf(handle, "")});
  if (roots_.count(handle) != 0) return fault;
  if (handles_.erase(handle) == 0) return fault != status::kOk ? fault : status::kInvalidHandle;
  return fault;
}

void MemoryRegistry::SetDeleteRefusesSubkeys(bool refuses) { deleteRefusesSubkeys_ = refuses; }

void MemoryRegistry::SetQuerySizeCountsZero(bool countsZero) { querySizeCountsZero_ = countsZero; }

void MemoryRegistry::FailOn(RegOp op, std::string keyPathPattern, Status error, int nth,
                            bool persistent) {
  faults_.Add(op, std::move(keyPathPattern), error, nth, persistent);
}

void MemoryRegistry::ClearFaults() { faults_.Clear(); }

std::shared_ptr<MemoryRegistry::Key> MemoryRegistry::MakeKeys(const std::string& keyPath) {
  std::shared_ptr<Key> key = roots_.at(kHkeyLocalMachine);
  for (const std::string& part : SplitKeyPath(keyPath)) {
    auto child = key->subkeys.find(part);
    key = child != key->subkeys.end() ? child->second : MakeChild(key, part);
  }
  return key;
}

std::shared_ptr<MemoryRegistry::Key> MemoryRegistry::FindKey(const std::string& keyPath) const {
  std::shared_ptr<Key> key = roots_.at(kHkeyLocalMachine);
  for (const std::string& part : SplitKeyPath(keyPath)) {
    auto child = key->subkeys.find(part);
    if (child == key->subkeys.end()) return nullptr;
    key = child->second;
  }
  return key;
}

void MemoryRegistry::SetString(const std::string& keyPath, const std::string& name,
                               const std::string& value) {
  SetRaw(keyPath, name, kRegSz, value);
}

void MemoryRegistry::SetRaw(const std::string& keyPath, const std::string& name,
                            std::uint32_t type, std::string bytes) {
  std::shared_ptr<Key> key = MakeKeys(keyPath);
  auto [entry, inserted] = key->values.try_emplace(name, Value{name, type, {}});
  entry->second.type = type;
  entry->second.bytes = std::move(bytes);
}

std::optional<std::string> MemoryRegistry::GetString(const std::string& keyPath,
                                                     const std::string& name) const {
  std::shared_ptr<Key> key = FindKey(keyPath);
  if (key == nullptr) return std::nullopt;
  auto entry = key->values.find(name);
  if (entry == key->values.end()) return std::nullopt;
  return entry->second.bytes;
}

std::optional<std::uint32_t> MemoryRegistry::GetType(const std::string& keyPath,
                                                     const std::string& name) const {
  std::shared_ptr<Key> key = FindKey(keyPath);
  if (key == nullptr) return std::nullopt;
  auto entry = key->values.find(name);
  if (entry == key->values.end()) return std::nullopt;
  return entry->second.type;
}

bool MemoryRegistry::KeyExists(const std::string& keyPath) const {
  return FindKey(keyPath) != nullptr;
}

std::vector<std::string> MemoryRegistry::AllKeys() const {
  std::vector<std::string> paths;
  CollectPaths(*roots_.at(kHkeyLocalMachine), paths);
  std::sort(paths.begin(), paths.end());
  return paths;
}

int MemoryRegistry::OpenHandleCount() const { return static_cast<int>(handles_.size()); }

}  // namespace tolmarin::platform::memory
