// The one record of run-time state, shared by every routine of the program.
// It starts zeroed and lives for the whole run.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "lang/message_table.h"
#include "scenerylist/scenery_area.h"
#include "scenerylist/scenery_list.h"

namespace tolmarin::app {

inline constexpr int kFileListCount = 11;

// The package's source folders, by list number (slot 0 unused).
inline constexpr std::array<const char*, kFileListCount + 1> kFileListFolders = {
    "", "WINTER", "SPRING", "SUMMER", "FALL", "SCENERY", "TEXTURE",
    "MOD", "VID", "ADV", "WAV_WPP", "SC_BGL"};

struct ProgramState {
  // Language.
  std::int16_t CurrentLanguage = 0;
  lang::LanguageTexts Texts;  // MessageTable, LanguageNames, LanguageAvailable
  bool LanguageAsked = false;

  // Folders. SourceFolder always ends with a backslash; SimFolder and
  // InstallFolder never do.
  std::string SourceFolder;
  std::string SimFolder;
  std::string InstallFolder;
  std::string SceneryListPath;

  // Installation and season.
  bool Installed = false;
  std::int16_t SelectedSeason = 0;
  std::string SelectedSeasonName;
  std::array<std::string, 5> SeasonNames;  // indexes 1..4
  scenerylist::SceneryArea SceneryEntry;
  scenerylist::SceneryList SceneryList;

  // Copying. Each list holds the empty placeholder in slot 0 and the bare
  // file names from slot 1 on.
  std::array<std::vector<std::string>, kFileListCount + 1> FileLists;
  std::int16_t TotalFiles = 0;
  std::int16_t CopiedFiles = 0;
};

}  // namespace tolmarin::app
