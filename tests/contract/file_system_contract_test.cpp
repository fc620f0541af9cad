// File system behaviour both backends must share: the memory fake is held
// to what the real calls do under Wine.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "contract_environment.h"

namespace tolmarin::contract {
namespace {

using platform::BinaryFile;
using platform::OpenMode;
using platform::Status;
namespace attr = platform::attr;
namespace status = platform::status;

constexpr Status kNotAFolder = 267;

class FileSystemContract : public ::testing::Test {
 protected:
  FileSystemContract()
      : env(MakeContractEnvironment()), files(env->Files()), dir(env->Scratch()) {}

  std::string At(const std::string& name) const { return dir + "\\" + name; }

  void Write(const std::string& name, const std::string& bytes) {
    std::unique_ptr<BinaryFile> file;
    ASSERT_EQ(files.Open(At(name), OpenMode::kCreateAlways, file), status::kOk) << name;
    std::uint32_t done = 0;
    ASSERT_EQ(file->Write(bytes.data(), static_cast<std::uint32_t>(bytes.size()), done),
              status::kOk);
    ASSERT_EQ(file->Close(), status::kOk);
  }

  std::string Read(const std::string& name) {
    std::unique_ptr<BinaryFile> file;
    if (files.Open(At(name), OpenMode::kRead, file) != status::kOk) return "<cannot open>";
    std::uint32_t length = 0;
    file->Length(length);
    std::string bytes(length, '\0');
    std::uint32_t done = 0;
    file->Read(bytes.data(), length, done);
    bytes.resize(done);
    return bytes;
  }

  std::uint32_t Attributes(const std::string& name) {
    std::uint32_t attributes = 0;
    Status s = files.GetAttributes(At(name), attributes);
    return s == status::kOk ? attributes : 0xFFFFFFFF;
  }

  std::vector<std::string> Names(const std::string& pattern, Status& result) {
    std::vector<platform::DirEntry> entries;
    result = files.FindEntries(At(pattern), entries);
    std::vector<std::string> names;
    for (const auto& entry : entries) names.push_back(entry.name);
    return names;
  }

  // Wine run as root opens read-only files for writing all the same (root
  // ignores the permission bits Wine keeps the attribute in). Cases that
  // need the refusal check for it first.
  bool ReadOnlyRefusesWriting() {
    Write("probe", "x");
    files.SetAttributes(At("probe"), attr::kReadOnly);
    std::unique_ptr<BinaryFile> file;
    bool refused = files.Open(At("probe"), OpenMode::kReadWrite, file) == status::kAccessDenied;
    file.reset();
    files.SetAttributes(At("probe"), attr::kNormal);
    files.DeleteFile(At("probe"));
    return refused;
  }

