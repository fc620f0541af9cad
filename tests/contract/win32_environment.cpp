// The contract against the real calls, run under Wine by wine-run: the test
// key lives in the prefix's registry, the scratch folders on drive T:.
#include "platform/win32/windows_api.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "contract_environment.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_registry.h"

namespace tolmarin::contract {

namespace {

using platform::RegKey;
using platform::status::kOk;

constexpr const char* kKeyParent = "SOFTWARE\\TolmarinContract";
constexpr const char* kScratchPrefix = "T:\\contract-";

// Removes a key and its subkeys; RegDeleteKeyA refuses keys with subkeys.
void DeleteKeyTree(platform::Registry& registry, RegKey root, const std::string& path) {
  RegKey key = 0;
  if (registry.OpenKeyEx(root, path, 0, platform::kKeyAllAccess, key) == kOk) {
    char name[260];
    while (registry.EnumKey(key, 0, name, sizeof name) == kOk) {
      DeleteKeyTree(registry, key, name);
    }
    registry.CloseKey(key);
  }
  registry.DeleteKey(root, path);
}

// Removes a scratch folder and everything in it, read-only files included.
void DeleteFolderTree(platform::FileSystem& files, const std::string& folder) {
  if (folder.rfind(kScratchPrefix, 0) != 0) throw std::logic_error("not a scratch folder");
  std::vector<platform::DirEntry> entries;
  files.FindEntries(folder + "\\*", entries);
  for (const platform::DirEntry& entry : entries) {
    std::string path = folder + "\\" + entry.name;
    if ((entry.attributes & platform::attr::kDirectory) != 0) {
      files.SetAttributes(path, platform::attr::kNormal);
      DeleteFolderTree(files, path);
    } else {
      files.SetAttributes(path, platform::attr::kNormal);
      files.DeleteFile(path);
    }
  }
  files.RemoveFolder(folder);
}

class Win32Environment : public ContractEnvironment {
 public:
  Win32Environment() {
    static int serial = 0;
    std::string unique = std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
    key_ = std::string(kKeyParent) + "\\" + std::to_string(GetCurrentProcessId());
    scratch_ = kScratchPrefix + unique;
    startFolder_ = files_.CurrentFolder();
    DeleteKeyTree(registry_, platform::kHkeyLocalMachine, key_);
    if (files_.CreateFolder(scratch_) != kOk) {
      throw std::runtime_error("cannot create " + scratch_ + " (run through wine-run)");
    }
  }

  ~Win32Environment() override {
    files_.SetCurrentFolder(startFolder_);
    DeleteFolderTree(files_, scratch_);
    DeleteKeyTree(registry_, platform::kHkeyLocalMachine, key_);
    registry_.DeleteKey(platform::kHkeyLocalMachine, kKeyParent);  // only once it is empty
  }

  platform::Registry& Registry() override { return registry_; }
  platform::FileSystem& Files() override { return files_; }
  std::string TestKey() override { return key_; }
  std::string Scratch() override { return scratch_; }
  std::string OtherDriveRoot() override { return "C:\\"; }

 private:
  platform::win32::Win32Registry registry_;
  platform::win32::Win32FileSystem files_;
  std::string key_;
  std::string scratch_;
  std::string startFolder_;
};

}  // namespace

std::unique_ptr<ContractEnvironment> MakeContractEnvironment() {
  return std::make_unique<Win32Environment>();
}

}  // namespace tolmarin::contract
