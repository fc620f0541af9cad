#include <gtest/gtest.h>

#include <string>

#include "install/patch_file.h"
#include "install_fixture.h"
#include "platform/memory/memory_file_system.h"

namespace tolmarin::install {
namespace {

using platform::memory::FsOp;
using platform::memory::MemoryFileSystem;
using testing::Bytes;

constexpr char kPatch[] = "C:\\patch.bin";
constexpr char kTarget[] = "C:\\target.bgl";

TEST(PatchFile, OverwritesTheStartInWholeBlocksAndTheRest) {
  struct Case {
    std::size_t patch, target;
    int reads;  // blocks of 1024 bytes, then the remainder
  };
  for (const Case& c : {Case{1023, 3000, 1}, Case{1024, 3000, 1}, Case{2049, 3000, 3},
                        Case{1, 3000, 1}, Case{2049, 100, 3}, Case{0, 10, 0}}) {
    MemoryFileSystem files;
    const std::string patch = Bytes(c.patch, 'p');
    const std::string target = Bytes(c.target, 't');
    files.WriteFile(kPatch, patch);
    files.WriteFile(kTarget, target);
    ASSERT_EQ(PatchFile(files, kPatch, kTarget, 0), platform::status::kOk);
    // The patched bytes, then the target's own past them; a short target grows.
    std::string expected = patch + (c.target > c.patch ? target.substr(c.patch) : "");
    EXPECT_EQ(files.ReadFile(kTarget), expected) << c.patch << " over " << c.target;
    EXPECT_EQ(files.CallCount(FsOp::kRead), c.reads) << c.patch;
    EXPECT_EQ(files.ReadFile(kPatch), patch);
    EXPECT_EQ(files.OpenFileCount(), 0);
  }
}

TEST(PatchFile, AtAnOffset) {
  MemoryFileSystem files;
  files.WriteFile(kPatch, "PATCH");
  files.WriteFile(kTarget, "0123456789");
  ASSERT_EQ(PatchFile(files, kPatch, kTarget, 3), platform::status::kOk);
  EXPECT_EQ(files.ReadFile(kTarget), "012PATCH89");
}

TEST(PatchFile, AMissingPatchOrTargetDoesNothing) {
  for (bool havePatch : {false, true}) {
    MemoryFileSystem files;
    if (havePatch) files.WriteFile(kPatch, "PATCH");
    if (!havePatch) files.WriteFile(kTarget, "target");
    files.MakeFolders(havePatch ? kTarget : kPatch);  // a folder is not a file either
    const auto before = files.AllPaths();
    EXPECT_EQ(PatchFile(files, kPatch, kTarget, 0), platform::status::kOk);
    EXPECT_EQ(files.AllPaths(), before);
    EXPECT_EQ(files.CallCount(FsOp::kOpen), 0);
    if (!havePatch) {
      EXPECT_EQ(files.ReadFile(kTarget), "target");
    }
  }
}

TEST(PatchFile, PassesFailuresOnAndARunAgainMends) {
  MemoryFileSystem files;
  const std::string patch = Bytes(2049, 'p');
  files.WriteFile(kPatch, patch);
  files.WriteFile(kTarget, Bytes(3000, 't'));
  files.FailOn(FsOp::kWrite, kTarget, platform::status::kLockViolation, 2);
  EXPECT_EQ(PatchFile(files, kPatch, kTarget, 0), platform::status::kLockViolation);
  EXPECT_EQ(files.OpenFileCount(), 0);
  EXPECT_EQ(PatchFile(files, kPatch, kTarget, 0), platform::status::kOk);
  EXPECT_EQ(files.ReadFile(kTarget)->substr(0, 2049), patch);

  files.WriteFile(kTarget, "read-only", platform::attr::kReadOnly);
  EXPECT_EQ(PatchFile(files, kPatch, kTarget, 0), platform::status::kAccessDenied);
  EXPECT_EQ(files.ReadFile(kTarget), "read-only");
}

}  // namespace
}  // namespace tolmarin::install
