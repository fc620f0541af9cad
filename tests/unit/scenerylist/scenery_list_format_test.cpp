#include "scenerylist/scenery_list_format.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "unit/scenerylist/raw_list.h"
#include "unit/scenerylist/sample_lists.h"

namespace tolmarin::scenerylist {
namespace {

using namespace testing;

TEST(SceneryListFormat, RoundTripKeepsEverySectionAndWritesAFreshHeader) {
  SceneryList list = RealisticList();
  list.fileLength = 9999;  // stale values from an earlier read
  list.sectionOffsets = {0, 1, 2, 3, 4, 5, 6};

  Bytes bytes;
  ListLayout layout;
  ASSERT_TRUE(FormatSceneryList(list, bytes, layout).ok);
  ExpectOffsetsMatchBytes(bytes, list);
  EXPECT_EQ(layout.fileLength, static_cast<std::int32_t>(bytes.size()));
  for (int n = 1; n <= 6; ++n) EXPECT_EQ(layout.sectionOffsets[n], WordAt(bytes, 2 * (n + 1)));

  SceneryList read;
  ASSERT_TRUE(ParseSceneryList(bytes, read).ok);
  EXPECT_EQ(SectionsOf(read), SectionsOf(list));
  EXPECT_EQ(read.fileLength, layout.fileLength);
  EXPECT_EQ(read.sectionOffsets, layout.sectionOffsets);

  Bytes again;
  ASSERT_TRUE(FormatSceneryList(read, again, layout).ok);
  EXPECT_EQ(again, bytes);
}

TEST(SceneryListFormat, ListNeverReadIsThe43ByteFile) {
  Bytes bytes;
  ListLayout layout;
  ASSERT_TRUE(FormatSceneryList(SceneryList{}, bytes, layout).ok);
  const Bytes expected = Cat({W(43), W(0), W(36), W(37), W(38), W(41), W(42), W(40),
                              Bytes(16, 0), W(118), W(0), {0}, {0}, W(0), {0}, {0}, {0}});
  EXPECT_EQ(bytes, expected);
  EXPECT_EQ(layout.fileLength, 43);
  EXPECT_EQ(layout.sectionOffsets, (std::array<std::int32_t, 7>{0, 36, 37, 38, 41, 42, 40}));
}

TEST(SceneryListFormat, ReadsSectionsInAnyOrderAndPassesOverStrayTags) {
  const Bytes file = RawList()
                         .Order({5, 4, 6, 3, 2, 1})
                         .HeaderValue2(65535)
                         .Section(1, Z("first"))
                         .Section(2, Z(""))
                         .Section(3, Cat({W(7), W(32767), W(0)}))
                         .Section(4, Cat({{2, 1, 30, 1}, Z("C:\\S\\*.bgl"), Z("Mine"), {0xFF, 0}}))
                         .Section(5, Cat({{1, 9}, W(40000), {8, 7}, Z("a"), Z("b"), {0}}))
                         .Section(6, Cat({{7, 1}, Z("t1"), {1}, Z("t2"), {0}}))
                         .Build();
  SceneryList list;
  ASSERT_TRUE(ParseSceneryList(file, list).ok);

  SceneryList expected;
  expected.headerValue2 = 65535;
  expected.text1 = "first";
  expected.valueCount = 2;
  expected.values[1] = 7;
  expected.values[2] = 32767;
  expected.areaCount = 1;
  expected.areas[1] = Area(30, 1, "C:\\S\\*.bgl", "Mine");
  expected.recordCount = 1;
  expected.records[1] = ListRecord5{9, 40000, 8, 7, "a", "b"};
  expected.textCount = 2;
  expected.texts[1] = "t1";
  expected.texts[2] = "t2";
  EXPECT_EQ(SectionsOf(list), SectionsOf(expected));
  EXPECT_EQ(list.fileLength, static_cast<std::int32_t>(file.size()));

  // Written back in the fixed order, without the stray tag bytes.
  const Bytes written = FileOf(list);
  ExpectOffsetsMatchBytes(written, list);
  EXPECT_EQ(written.size(), file.size() - 3);
}

// A list whose sections a failed read must leave alone.
SceneryList Untouched() {
  SceneryList list = RealisticList();
  list.fileLength = 4242;
  return list;
}

Bytes Repeat(const Bytes& entry, int times, const Bytes& end) {
  Bytes all;
  for (int i = 0; i < times; ++i) all.insert(all.end(), entry.begin(), entry.end());
  all.insert(all.end(), end.begin(), end.end());
  return all;
}

TEST(SceneryListFormat, RefusesFilesItCannotHoldAndKeepsTheListItHad) {
  const Bytes good = FileOf(RealisticList());
  const auto withOffset = [&](int section, std::uint16_t offset) {
    Bytes bytes = good;
    bytes[2 * (section + 1)] = static_cast<std::uint8_t>(offset & 0xFF);
    bytes[2 * (section + 1) + 1] = static_cast<std::uint8_t>(offset >> 8);
    return bytes;
  };
  const Bytes area = Cat({{1, 1, 2}, Z("p"), Z("t")});
  const Bytes record = Cat({{1, 1}, W(2), {3, 4}, Z("a"), Z("b")});
  struct Case {
    const char* what;
    Bytes file;
    const char* reasonHolds;
  };
  const std::vector<Case> cases = {
      {"empty file", {}, "too short"},
      {"header cut short", Bytes(good.begin(), good.begin() + 15), "too short"},
      {"longer than a word can count", Cat({good, Bytes(65536 - good.size(), 0)}), "65536 bytes"},
      {"offset of section 1 at the end", withOffset(1, static_cast<std::uint16_t>(good.size())),
       "offset of section 1"},
      {"offset of section 5 far out", withOffset(5, 65535), "offset of section 5"},
      {"section 6 offset past the end", withOffset(6, 60000), "offset of section 6"},
      {"text without its zero", RawList().Order({2, 3, 6, 4, 5, 1}).Section(1, {'a', 'b'}).Build(),
       "section 1 runs past"},
      {"values without their 0", RawList().Order({1, 2, 6, 4, 5, 3}).Section(3, Cat({W(5), {0}})).Build(),
       "section 3 runs past"},
      {"five values", RawList().Section(3, Cat({W(1), W(2), W(3), W(4), W(5), W(0)})).Build(),
       "more than 4 values"},
      {"value above 32767", RawList().Section(3, Cat({W(32768), W(0)})).Build(), "32768"},
      {"129 areas", RawList().Section(4, Repeat(area, 129, {0})).Build(), "more than 128"},
      {"21 records", RawList().Section(5, Repeat(record, 21, {0})).Build(), "more than 20 records"},
      {"21 texts", RawList().Section(6, Repeat(Cat({{1}, Z("x")}), 21, {0})).Build(),
       "more than 20 texts"},
      {"area cut off in its title",
       RawList().Order({1, 2, 3, 6, 5, 4}).Section(4, Cat({{1, 1, 2}, Z("p"), {'t'}})).Build(),
       "section 4 runs past"},
      {"record cut off in its word",
       RawList().Order({1, 2, 3, 6, 4, 5}).Section(5, {1, 1, 2}).Build(), "section 5 runs past"},
      {"tags without an end", RawList().Order({1, 2, 3, 4, 5, 6}).Section(6, {2, 3, 4}).Build(),
       "section 6 runs past"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SceneryList list = Untouched();
    const FormatResult result = ParseSceneryList(c.file, list);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.reason.find(c.reasonHolds), std::string::npos) << result.reason;
    EXPECT_EQ(SectionsOf(list), SectionsOf(Untouched()));
    EXPECT_EQ(list.fileLength, 4242);
  }
}

TEST(SceneryListFormat, TakesListsRightAtTheLimits) {
  SceneryList list;
  list.valueCount = kMaxValues;
  for (int i = 1; i <= kMaxValues; ++i) list.values[i] = kMaxValue - i + 1;
  list.areaCount = kMaxAreas;
  for (int i = 1; i <= kMaxAreas; ++i) {
    list.areas[i] = Area(static_cast<std::int16_t>(i), 255, "P" + std::to_string(i), "T");
  }
  list.recordCount = kMaxRecords;
  list.textCount = kMaxTexts;
  for (int i = 1; i <= kMaxTexts; ++i) list.texts[i] = std::string(i, 'x');
  // Padding in section 1 brings the file to exactly 65535 bytes.
  const std::size_t size = FileOf(list).size();
  list.text1 = std::string(kMaxFileLength - size, 'p');

  const Bytes bytes = FileOf(list);
  ASSERT_EQ(bytes.size(), kMaxFileLength);
  SceneryList read;
  ASSERT_TRUE(ParseSceneryList(bytes, read).ok);
  EXPECT_EQ(SectionsOf(read), SectionsOf(list));
}

TEST(SceneryListFormat, RefusesListsItCannotWriteAndProducesNothing) {
  struct Case {
    const char* what;
    std::function<void(SceneryList&)> spoil;
    const char* reasonHolds;
  };
  const std::vector<Case> cases = {
      {"five values", [](SceneryList& l) { l.valueCount = 5; }, "section 3"},
      {"negative count", [](SceneryList& l) { l.textCount = -1; }, "section 6"},
      {"value 0 would end section 3", [](SceneryList& l) { l.values[2] = 0; }, "value 2"},
      {"value above 32767", [](SceneryList& l) { l.values[1] = 32768; }, "32768"},
      {"129 areas", [](SceneryList& l) { l.areaCount = 129; }, "section 4"},
      {"21 records", [](SceneryList& l) { l.recordCount = 21; }, "section 5"},
      {"21 texts", [](SceneryList& l) { l.textCount = 21; }, "section 6"},
      {"area number above a byte", [](SceneryList& l) { l.areas[2].value2 = 256; }, "area 2"},
      {"negative area number", [](SceneryList& l) { l.areas[1].value1 = -1; }, "area 1"},
      {"record word too big", [](SceneryList& l) { l.records[1].value2 = 65536; }, "record 1"},
      {"record byte too big", [](SceneryList& l) { l.records[2].value4 = 300; }, "record 2"},
      {"header value too big", [](SceneryList& l) { l.headerValue2 = 65536; }, "header"},
      {"zero byte in a title", [](SceneryList& l) { l.areas[3].title = std::string("a\0b", 3); },
       "title of scenery area 3"},
      {"zero byte in section 1", [](SceneryList& l) { l.text1.push_back('\0'); }, "section 1"},
      {"longer than 65535 bytes",
       [](SceneryList& l) {
         for (int i = 1; i <= 100; ++i) l.areas[i] = Area(1, 1, std::string(700, 'p'), "t");
         l.areaCount = 100;
       },
       "65535"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SceneryList list = RealisticList();
    c.spoil(list);
    Bytes bytes = {9, 9};
    ListLayout layout;
    layout.fileLength = 77;
    const FormatResult result = FormatSceneryList(list, bytes, layout);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.reason.find(c.reasonHolds), std::string::npos) << result.reason;
    EXPECT_EQ(bytes, (Bytes{9, 9}));
    EXPECT_EQ(layout.fileLength, 77);
  }
}

TEST(SceneryListPrimitives, WordsAreLittleEndianOverTheFullRange) {
  for (std::uint32_t value : {0u, 1u, 0xFFu, 0x100u, 0x7FFFu, 0x8000u, 0xFFFEu, 0xFFFFu}) {
    Bytes bytes;
    WriteWord(bytes, static_cast<std::uint16_t>(value));
    ASSERT_EQ(bytes, (Bytes{static_cast<std::uint8_t>(value & 0xFF),
                            static_cast<std::uint8_t>(value >> 8)}));
    ByteCursor cursor(bytes);
    std::uint16_t read = 0;
    ASSERT_TRUE(ReadWord(cursor, read));
    EXPECT_EQ(read, value);
    EXPECT_EQ(cursor.Position(), 2u);
  }
}

TEST(SceneryListPrimitives, ReadsNeverPassTheEnd) {
  const Bytes bytes = {'a', 'b', 0, 'c', 'd'};
  ByteCursor cursor(bytes);
  std::string text;
  ASSERT_TRUE(ReadZText(cursor, text));
  EXPECT_EQ(text, "ab");
  EXPECT_EQ(cursor.Position(), 3u);

  // "cd" has no zero byte: the read fails where it stood.
  text = "kept";
  EXPECT_FALSE(ReadZText(cursor, text));
  EXPECT_EQ(text, "kept");
  EXPECT_EQ(cursor.Position(), 3u);

  ASSERT_TRUE(cursor.Seek(4));
  std::uint16_t word = 7;
  EXPECT_FALSE(ReadWord(cursor, word));
  EXPECT_EQ(word, 7);
  std::uint8_t byte = 0;
  ASSERT_TRUE(ReadByte(cursor, byte));
  EXPECT_EQ(byte, 'd');
  EXPECT_FALSE(ReadByte(cursor, byte));
  EXPECT_TRUE(cursor.Seek(5));
  EXPECT_FALSE(cursor.Seek(6));
  EXPECT_EQ(cursor.Position(), 5u);
}

}  // namespace
}  // namespace tolmarin::scenerylist
