#include "install/install_files.h"

#include <cstdint>

#include "app/paths.h"
#include "install/copy_file_list.h"
#include "install/folders.h"
#include "install/hourglass.h"
#include "install/patch_file.h"
#include "seasons/season_date.h"
#include "seasons/season_files.h"

namespace tolmarin::install {

namespace {

struct ListTarget {
  int list;
  bool inSimulator;    // below SimFolder, else below the destination
  const char* folder;  // appended, with its separators
};

// In the order they are copied.
constexpr ListTarget kListTargets[] = {
    {5, false, "\\SCENERY\\"}, {6, false, "\\TEXTURE\\"}, {7, true, "\\PILOTS\\"},
    {8, true, "\\VIDEOS\\"},   {9, true, "\\ADV\\"},      {10, true, "\\ADV\\WAV\\"},
    {11, false, "\\"}};

CopyOutcome CopyPackageLists(app::App& app, const std::string& destination) {
  app::ProgramState& state = app.state;
  for (const ListTarget& target : kListTargets) {
    const auto index = static_cast<std::size_t>(target.list);
    const std::string to = (target.inSimulator ? state.SimFolder : destination) + target.folder;
    CopyOutcome outcome = CopyFileList(app, state.FileLists[index],
                                       state.SourceFolder + app::kFileListFolders[index] + "\\", to);
    if (!outcome.completed) return outcome;
  }
  return {};
}

// The simulator's own file is patched on a copy beside it, which then takes
// its place in one step: a failure half-way leaves the file as it was.
platform::Status PatchBesideTarget(platform::FileSystem& files, const std::string& patch,
                                   const std::string& target) {
  namespace st = platform::status;
  if (!app::PlainFileExists(files, target) || !app::PlainFileExists(files, patch)) {
    return st::kOk;
  }
  const std::string copy = target + ".tolmarin.new";
  platform::Status status = files.CopyFile(target, copy);
  // A copy of a read-only file is read-only too, and could neither be
  // patched nor removed.
  if (status == st::kOk) status = files.SetAttributes(copy, platform::attr::kNormal);
  if (status == st::kOk) status = PatchFile(files, patch, copy, 0);
  if (status == st::kOk) status = files.ReplaceFile(copy, target);
  if (status != st::kOk) files.DeleteFile(copy);
  return status;
}

// The patch target is named relative to the simulator's folder, which is
// current only for this step.
CopyOutcome PatchSimulatorScenery(app::App& app) {
  app::ProgramState& state = app.state;
  platform::FileSystem& files = app.platform.files;
  ChangeToFolder(files, state.SimFolder);
  const std::string patch = state.SourceFolder + "mun_ptc.bin";
  CopyOutcome outcome = RunCopyStep(
      app.platform, "patching " + state.SimFolder + "\\scenery\\munich.bgl from " + patch,
      [&] { return PatchBesideTarget(files, patch, "scenery\\munich.bgl"); });
  ChangeToFolder(files, state.SourceFolder);
  return outcome;
}

}  // namespace

CopyOutcome InstallFiles(app::App& app, const std::string& destination) {
  {
    HourglassPointer hourglass(app.frmMain().form);
    for (const std::string& folder :
         {destination, destination + "\\SCENERY", destination + "\\TEXTURE"}) {
      CopyOutcome outcome = RunCopyStep(app.platform, "creating the folder " + folder,
                                        [&] { return MakeFolder(app.platform.files, folder); });
      if (!outcome.completed) return outcome;
    }
    app.state.CopiedFiles = 0;
    if (CopyOutcome outcome = CopyPackageLists(app, destination); !outcome.completed) {
      return outcome;
    }
    std::int16_t season = 0;
    seasons::GetSystemSeason(app.platform.clock, season);
    if (CopyOutcome outcome = seasons::InstallSeasonFiles(app, destination, season);
        !outcome.completed) {
      return outcome;
    }
  }
  return PatchSimulatorScenery(app);
}

}  // namespace tolmarin::install
