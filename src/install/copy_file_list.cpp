#include "install/copy_file_list.h"

#include "install/progress.h"

namespace tolmarin::install {

CopyOutcome CopyFileList(app::App& app, const std::vector<std::string>& list,
                         const std::string& from, const std::string& to) {
  platform::FileSystem& files = app.platform.files;
  for (std::size_t i = 1; i < list.size(); ++i) {
    const std::string& name = list[i];
    const std::string percent = Update_files_copied(app.state);
    app.frmMain().form.SetCaption(app.Message(31) + " " + name + percent);

    const std::string source = from + name;
    const std::string target = to + name;
    CopyOutcome outcome = RunCopyStep(app.platform, "copying " + source + " to " + target,
                                      [&] { return files.CopyFile(source, target); });
    if (!outcome.completed) return outcome;
    outcome = RunCopyStep(app.platform, "clearing the attributes of " + target,
                          [&] { return files.SetAttributes(target, platform::attr::kNormal); });
    if (!outcome.completed) return outcome;
  }
  return {};
}

}  // namespace tolmarin::install
