#include "scenerylist/scenery_list_format.h"

#include <algorithm>
#include <memory>
#include <string>
#include <utility>

namespace tolmarin::scenerylist {

namespace {

constexpr std::uint8_t kEndTag = 0;
constexpr std::uint8_t kEntryTag = 1;

FormatResult Refuse(std::string reason) { return FormatResult{false, std::move(reason)}; }

std::string Section(int section) { return "section " + std::to_string(section); }

FormatResult PastEnd(int section) {
  return Refuse(Section(section) + " runs past the end of the file");
}

// The tag loop shared by sections 4, 5 and 6: reads tags until a 0, calls
// `readEntry` after each 1 and passes over any other byte on its own.
template <typename ReadEntry>
FormatResult ReadTaggedEntries(ByteCursor& cursor, int section, int limit, const char* what,
                               std::int16_t& count, ReadEntry readEntry) {
  count = 0;
  for (;;) {
    std::uint8_t tag = 0;
    if (!ReadByte(cursor, tag)) return PastEnd(section);
    if (tag == kEndTag) return {};
    if (tag != kEntryTag) continue;
    if (count == limit) {
      return Refuse(Section(section) + " holds more than " + std::to_string(limit) + " " + what);
    }
    ++count;
    if (!readEntry(count)) return PastEnd(section);
  }
}

bool ReadSmall(ByteCursor& cursor, std::int16_t& value) {
  std::uint8_t byte = 0;
  if (!ReadByte(cursor, byte)) return false;
  value = byte;
  return true;
}

// Finds the first part of a list that the file cannot hold or our reader
// would not take back.
class ListChecker {
 public:
  // Whether `count` can be used to walk its array.
  bool Count(std::int16_t count, int limit, int section, const char* what) {
    if (count >= 0 && count <= limit) return true;
    Note(Section(section) + " would hold " + std::to_string(count) + " " + what +
         ", outside 0 to " + std::to_string(limit));
    return false;
  }
  void Byte(std::int32_t value, const std::string& where) {
    if (value < 0 || value > 0xFF) {
      Note(where + " is " + std::to_string(value) + ", which does not fit in one byte");
    }
  }
  void Word(std::int32_t value, const std::string& where) {
    if (value < 0 || value > 0xFFFF) {
      Note(where + " is " + std::to_string(value) + ", which does not fit in a word");
    }
  }
  void Value(std::int32_t value, const std::string& where) {
    if (value < 1 || value > kMaxValue) {
      Note(where + " is " + std::to_string(value) + ", outside 1 to " + std::to_string(kMaxValue));
    }
  }
  void Text(const std::string& text, const std::string& where) {
    if (text.find('\0') != std::string::npos) {
      Note(where + " holds a zero byte, which would end it early");
    }
  }
  FormatResult Result() const { return reason_.empty() ? FormatResult{} : Refuse(reason_); }

