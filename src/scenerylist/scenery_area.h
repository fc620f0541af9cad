// One area entry of the simulator's scenery list: two small numbers whose
// meaning belongs to the simulator, a file pattern and a title.
#pragma once

#include <cstdint>
#include <string>

namespace tolmarin::scenerylist {

struct SceneryArea {
  std::int16_t value1 = 0;  // one byte in the file
  std::int16_t value2 = 0;  // one byte in the file
  std::string path;
  std::string title;  // what entries are matched on

  bool operator==(const SceneryArea&) const = default;
};

}  // namespace tolmarin::scenerylist
