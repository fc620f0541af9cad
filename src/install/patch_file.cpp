#include "install/patch_file.h"

#include <array>
#include <memory>

#include "app/paths.h"

namespace tolmarin::install {

namespace {

namespace st = platform::status;

platform::Status CopyBlock(platform::BinaryFile& from, platform::BinaryFile& to,
                           std::uint32_t size) {
  std::array<std::uint8_t, kPatchBlockSize> block;
  std::uint32_t read = 0;
  if (platform::Status s = from.Read(block.data(), size, read); s != st::kOk) return s;
  if (read != size) return st::kHandleEof;
  std::uint32_t written = 0;
  if (platform::Status s = to.Write(block.data(), size, written); s != st::kOk) return s;
  return written == size ? st::kOk : st::kHandleDiskFull;
}

}  // namespace

platform::Status CopyBlocks(platform::BinaryFile& from, platform::BinaryFile& to,
                            std::uint32_t count) {
  if (count < kPatchBlockSize) return count == 0 ? st::kOk : CopyBlock(from, to, count);
  for (std::uint32_t block = 0; block < count / kPatchBlockSize; ++block) {
    if (platform::Status s = CopyBlock(from, to, kPatchBlockSize); s != st::kOk) return s;
  }
  const std::uint32_t rest = count % kPatchBlockSize;
  return rest == 0 ? st::kOk : CopyBlock(from, to, rest);
}

platform::Status PatchFile(platform::FileSystem& files, const std::string& patch,
                           const std::string& target, std::uint32_t offset) {
  if (!app::PlainFileExists(files, target) || !app::PlainFileExists(files, patch)) {
    return st::kOk;
  }
  std::unique_ptr<platform::BinaryFile> from;
  if (platform::Status s = files.Open(patch, platform::OpenMode::kRead, from); s != st::kOk) {
    return s;
  }
  std::uint32_t length = 0;
  if (platform::Status s = from->Length(length); s != st::kOk) return s;
  std::unique_ptr<platform::BinaryFile> to;
  if (platform::Status s = files.Open(target, platform::OpenMode::kReadWrite, to); s != st::kOk) {
    return s;
  }
  if (platform::Status s = to->Seek(offset); s != st::kOk) return s;
  if (platform::Status s = CopyBlocks(*from, *to, length); s != st::kOk) return s;
  // Nothing was written to the patch; only the target's close can lose bytes.
  from->Close();
  return to->Close();
}

}  // namespace tolmarin::install
