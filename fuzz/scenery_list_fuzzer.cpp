// libFuzzer target for the scenery list reader. Any input must be either
// refused or read; a list that was read must write back to bytes that read
// again to the same sections and write again to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "scenerylist/scenery_list_format.h"

namespace sl = tolmarin::scenerylist;

namespace {

bool SameSections(const sl::SceneryList& a, const sl::SceneryList& b) {
  if (a.headerValue2 != b.headerValue2 || a.text1 != b.text1 || a.text2 != b.text2 ||
      a.valueCount != b.valueCount || a.areaCount != b.areaCount ||
      a.recordCount != b.recordCount || a.textCount != b.textCount) {
    return false;
  }
  for (int i = 1; i <= a.valueCount; ++i) {
    if (a.values[i] != b.values[i]) return false;
  }
  for (int i = 1; i <= a.areaCount; ++i) {
    if (!(a.areas[i] == b.areas[i])) return false;
  }
  for (int i = 1; i <= a.recordCount; ++i) {
    if (!(a.records[i] == b.records[i])) return false;
  }
  for (int i = 1; i <= a.textCount; ++i) {
    if (a.texts[i] != b.texts[i]) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  sl::SceneryList list;
  if (!sl::ParseSceneryList(std::span<const std::uint8_t>(data, size), list).ok) return 0;

  // Overlapping sections can make the written list longer than the input,
  // even too long to write; that is a refusal, not a fault.
  std::vector<std::uint8_t> written;
  sl::ListLayout layout;
  if (!sl::FormatSceneryList(list, written, layout).ok) return 0;

  sl::SceneryList again;
  if (!sl::ParseSceneryList(written, again).ok || !SameSections(list, again)) std::abort();
  std::vector<std::uint8_t> rewritten;
  if (!sl::FormatSceneryList(again, rewritten, layout).ok || rewritten != written) std::abort();
  return 0;
}
