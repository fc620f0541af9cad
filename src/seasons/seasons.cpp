#include "seasons/seasons.h"

#include "app/program_state.h"

namespace tolmarin::seasons {

const char* SeasonFolder(std::int16_t season) {
  return IsSeason(season) ? app::kFileListFolders[static_cast<std::size_t>(season)] : "";
}

}  // namespace tolmarin::seasons