 private:
  void Note(std::string reason) {
    if (reason_.empty()) reason_ = std::move(reason);
  }
  std::string reason_;
};

}  // namespace

bool ByteCursor::Seek(std::size_t position) {
  if (position > bytes_.size()) return false;
  position_ = position;
  return true;
}

bool ReadByte(ByteCursor& cursor, std::uint8_t& value) {
  if (cursor.bytes_.size() - cursor.position_ < 1) return false;
  value = cursor.bytes_[cursor.position_++];
  return true;
}

bool ReadWord(ByteCursor& cursor, std::uint16_t& value) {
  if (cursor.bytes_.size() - cursor.position_ < 2) return false;
  value = static_cast<std::uint16_t>(cursor.bytes_[cursor.position_] |
                                     (cursor.bytes_[cursor.position_ + 1] << 8));
  cursor.position_ += 2;
  return true;
}

bool ReadZText(ByteCursor& cursor, std::string& text) {
  const auto rest = cursor.bytes_.subspan(cursor.position_);
  const auto zero = std::find(rest.begin(), rest.end(), std::uint8_t{0});
  if (zero == rest.end()) return false;
  text.assign(rest.begin(), zero);
  cursor.position_ += text.size() + 1;
  return true;
}

void WriteByte(std::vector<std::uint8_t>& out, std::uint8_t value) { out.push_back(value); }

void WriteWord(std::vector<std::uint8_t>& out, std::uint16_t value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void WriteZText(std::vector<std::uint8_t>& out, const std::string& text) {
  out.insert(out.end(), text.begin(), text.end());
  out.push_back(0);
}

FormatResult CheckListFileLength(std::uint64_t length) {
  if (length > kMaxFileLength) {
    return Refuse("it is " + std::to_string(length) +
                  " bytes long, more than the 65535 a scenery list can have");
  }
  return {};
}

FormatResult ParseSceneryList(std::span<const std::uint8_t> bytes, SceneryList& list) {
  if (FormatResult result = CheckListFileLength(bytes.size()); !result.ok) return result;
  if (bytes.size() < kHeaderWordsSize) {
    return Refuse("it is " + std::to_string(bytes.size()) +
                  " bytes long, too short for the header of a scenery list");
  }

  // Built aside and taken only when the whole file was read.
  auto read = std::make_unique<SceneryList>();
  ByteCursor cursor(bytes);
  std::uint16_t word = 0;
  ReadWord(cursor, word);
  read->fileLength = word;
  ReadWord(cursor, word);
  read->headerValue2 = word;
  for (int section = 1; section <= kSectionCount; ++section) {
    ReadWord(cursor, word);
    if (word >= bytes.size()) {
      return Refuse("the offset of " + Section(section) + " (" + std::to_string(word) +
                    ") lies outside the file, which is " + std::to_string(bytes.size()) +
                    " bytes long");
    }
    read->sectionOffsets[section] = word;
  }
  const auto& offsets = read->sectionOffsets;

  cursor.Seek(offsets[1]);
  if (!ReadZText(cursor, read->text1)) return PastEnd(1);
  cursor.Seek(offsets[2]);
  if (!ReadZText(cursor, read->text2)) return PastEnd(2);

  cursor.Seek(offsets[3]);
  for (;;) {
    if (!ReadWord(cursor, word)) return PastEnd(3);
    if (word == 0) break;
    if (read->valueCount == kMaxValues) {
      return Refuse(Section(3) + " holds more than " + std::to_string(kMaxValues) + " values");
    }
    if (word > kMaxValue) {
      return Refuse(Section(3) + " holds the value " + std::to_string(word) + ", above " +
                    std::to_string(kMaxValue));
    }
    read->values[++read->valueCount] = word;
  }

  cursor.Seek(offsets[6]);
  FormatResult result = ReadTaggedEntries(cursor, 6, kMaxTexts, "texts", read->textCount,
                                          [&](int n) { return ReadZText(cursor, read->texts[n]); });
  if (!result.ok) return result;

  cursor.Seek(offsets[4]);
  result = ReadTaggedEntries(cursor, 4, kMaxAreas, "scenery areas", read->areaCount, [&](int n) {
    SceneryArea& area = read->areas[n];
    return ReadSmall(cursor, area.value1) && ReadSmall(cursor, area.value2) &&
           ReadZText(cursor, area.path) && ReadZText(cursor, area.title);
  });
  if (!result.ok) return result;

  cursor.Seek(offsets[5]);
  result = ReadTaggedEntries(cursor, 5, kMaxRecords, "records", read->recordCount, [&](int n) {
    ListRecord5& record = read->records[n];
    std::uint16_t value2 = 0;
    const bool ok = ReadSmall(cursor, record.value1) && ReadWord(cursor, value2) &&
                    ReadSmall(cursor, record.value3) && ReadSmall(cursor, record.value4) &&
                    ReadZText(cursor, record.text1) && ReadZText(cursor, record.text2);
    record.value2 = value2;
    return ok;
  });
  if (!result.ok) return result;

  list = std::move(*read);
  return {};
}

FormatResult CheckSceneryList(const SceneryList& list) {
  ListChecker check;
  check.Word(list.headerValue2, "the second header value");
  check.Text(list.text1, Section(1));
  check.Text(list.text2, Section(2));
  if (check.Count(list.valueCount, kMaxValues, 3, "values")) {
    for (int i = 1; i <= list.valueCount; ++i) {
      check.Value(list.values[i], "value " + std::to_string(i) + " of " + Section(3));
    }
  }
  if (check.Count(list.textCount, kMaxTexts, 6, "texts")) {
    for (int i = 1; i <= list.textCount; ++i) {
      check.Text(list.texts[i], "text " + std::to_string(i) + " of " + Section(6));
    }
  }
  if (check.Count(list.areaCount, kMaxAreas, 4, "scenery areas")) {
    for (int i = 1; i <= list.areaCount; ++i) {
      const SceneryArea& area = list.areas[i];
      const std::string where = "scenery area " + std::to_string(i);
      check.Byte(area.value1, "the first number of " + where);
      check.Byte(area.value2, "the second number of " + where);
      check.Text(area.path, "the path of " + where);
      check.Text(area.title, "the title of " + where);
    }
  }
  if (check.Count(list.recordCount, kMaxRecords, 5, "records")) {
    for (int i = 1; i <= list.recordCount; ++i) {
      const ListRecord5& record = list.records[i];
      const std::string where = "record " + std::to_string(i) + " of " + Section(5);
      check.Byte(record.value1, "the first number of " + where);
      check.Word(record.value2, "the second number of " + where);
      check.Byte(record.value3, "the third number of " + where);
      check.Byte(record.value4, "the fourth number of " + where);
      check.Text(record.text1, "the first text of " + where);
      check.Text(record.text2, "the second text of " + where);
    }
  }
  return check.Result();
}

FormatResult FormatSceneryList(const SceneryList& list, std::vector<std::uint8_t>& bytes,
                               ListLayout& layout) {
  FormatResult result = CheckSceneryList(list);
  if (!result.ok) return result;

  std::vector<std::uint8_t> out(kHeaderSize, 0);
  ListLayout placed;
  const auto begin = [&](int section) {
    placed.sectionOffsets[section] = static_cast<std::int32_t>(out.size());
  };

  begin(1);
  WriteZText(out, list.text1);
  begin(2);
  WriteZText(out, list.text2);
  begin(3);
  for (int i = 1; i <= list.valueCount; ++i) WriteWord(out, static_cast<std::uint16_t>(list.values[i]));
  WriteWord(out, 0);
  begin(6);
  for (int i = 1; i <= list.textCount; ++i) {
    WriteByte(out, kEntryTag);
    WriteZText(out, list.texts[i]);
  }
  WriteByte(out, kEndTag);
  begin(4);
  for (int i = 1; i <= list.areaCount; ++i) {
    const SceneryArea& area = list.areas[i];
    WriteByte(out, kEntryTag);
    WriteByte(out, static_cast<std::uint8_t>(area.value1));
    WriteByte(out, static_cast<std::uint8_t>(area.value2));
    WriteZText(out, area.path);
    WriteZText(out, area.title);
  }
  WriteByte(out, kEndTag);
  begin(5);
  for (int i = 1; i <= list.recordCount; ++i) {
    const ListRecord5& record = list.records[i];
    WriteByte(out, kEntryTag);
    WriteByte(out, static_cast<std::uint8_t>(record.value1));
    WriteWord(out, static_cast<std::uint16_t>(record.value2));
    WriteByte(out, static_cast<std::uint8_t>(record.value3));
    WriteByte(out, static_cast<std::uint8_t>(record.value4));
    WriteZText(out, record.text1);
    WriteZText(out, record.text2);
  }
  WriteByte(out, kEndTag);

  if (out.size() > kMaxFileLength) {
    return Refuse("the new list would be " + std::to_string(out.size()) +
                  " bytes long, more than the 65535 a scenery list can have");
  }
  placed.fileLength = static_cast<std::int32_t>(out.size());

  std::vector<std::uint8_t> header;
  WriteWord(header, static_cast<std::uint16_t>(placed.fileLength));
  WriteWord(header, static_cast<std::uint16_t>(list.headerValue2));
  for (int section = 1; section <= kSectionCount; ++section) {
    WriteWord(header, static_cast<std::uint16_t>(placed.sectionOffsets[section]));
  }
  header.resize(32, 0);
  WriteWord(header, kHeaderWord32);
  WriteWord(header, 0);
  std::copy(header.begin(), header.end(), out.begin());

  bytes = std::move(out);
  layout = placed;
  return {};
}

}  // namespace tolmarin::scenerylist
