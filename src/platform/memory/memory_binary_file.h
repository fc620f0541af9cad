// An open file of MemoryFileSystem.
#pragma once

#include <cstdint>
#include <string>

#include "platform/memory/memory_file_node.h"

namespace tolmarin::platform::memory {

class MemoryFileSystem::File : public BinaryFile {
 public:
  File(MemoryFileSystem& files, Node& node, char drive, std::string path, OpenMode mode);
  ~File() override;

  Status Read(void* buffer, std::uint32_t size, std::uint32_t& done) override;
  Status Write(const void* buffer, std::uint32_t size, std::uint32_t& done) override;
  Status Seek(std::uint32_t position) override;
  Status Length(std::uint32_t& length) override;
  Status Flush() override;
  Status Close() override;

  // The file system goes away first: every later call fails.
  void Detach();

 private:
  Status Check(FsOp op, bool mutating);
  void Release();

  MemoryFileSystem* files_;
  Node* node_;
  char drive_;
  std::string path_;
  bool writable_;
  bool open_ = true;
  std::uint32_t position_ = 0;
};

}  // namespace tolmarin::platform::memory
