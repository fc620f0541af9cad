#include "install/file_lists.h"

#include <limits>
#include <vector>

namespace tolmarin::install {

namespace {

constexpr std::uint32_t kNotPlain =
    platform::attr::kDirectory | platform::attr::kHidden | platform::attr::kSystem;

// The order in which the folders are listed.
constexpr int kListOrder[] = {1, 2, 3, 4, 6, 5, 7, 8, 9, 10, 11};

}  // namespace

void RebuildFileLists(platform::FileSystem& files, app::ProgramState& state) {
  for (auto& list : state.FileLists) {
    list.assign(1, std::string());
  }
  state.TotalFiles = 0;
  for (int list : kListOrder) {
    CollectFiles(files, state.SourceFolder + app::kFileListFolders[static_cast<std::size_t>(list)],
                 list, state);
  }
}

void CollectFiles(platform::FileSystem& files, const std::string& folder, int list,
                  app::ProgramState& state) {
  std::vector<platform::DirEntry> entries;
  files.FindEntries(folder + "\\*.*", entries);
  auto& names = state.FileLists[static_cast<std::size_t>(list)];
  if (names.empty()) {
    names.emplace_back();
  }
  for (const platform::DirEntry& entry : entries) {
    if ((entry.attributes & kNotPlain) != 0) {
      continue;
    }
    names.push_back(entry.name);
    // Saturates rather than wrapping to a negative count.
    if (list != 2 && list != 3 && list != 4 &&
        state.TotalFiles < std::numeric_limits<std::int16_t>::max()) {
      ++state.TotalFiles;
    }
  }
}

}  // namespace tolmarin::install
