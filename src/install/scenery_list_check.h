// Before anything is copied: can the simulator's scenery list take this
// scenery's entry and be written back?
#pragma once

#include <string>

#include "platform/platform.h"
#include "scenerylist/scenery_area.h"
#include "scenerylist/scenery_list.h"
#include "scenerylist/scenery_list_file.h"

namespace tolmarin::install {

// Reads the list file into `list` and tries the entry on a copy of it.
// kRefused, after telling the user, when the file cannot be read, has no
// room for the entry or could not be written with it; nothing is written.
scenerylist::ListOutcome CheckSceneryListTakesEntry(platform::Platform& platform,
                                                    const std::string& path,
                                                    scenerylist::SceneryList& list,
                                                    const scenerylist::SceneryArea& entry);

}  // namespace tolmarin::install
