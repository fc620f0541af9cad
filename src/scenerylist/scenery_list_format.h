// The byte layout of the simulator's scenery list, without any file access:
// bytes to SceneryList and back, with every limit of the in-memory image
// checked before anything is taken or produced.
//
// The file starts with a 36-byte header (little-endian words: the file's
// length, a second value kept as it is, the offsets of sections 1 to 6, then
// 16 zero bytes, the word 118 and the word 0). The sections follow, written
// in the order 1, 2, 3, 6, 4, 5; the reader finds each by its offset.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "scenerylist/scenery_list.h"

namespace tolmarin::scenerylist {

inline constexpr std::size_t kHeaderSize = 36;
inline constexpr std::size_t kHeaderWordsSize = 16;  // the part of the header that is read
inline constexpr std::size_t kMaxFileLength = 65535;
inline constexpr std::uint16_t kHeaderWord32 = 118;

// Whether bytes or a list can be handled; when not, why, in words that can
// follow "cannot be handled: " in a message to the user.
struct FormatResult {
  bool ok = true;
  std::string reason;
};

// Where the sections of a list went when it was turned into bytes.
struct ListLayout {
  std::int32_t fileLength = 0;
  std::array<std::int32_t, kSectionCount + 1> sectionOffsets{};  // indexes 1..6
};

// A read position inside bytes taken from a file. Nothing moves it past the
// end: a read that does not fit fails and leaves the position where it was.
class ByteCursor {
 public:
  explicit ByteCursor(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  bool Seek(std::size_t position);
  std::size_t Position() const { return position_; }
  std::size_t Size() const { return bytes_.size(); }

 private:
  friend bool ReadByte(ByteCursor& cursor, std::uint8_t& value);
  friend bool ReadWord(ByteCursor& cursor, std::uint16_t& value);
  friend bool ReadZText(ByteCursor& cursor, std::string& text);

  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

bool ReadByte(ByteCursor& cursor, std::uint8_t& value);
// Two bytes, little-endian, as a value 0 to 65535.
bool ReadWord(ByteCursor& cursor, std::uint16_t& value);
// The bytes up to the next zero byte, which is consumed; fails when no zero
// byte follows.
bool ReadZText(ByteCursor& cursor, std::string& text);

void WriteByte(std::vector<std::uint8_t>& out, std::uint8_t value);
void WriteWord(std::vector<std::uint8_t>& out, std::uint16_t value);
// The text's bytes and one zero byte.
void WriteZText(std::vector<std::uint8_t>& out, const std::string& text);

// Refuses a file longer than a list can be (its length is a word).
FormatResult CheckListFileLength(std::uint64_t length);

// Reads a whole list. On success `list` is replaced; otherwise it is left
// exactly as it was.
FormatResult ParseSceneryList(std::span<const std::uint8_t> bytes, SceneryList& list);

// Checks every count, number and text of `list` against what the file can
// hold and our reader takes back.
FormatResult CheckSceneryList(const SceneryList& list);

// The complete file for `list`, sections in the order 1, 2, 3, 6, 4, 5 with
// their final offsets and length in the header. On a refusal `bytes` and
// `layout` are left as they were.
FormatResult FormatSceneryList(const SceneryList& list, std::vector<std::uint8_t>& bytes,
                               ListLayout& layout);

}  // namespace tolmarin::scenerylist