  std::unique_ptr<ContractEnvironment> env;
  platform::FileSystem& files;
  std::string dir;
};

TEST_F(FileSystemContract, FolderCreationAndRemoval) {
  EXPECT_EQ(files.CreateFolder(At("Sub")), status::kOk);
  EXPECT_EQ(files.CreateFolder(At("SUB")), status::kAlreadyExists);
  EXPECT_EQ(files.CreateFolder(At("Missing\\Sub")), status::kPathNotFound);
  EXPECT_EQ(files.CreateFolder(At("a<b")), status::kInvalidName);
  EXPECT_EQ(files.CreateFolder(At("a|b")), status::kInvalidName);
  Write("Sub\\file", "x");
  EXPECT_EQ(files.CreateFolder(At("Sub\\file")), status::kAlreadyExists);
  EXPECT_EQ(files.RemoveFolder(At("Sub")), status::kDirNotEmpty);
  EXPECT_EQ(files.RemoveFolder(At("Sub\\file")), kNotAFolder);
  EXPECT_EQ(files.DeleteFile(At("Sub\\file")), status::kOk);
  EXPECT_EQ(files.RemoveFolder(At("sub")), status::kOk);
  EXPECT_EQ(files.RemoveFolder(At("Sub")), status::kFileNotFound);
  EXPECT_EQ(files.RemoveFolder(At("Missing\\Sub")), status::kPathNotFound);
}

TEST_F(FileSystemContract, AttributesOfFilesAndFolders) {
  Write("file", "x");
  files.CreateFolder(At("Sub"));
  EXPECT_EQ(Attributes("file"), attr::kArchive);
  EXPECT_EQ(Attributes("FILE."), attr::kArchive) << "trailing dots are dropped";
  EXPECT_EQ(Attributes("Sub"), attr::kDirectory);

  EXPECT_EQ(files.SetAttributes(At("file"), attr::kReadOnly | attr::kHidden | attr::kSystem),
            status::kOk);
  EXPECT_EQ(Attributes("file"), attr::kReadOnly | attr::kHidden | attr::kSystem | attr::kArchive);
  // "Normal" clears the rest; Wine keeps reporting a plain file as archive.
  EXPECT_EQ(files.SetAttributes(At("file"), attr::kNormal), status::kOk);
  EXPECT_EQ(Attributes("file"), attr::kArchive);
  EXPECT_EQ(files.SetAttributes(At("Sub"), attr::kHidden), status::kOk);
  EXPECT_EQ(Attributes("Sub"), attr::kDirectory | attr::kHidden);

  std::uint32_t found = 0;
  EXPECT_EQ(files.GetAttributes(At("missing"), found), status::kFileNotFound);
  EXPECT_EQ(files.GetAttributes(At("missing\\file"), found), status::kPathNotFound);
  EXPECT_EQ(files.GetAttributes(At("file\\"), found), status::kPathNotFound);
  EXPECT_EQ(files.GetAttributes(At("file\\deeper"), found), status::kPathNotFound);
  EXPECT_EQ(files.SetAttributes(At("missing"), attr::kNormal), status::kFileNotFound);
}

TEST_F(FileSystemContract, CopyFile) {
  Write("source", "new bytes");
  Write("target", "old");
  EXPECT_EQ(files.CopyFile(At("source"), At("target")), status::kOk);
  EXPECT_EQ(Read("target"), "new bytes");
  EXPECT_EQ(Read("source"), "new bytes");

  // A new copy takes the source's attributes.
  files.SetAttributes(At("source"), attr::kReadOnly | attr::kHidden);
  EXPECT_EQ(files.CopyFile(At("source"), At("copy")), status::kOk);
  EXPECT_EQ(Attributes("copy"), attr::kReadOnly | attr::kHidden | attr::kArchive);
  EXPECT_EQ(files.SetAttributes(At("copy"), attr::kNormal), status::kOk);
  EXPECT_EQ(Attributes("copy"), attr::kArchive);
  // Over an existing file Wine keeps that file's attributes (Windows would
  // refuse a hidden target).
  files.SetAttributes(At("copy"), attr::kHidden);
  files.SetAttributes(At("source"), attr::kNormal);
  EXPECT_EQ(files.CopyFile(At("source"), At("copy")), status::kOk);
  EXPECT_EQ(Attributes("copy"), attr::kHidden | attr::kArchive);

  files.CreateFolder(At("Sub"));
  EXPECT_EQ(files.CopyFile(At("missing"), At("x")), status::kFileNotFound);
  EXPECT_EQ(files.CopyFile(At("source"), At("Missing\\x")), status::kPathNotFound);
  EXPECT_EQ(files.CopyFile(At("Sub"), At("x")), status::kAccessDenied);
  EXPECT_EQ(files.CopyFile(At("source"), At("Sub")), status::kAccessDenied);
  EXPECT_EQ(files.CopyFile(At("source"), At("SOURCE")), status::kSharingViolation);
  EXPECT_EQ(files.CopyFile(At("source"), At("a<b")), status::kInvalidName);
}

TEST_F(FileSystemContract, ReadOnlyFilesRefuseDeleteAndOverwrite) {
  Write("locked", "keep");
  files.SetAttributes(At("locked"), attr::kReadOnly);
  EXPECT_EQ(files.DeleteFile(At("locked")), status::kAccessDenied);
  EXPECT_EQ(Read("locked"), "keep");
  if (!ReadOnlyRefusesWriting()) {
    GTEST_SKIP() << "this Wine runs as root, which writes read-only files regardless";
  }
  Write("source", "new");
  EXPECT_EQ(files.CopyFile(At("source"), At("locked")), status::kAccessDenied);
  std::unique_ptr<BinaryFile> file;
  EXPECT_EQ(files.Open(At("locked"), OpenMode::kReadWrite, file), status::kAccessDenied);
  EXPECT_EQ(files.Open(At("locked"), OpenMode::kCreateAlways, file), status::kAccessDenied);
  EXPECT_EQ(Read("locked"), "keep");
}

TEST_F(FileSystemContract, DeleteFile) {
  files.CreateFolder(At("Sub"));
  EXPECT_EQ(files.DeleteFile(At("missing")), status::kFileNotFound);
  EXPECT_EQ(files.DeleteFile(At("Missing\\x")), status::kPathNotFound);
  EXPECT_EQ(files.DeleteFile(At("Sub")), status::kAccessDenied);
  EXPECT_EQ(files.DeleteFile(At("*")), status::kInvalidName);
  Write("open", "x");
  {
    std::unique_ptr<BinaryFile> file;
    ASSERT_EQ(files.Open(At("open"), OpenMode::kRead, file), status::kOk);
    EXPECT_EQ(files.DeleteFile(At("open")), status::kSharingViolation);
  }
  EXPECT_EQ(files.DeleteFile(At("OPEN")), status::kOk);
  EXPECT_EQ(Attributes("open"), 0xFFFFFFFF);
}

TEST_F(FileSystemContract, FindEntriesMatchesLikeWindows) {
  for (const char* name : {"README", "abc", "abc.dat", "b.txt", "A.TXT", "ac", "Z", "_a"}) {
    Write(name, "x");
  }
  files.CreateFolder(At("Sub"));
  struct Case {
    const char* pattern;
    std::vector<std::string> names;
  };
  // Listed in Wine's order: names compared in capitals.
  const Case cases[] = {
      {"*.*", {"A.TXT", "abc", "abc.dat", "ac", "b.txt", "README", "Sub", "Z", "_a"}},
      {"*", {"A.TXT", "abc", "abc.dat", "ac", "b.txt", "README", "Sub", "Z", "_a"}},
      {"abc.*", {"abc", "abc.dat"}},
      {"a?c", {"abc"}},
      {"a?", {"ac"}},
      {"*.txt", {"A.TXT", "b.txt"}},
      {"readme", {"README"}},
      {"*.", {"A.TXT", "abc", "abc.dat", "ac", "b.txt", "README", "Sub", "Z", "_a"}},
  };
  for (const Case& c : cases) {
    Status result = 0;
    EXPECT_EQ(Names(c.pattern, result), c.names) << c.pattern;
    EXPECT_EQ(result, status::kOk) << c.pattern;
  }

  std::vector<platform::DirEntry> entries;
  ASSERT_EQ(files.FindEntries(At("S*"), entries), status::kOk);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].attributes & attr::kDirectory, attr::kDirectory);

