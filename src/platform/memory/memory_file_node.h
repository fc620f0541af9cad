// The tree behind MemoryFileSystem: drives, folders and files.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "platform/memory/memory_file_system.h"

namespace tolmarin::platform::memory {

// Wine lists folder entries by their names compared in upper case.
struct UpperLess {
  bool operator()(const std::string& a, const std::string& b) const;
};

struct MemoryFileSystem::Node {
  std::string name;
  bool folder = false;
  std::uint32_t attributes = 0;  // without kDirectory, which `folder` gives
  std::string bytes;
  std::map<std::string, std::unique_ptr<Node>, UpperLess> children;
  int readers = 0;
  int writers = 0;

  std::uint32_t ReportedAttributes() const;
  std::uint64_t TotalBytes() const;  // of this file, or of everything below this folder
};

struct MemoryFileSystem::Drive {
  char letter = 'C';
  std::uint64_t freeBytes = 0;
  bool ready = true;
  std::uint32_t sectorsPerCluster = 8;
  std::uint32_t bytesPerSector = 512;
  std::string currentFolder;
  Node root;
};

// The attribute bits a file or folder keeps; a plain file always has kArchive.
std::uint32_t StoredAttributes(bool folder, std::uint32_t requested);

}  // namespace tolmarin::platform::memory
