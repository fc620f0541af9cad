// What a contract test needs of a backend: its registry and file system, a
// registry key and a scratch folder of the test's own, and a second drive.
// Each backend's environment file provides MakeContractEnvironment.
#pragma once

#include <memory>
#include <string>

#include "platform/file_system.h"
#include "platform/registry.h"

namespace tolmarin::contract {

class ContractEnvironment {
 public:
  virtual ~ContractEnvironment() = default;
  virtual platform::Registry& Registry() = 0;
  virtual platform::FileSystem& Files() = 0;
  // A key below HKEY_LOCAL_MACHINE that does not exist yet, removed with
  // everything below it when the environment goes.
  virtual std::string TestKey() = 0;
  // An empty folder (no trailing backslash), removed when the environment goes.
  virtual std::string Scratch() = 0;
  // The root of an existing drive other than the scratch folder's ("D:\").
  virtual std::string OtherDriveRoot() = 0;
};

// A fresh environment for one test.
std::unique_ptr<ContractEnvironment> MakeContractEnvironment();

}  // namespace tolmarin::contract
