// Everything the core needs of the system, one reference per kind.
#pragma once

#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/message_boxes.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/windowing.h"

namespace tolmarin::platform {

struct Platform {
  Registry& registry;
  FileSystem& files;
  Process& process;
  MessageBoxes& messageBoxes;
  Windowing& windowing;
  Clock& clock;
};

}  // namespace tolmarin::platform
