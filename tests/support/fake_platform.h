// The in-memory platform in one piece, for tests of whole commands.
#pragma once

#include <string>

#include "platform/memory/fixed_clock.h"
#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_process.h"
#include "platform/memory/memory_registry.h"
#include "platform/memory/memory_windowing.h"
#include "platform/memory/scripted_message_boxes.h"
#include "platform/platform.h"

namespace tolmarin::testing {

struct FakePlatform {
  explicit FakePlatform(const std::string& arguments = "")
      : process(arguments), windowing(&files), clock(platform::Date{15, 7, 2026}, "15/07/2026") {}

  platform::memory::MemoryRegistry registry;
  platform::memory::MemoryFileSystem files;
  platform::memory::MemoryProcess process;
  platform::memory::ScriptedMessageBoxes messageBoxes;
  platform::memory::MemoryWindowing windowing;
  platform::memory::FixedClock clock;
  platform::Platform platform{registry, files, process, messageBoxes, windowing, clock};
};

// Plays the user in the next language dialog: presses the button of
// `language`.
inline void AnswerLanguageDialog(FakePlatform& fake, int language = 0) {
  fake.windowing.OnNextModal([&fake, language](platform::WindowId dialog) {
    fake.windowing.ClickControl(
        dialog, fake.windowing.FindControl(dialog, "btnLanguage(" + std::to_string(language) + ")"));
  });
}

// A BMP header (and nothing more) of the given size: enough for the
// windowing fake, which reads only the size.
inline std::string BitmapOfSize(int width, int height) {
  std::string bmp(54, '\0');
  auto put = [&](int at, int value) {
    for (int i = 0; i < 4; ++i) bmp[static_cast<std::size_t>(at + i)] = static_cast<char>(value >> (8 * i));
  };
  bmp[0] = 'B';
  bmp[1] = 'M';
  put(2, 54);
  put(14, 40);
  put(18, width);
  put(22, height);
  return bmp;
}

}  // namespace tolmarin::testing
