// Putting an area entry into the scenery list and taking it out again.
// Entries are matched on their title alone, letter case included.
#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.h"
#include "scenerylist/scenery_area.h"
#include "scenerylist/scenery_list.h"
#include "scenerylist/scenery_list_file.h"

namespace tolmarin::scenerylist {

// The highest index (1 to areaCount) of an area titled as `entry`; 0 if none.
std::int16_t FindSceneryArea(const SceneryList& list, const SceneryArea& entry);

// Removes the area at `index` (1 to areaCount), the later ones moving up.
// An index outside that range changes nothing.
void RemoveSceneryAreaAt(SceneryList& list, std::int16_t index);

// Replaces the last area titled as `entry` in place, or puts `entry` first.
// Returns false, changing nothing, when a new entry finds the list full.
bool PutSceneryArea(SceneryList& list, const SceneryArea& entry);

// Reads the list file and puts `entry` into it (PutSceneryArea). kNoFile when
// there is no file; kRefused, after telling the user, when the file cannot be
// read or has no room left for a new entry.
ListOutcome RegisterSceneryArea(platform::Platform& platform, const std::string& path,
                                SceneryList& list, const SceneryArea& entry);

// Reads the list file and removes the last area titled as `entry`, if any.
ListOutcome UnregisterSceneryArea(platform::Platform& platform, const std::string& path,
                                  SceneryList& list, const SceneryArea& entry);

}  // namespace tolmarin::scenerylist
