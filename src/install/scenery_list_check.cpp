#include "install/scenery_list_check.h"

#include <cstdint>
#include <vector>

#include "scenerylist/scenery_list_edit.h"
#include "scenerylist/scenery_list_format.h"

namespace tolmarin::install {

namespace sl = scenerylist;

sl::ListOutcome CheckSceneryListTakesEntry(platform::Platform& platform, const std::string& path,
                                           sl::SceneryList& list, const sl::SceneryArea& entry) {
  if (!sl::SceneryListExists(platform.files, path)) return sl::ListOutcome::kNoFile;
  if (sl::ListOutcome read = sl::ReadSceneryList(platform, path, list);
      read != sl::ListOutcome::kDone) {
    return read;
  }
  sl::SceneryList trial = list;
  if (!sl::PutSceneryArea(trial, entry)) {
    return sl::RefuseSceneryList(platform.messageBoxes, path,
                                 "it already holds " + std::to_string(sl::kMaxAreas) +
                                     " scenery areas, so there is no room for \"" + entry.title +
                                     "\"");
  }
  std::vector<std::uint8_t> bytes;
  sl::ListLayout layout;
  if (sl::FormatResult result = sl::FormatSceneryList(trial, bytes, layout); !result.ok) {
    return sl::RefuseSceneryList(platform.messageBoxes, path, result.reason);
  }
  return sl::ListOutcome::kDone;
}

}  // namespace tolmarin::install