  Status result = 0;
  EXPECT_TRUE(Names("*.zzz", result).empty());
  EXPECT_EQ(result, status::kFileNotFound);
  EXPECT_TRUE(Names("Sub\\*.*", result).empty()) << "\".\" and \"..\" are left out";
  EXPECT_EQ(result, status::kFileNotFound);
  EXPECT_TRUE(Names("Missing\\*.*", result).empty());
  EXPECT_EQ(result, status::kPathNotFound);
}

TEST_F(FileSystemContract, BinaryReadWriteSeekLength) {
  Write("data", "abcdef");
  std::unique_ptr<BinaryFile> file;
  ASSERT_EQ(files.Open(At("data"), OpenMode::kReadWrite, file), status::kOk);
  std::uint32_t length = 0;
  EXPECT_EQ(file->Length(length), status::kOk);
  EXPECT_EQ(length, 6u) << "read-write open does not truncate";

  char buffer[16] = {};
  std::uint32_t done = 0;
  EXPECT_EQ(file->Seek(2), status::kOk);
  EXPECT_EQ(file->Read(buffer, 3, done), status::kOk);
  EXPECT_EQ(std::string(buffer, done), "cde");
  EXPECT_EQ(file->Read(buffer, 16, done), status::kOk);
  EXPECT_EQ(std::string(buffer, done), "f") << "a short read at the end";
  EXPECT_EQ(file->Read(buffer, 16, done), status::kOk);
  EXPECT_EQ(done, 0u);

  EXPECT_EQ(file->Seek(1), status::kOk);
  EXPECT_EQ(file->Write("XY", 2, done), status::kOk);
  EXPECT_EQ(file->Seek(8), status::kOk);
  EXPECT_EQ(file->Write("Z", 1, done), status::kOk);
  EXPECT_EQ(file->Flush(), status::kOk);
  EXPECT_EQ(file->Length(length), status::kOk);
  EXPECT_EQ(length, 9u);
  EXPECT_EQ(file->Close(), status::kOk);
  EXPECT_EQ(file->Close(), status::kInvalidHandle);
  EXPECT_EQ(Read("data"), std::string("aXYdef\0\0Z", 9));

  ASSERT_EQ(files.Open(At("data"), OpenMode::kCreateAlways, file), status::kOk);
  EXPECT_EQ(file->Length(length), status::kOk);
  EXPECT_EQ(length, 0u) << "create-always truncates";
}

