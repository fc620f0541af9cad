// Scenery lists used by several tests.
#pragma once

#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "scenerylist/scenery_list.h"
#include "scenerylist/scenery_list_format.h"

namespace tolmarin::scenerylist::testing {

inline SceneryArea Area(std::int16_t value1, std::int16_t value2, std::string path,
                        std::string title) {
  return SceneryArea{value1, value2, std::move(path), std::move(title)};
}

// A list as the simulator might hold it: every section in use.
inline SceneryList RealisticList() {
  SceneryList list;
  list.headerValue2 = 0x1234;
  list.text1 = "C:\\FS95\\SCENERY";
  list.text2 = "World Scenery";
  list.valueCount = 3;
  list.values[1] = 1;
  list.values[2] = 500;
  list.values[3] = 32767;
  list.areaCount = 4;
  list.areas[1] = Area(10, 1, "C:\\FS95\\SCENERY\\*.bgl", "Default Scenery");
  list.areas[2] = Area(20, 2, "D:\\ADDON\\LAKES\\*.bgl", "Lakes");
  list.areas[3] = Area(255, 0, "", "Empty path");
  list.areas[4] = Area(0, 255, "E:\\X\\*.bgl", "Lakes");
  list.recordCount = 2;
  list.records[1] = ListRecord5{1, 65535, 2, 3, "first", "record"};
  list.records[2] = ListRecord5{255, 0, 0, 255, "", "\xE9t\xE9"};
  list.textCount = 2;
  list.texts[1] = "one";
  list.texts[2] = "";
  return list;
}

inline std::vector<std::uint8_t> FileOf(const SceneryList& list) {
  std::vector<std::uint8_t> bytes;
  ListLayout layout;
  FormatSceneryList(list, bytes, layout);
  return bytes;
}

// The memory file system keeps file contents as strings.
inline std::string AsString(const std::vector<std::uint8_t>& bytes) {
  return std::string(bytes.begin(), bytes.end());
}

inline std::vector<std::uint8_t> AsBytes(const std::string& text) {
  return std::vector<std::uint8_t>(text.begin(), text.end());
}

inline std::uint16_t WordAt(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
  return static_cast<std::uint16_t>(bytes.at(offset) | (bytes.at(offset + 1) << 8));
}

// What the counts of a list put in use, for comparing two lists.
struct Sections {
  std::int32_t headerValue2;
  std::string text1, text2;
  std::vector<std::int32_t> values;
  std::vector<SceneryArea> areas;
  std::vector<ListRecord5> records;
  std::vector<std::string> texts;
  bool operator==(const Sections&) const = default;
};

template <typename T, std::size_t N>
std::vector<T> InUse(const std::array<T, N>& items, int count) {
  return std::vector<T>(items.begin() + 1, items.begin() + 1 + count);
}

inline Sections SectionsOf(const SceneryList& list) {
  return Sections{list.headerValue2,
                  list.text1,
                  list.text2,
                  InUse(list.values, list.valueCount),
                  InUse(list.areas, list.areaCount),
                  InUse(list.records, list.recordCount),
                  InUse(list.texts, list.textCount)};
}

inline void PrintTo(const Sections& s, std::ostream* os) {
  *os << "{h2=" << s.headerValue2 << " t1=\"" << s.text1 << "\" t2=\"" << s.text2
      << "\" values=" << s.values.size() << " areas=[";
  for (const SceneryArea& a : s.areas) *os << a.title << "|" << a.path << " ";
  *os << "] records=" << s.records.size() << " texts=" << s.texts.size() << "}";
}

// Every section offset points at what the writer put there: the text, the
// words ended by 0, the tag lists ended by a tag 0.
inline void ExpectOffsetsMatchBytes(const std::vector<std::uint8_t>& bytes, const SceneryList& list) {
  ASSERT_GE(bytes.size(), kHeaderSize);
  EXPECT_EQ(WordAt(bytes, 0), bytes.size());
  EXPECT_EQ(WordAt(bytes, 2), list.headerValue2);
  std::vector<std::uint16_t> offsets;
  for (int n = 1; n <= 6; ++n) offsets.push_back(WordAt(bytes, 2 * (n + 1)));
  for (std::size_t i = 16; i < 32; ++i) EXPECT_EQ(bytes[i], 0) << "header byte " << i;
  EXPECT_EQ(WordAt(bytes, 32), 118);
  EXPECT_EQ(WordAt(bytes, 34), 0);

  // Laid out as 1, 2, 3, 6, 4, 5 with nothing in between.
  EXPECT_EQ(offsets[0], kHeaderSize);
  EXPECT_EQ(offsets[1], offsets[0] + list.text1.size() + 1);
  EXPECT_EQ(offsets[2], offsets[1] + list.text2.size() + 1);
  EXPECT_EQ(offsets[5], offsets[2] + 2 * (list.valueCount + 1));
  EXPECT_LT(offsets[5], offsets[3]);
  EXPECT_LT(offsets[3], offsets[4]);
  EXPECT_EQ(bytes[offsets[3] - 1], 0) << "section 6 ends right before section 4";
  EXPECT_EQ(bytes[offsets[4] - 1], 0) << "section 4 ends right before section 5";
  EXPECT_EQ(bytes.back(), 0) << "section 5 ends the file";
}

}  // namespace tolmarin::scenerylist::testing
