// The in-memory image of the simulator's scenery list file "world.vis".
//
// Arrays are indexed from 1, as the counts are; element 0 is never used.
// Only the counts tell which elements are in use: elements above a count may
// hold stale data and are never written.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "scenerylist/scenery_area.h"

namespace tolmarin::scenerylist {

inline constexpr int kMaxValues = 4;
inline constexpr int kMaxValue = 32767;
inline constexpr int kMaxAreas = 128;
inline constexpr int kMaxRecords = 20;
inline constexpr int kMaxTexts = 20;
inline constexpr int kSectionCount = 6;

// One entry of section 5.
struct ListRecord5 {
  std::int16_t value1 = 0;  // byte
  std::int32_t value2 = 0;  // word
  std::int16_t value3 = 0;  // byte
  std::int16_t value4 = 0;  // byte
  std::string text1;
  std::string text2;

  bool operator==(const ListRecord5&) const = default;
};

struct SceneryList {
  std::int32_t fileLength = 0;
  std::int32_t headerValue2 = 0;  // kept and written back unchanged
  std::string text1;              // section 1
  std::string text2;              // section 2
  std::array<std::int32_t, kSectionCount + 1> sectionOffsets{};

  std::int16_t valueCount = 0;  // section 3
  std::array<std::int32_t, kMaxValues + 1> values{};

  std::int16_t areaCount = 0;  // section 4
  std::array<SceneryArea, kMaxAreas + 1> areas{};

  std::int16_t recordCount = 0;  // section 5
  std::array<ListRecord5, kMaxRecords + 1> records{};

  std::int16_t textCount = 0;  // section 6
  std::array<std::string, kMaxTexts + 1> texts{};
};

}  // namespace tolmarin::scenerylist