TEST_F(FileSystemContract, OpenFailuresAndSharing) {
  files.CreateFolder(At("Sub"));
  std::unique_ptr<BinaryFile> file;
  EXPECT_EQ(files.Open(At("missing"), OpenMode::kRead, file), status::kFileNotFound);
  EXPECT_EQ(files.Open(At("missing"), OpenMode::kReadWrite, file), status::kFileNotFound);
  EXPECT_EQ(files.Open(At("Missing\\x"), OpenMode::kCreateAlways, file), status::kPathNotFound);
  EXPECT_EQ(files.Open(At("Sub"), OpenMode::kRead, file), status::kAccessDenied);
  EXPECT_EQ(files.Open(At("a|b"), OpenMode::kCreateAlways, file), status::kInvalidName);
  EXPECT_EQ(files.Open(At("new\\"), OpenMode::kCreateAlways, file), status::kInvalidName);

  Write("shared", "x");
  std::unique_ptr<BinaryFile> reader;
  std::unique_ptr<BinaryFile> other;
  ASSERT_EQ(files.Open(At("shared"), OpenMode::kRead, reader), status::kOk);
  EXPECT_EQ(files.Open(At("shared"), OpenMode::kRead, other), status::kOk);
  other.reset();
  EXPECT_EQ(files.Open(At("shared"), OpenMode::kReadWrite, other), status::kSharingViolation);
  std::uint32_t done = 0;
  EXPECT_EQ(reader->Write("y", 1, done), status::kAccessDenied);
  reader.reset();

  std::unique_ptr<BinaryFile> writer;
  ASSERT_EQ(files.Open(At("shared"), OpenMode::kReadWrite, writer), status::kOk);
  EXPECT_EQ(files.Open(At("shared"), OpenMode::kRead, other), status::kSharingViolation);
  EXPECT_EQ(files.CopyFile(At("shared"), At("copy")), status::kOk) << "a copy may read it";
  Write("source", "s");
  EXPECT_EQ(files.CopyFile(At("source"), At("shared")), status::kSharingViolation);
}

