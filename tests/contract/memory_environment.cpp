// The contract against the in-memory fakes, in their default (Wine) modes.
#include "contract_environment.h"
#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_registry.h"

namespace tolmarin::contract {

namespace {

class MemoryEnvironment : public ContractEnvironment {
 public:
  MemoryEnvironment() {
    files_.MakeFolders("C:\\contract");
    files_.AddDrive('D');
  }

  platform::Registry& Registry() override { return registry_; }
  platform::FileSystem& Files() override { return files_; }
  std::string TestKey() override { return "SOFTWARE\\TolmarinContract\\1"; }
  std::string Scratch() override { return "C:\\contract"; }
  std::string OtherDriveRoot() override { return "D:\\"; }

 private:
  platform::memory::MemoryRegistry registry_;
  platform::memory::MemoryFileSystem files_;
};

}  // namespace

std::unique_ptr<ContractEnvironment> MakeContractEnvironment() {
  return std::make_unique<MemoryEnvironment>();
}

}  // namespace tolmarin::contract
