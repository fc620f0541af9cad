#include "scenerylist/scenery_list_edit.h"

namespace tolmarin::scenerylist {

std::int16_t FindSceneryArea(const SceneryList& list, const SceneryArea& entry) {
  for (std::int16_t i = list.areaCount; i >= 1; --i) {
    if (list.areas[i].title == entry.title) return i;
  }
  return 0;
}

void RemoveSceneryAreaAt(SceneryList& list, std::int16_t index) {
  if (index < 1 || index > list.areaCount) return;
  for (int i = index; i < list.areaCount; ++i) list.areas[i] = list.areas[i + 1];
  --list.areaCount;
}

bool PutSceneryArea(SceneryList& list, const SceneryArea& entry) {
  std::int16_t n = FindSceneryArea(list, entry);
  if (n == 0) {
    if (list.areaCount >= kMaxAreas) return false;
    ++list.areaCount;
    for (int i = list.areaCount; i >= 2; --i) list.areas[i] = list.areas[i - 1];
    n = 1;
  }
  list.areas[n] = entry;
  return true;
}

ListOutcome RegisterSceneryArea(platform::Platform& platform, const std::string& path,
                                SceneryList& list, const SceneryArea& entry) {
  if (!SceneryListExists(platform.files, path)) return ListOutcome::kNoFile;
  if (ListOutcome read = ReadSceneryList(platform, path, list); read != ListOutcome::kDone) {
    return read;
  }
  if (!PutSceneryArea(list, entry)) {
    return RefuseSceneryList(platform.messageBoxes, path,
                             "it already holds " + std::to_string(kMaxAreas) +
                                 " scenery areas, so there is no room for \"" + entry.title +
                                 "\"");
  }
  return ListOutcome::kDone;
}

ListOutcome UnregisterSceneryArea(platform::Platform& platform, const std::string& path,
                                  SceneryList& list, const SceneryArea& entry) {
  if (!SceneryListExists(platform.files, path)) return ListOutcome::kNoFile;
  if (ListOutcome read = ReadSceneryList(platform, path, list); read != ListOutcome::kDone) {
    return read;
  }
  RemoveSceneryAreaAt(list, FindSceneryArea(list, entry));
  return ListOutcome::kDone;
}

}  // namespace tolmarin::scenerylist