TEST_F(FileSystemContract, ReplaceFile) {
  Write("new", "NEW");
  Write("old", "OLD");
  EXPECT_EQ(files.ReplaceFile(At("new"), At("old")), status::kOk);
  EXPECT_EQ(Read("old"), "NEW");
  EXPECT_EQ(Attributes("new"), 0xFFFFFFFF);

  EXPECT_EQ(files.ReplaceFile(At("old"), At("moved")), status::kOk) << "onto a missing target";
  EXPECT_EQ(Read("moved"), "NEW");
  EXPECT_EQ(files.ReplaceFile(At("missing"), At("moved")), status::kFileNotFound);
  EXPECT_EQ(files.ReplaceFile(At("moved"), At("Missing\\x")), status::kPathNotFound);

  Write("other", "OTHER");
  {
    std::unique_ptr<BinaryFile> file;
    ASSERT_EQ(files.Open(At("moved"), OpenMode::kRead, file), status::kOk);
    EXPECT_EQ(files.ReplaceFile(At("other"), At("moved")), status::kAccessDenied)
        << "the target is open";
    EXPECT_EQ(files.ReplaceFile(At("moved"), At("other")), status::kSharingViolation)
        << "the source is open";
  }
  EXPECT_EQ(Read("moved"), "NEW");
  EXPECT_EQ(Read("other"), "OTHER");
}

TEST_F(FileSystemContract, CurrentFolderAndDrive) {
  files.CreateFolder(At("Sub"));
  Write("Sub\\here", "x");
  ASSERT_EQ(files.SetCurrentFolder(At("Sub\\")), status::kOk);
  EXPECT_EQ(files.CurrentFolder(), At("Sub")) << "as given, without the trailing backslash";
  std::uint32_t found = 0;
  EXPECT_EQ(files.GetAttributes("here", found), status::kOk) << "relative to the current folder";
  EXPECT_EQ(files.GetAttributes("..\\Sub\\here", found), status::kOk);

  EXPECT_EQ(files.SetCurrentFolder(At("missing")), status::kFileNotFound);
  EXPECT_EQ(files.SetCurrentFolder(At("Missing\\x")), status::kPathNotFound);
  EXPECT_EQ(files.SetCurrentFolder(At("Sub\\here")), kNotAFolder);
  EXPECT_EQ(files.CurrentFolder(), At("Sub"));

  // Each drive keeps its own current folder.
  std::string other = env->OtherDriveRoot();
  ASSERT_EQ(files.SetCurrentFolder(other), status::kOk);
  EXPECT_EQ(files.CurrentFolder(), other);
  ASSERT_EQ(files.SetCurrentDrive(dir.substr(0, 2)), status::kOk);
  EXPECT_EQ(files.CurrentFolder(), At("Sub"));
  EXPECT_EQ(files.SetCurrentDrive("Q:"), status::kPathNotFound);
  EXPECT_EQ(files.CurrentFolder(), At("Sub"));
}

TEST_F(FileSystemContract, DiskFreeSpace) {
  platform::DiskFreeSpace space;
  ASSERT_EQ(files.GetDiskFreeSpace(dir.substr(0, 3), space), status::kOk);
  EXPECT_EQ(space.sectorsPerCluster, 8u);
  EXPECT_EQ(space.bytesPerSector, 512u);
  EXPECT_GT(space.freeClusters, 0u);
  EXPECT_GE(space.totalClusters, space.freeClusters);
  EXPECT_EQ(files.GetDiskFreeSpace("\\\\\\", space), status::kPathNotFound)
      << "the root a cancelled folder choice gives";
  EXPECT_EQ(files.GetDiskFreeSpace("Q:\\", space), status::kPathNotFound);
  EXPECT_EQ(files.GetDiskFreeSpace("", space), status::kPathNotFound);
}

}  // namespace
}  // namespace tolmarin::contract
