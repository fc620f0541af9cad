// An installed scenery on the in-memory platform, as the install leaves it:
// the package on D:, the simulator in C:\FS95 with files of its own beside
// ours, the scenery folder, the list with our entry between two others, and
// both registry keys. The platform's file system, registry and message
// boxes are wrapped so that a test sees the order of every removal and the
// mouse pointer at each message.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/product.h"
#include "install/file_lists.h"
#include "lang/language_file.h"
#include "scenerylist/scenery_list_format.h"
#include "support/fake_platform.h"

namespace tolmarin::uninstall::testing {

using platform::Status;

// Every deletion, folder removal, file creation and replace, and every
// registry key deletion, in the order asked, as "<what> <path>".
using OperationLog = std::vector<std::string>;

class RecordingFileSystem : public platform::FileSystem {
 public:
  RecordingFileSystem(platform::FileSystem& inner, OperationLog& log) : inner_(inner), log_(log) {}

  std::string CurrentFolder() override { return inner_.CurrentFolder(); }
  Status SetCurrentFolder(const std::string& p) override { return inner_.SetCurrentFolder(p); }
  Status SetCurrentDrive(const std::string& d) override { return inner_.SetCurrentDrive(d); }
  Status GetAttributes(const std::string& p, std::uint32_t& a) override {
    return inner_.GetAttributes(p, a);
  }
  Status SetAttributes(const std::string& p, std::uint32_t a) override {
    return inner_.SetAttributes(p, a);
  }
  Status FindEntries(const std::string& p, std::vector<platform::DirEntry>& e) override {
    return inner_.FindEntries(p, e);
  }
  Status CreateFolder(const std::string& p) override { return inner_.CreateFolder(p); }
  Status RemoveFolder(const std::string& p) override {
    log_.push_back("rmdir " + p);
    return inner_.RemoveFolder(p);
  }
  Status DeleteFile(const std::string& p) override {
    log_.push_back("delete " + p);
    return inner_.DeleteFile(p);
  }
  Status CopyFile(const std::string& from, const std::string& to) override {
    return inner_.CopyFile(from, to);
  }
  Status ReplaceFile(const std::string& from, const std::string& to) override {
    log_.push_back("replace " + to);
    return inner_.ReplaceFile(from, to);
  }
  Status Open(const std::string& p, platform::OpenMode mode,
              std::unique_ptr<platform::BinaryFile>& file) override {
    if (mode != platform::OpenMode::kRead) log_.push_back("write " + p);
    return inner_.Open(p, mode, file);
  }
  std::vector<std::string> Drives() override { return inner_.Drives(); }
  Status GetDiskFreeSpace(const std::string& r, platform::DiskFreeSpace& s) override {
    return inner_.GetDiskFreeSpace(r, s);
  }

 private:
  platform::FileSystem& inner_;
  OperationLog& log_;
};

class RecordingRegistry : public platform::Registry {
 public:
  RecordingRegistry(platform::Registry& inner, OperationLog& log) : inner_(inner), log_(log) {}

  Status CreateKey(platform::RegKey r, const std::string& p, platform::RegKey& k) override {
    return inner_.CreateKey(r, p, k);
  }
  Status OpenKey(platform::RegKey r, const std::string& p, platform::RegKey& k) override {
    return inner_.OpenKey(r, p, k);
  }
  Status OpenKeyEx(platform::RegKey r, const std::string& p, std::uint32_t o, std::uint32_t a,
                   platform::RegKey& k) override {
    return inner_.OpenKeyEx(r, p, o, a, k);
  }
  Status SetValueEx(platform::RegKey k, const std::string& n, std::uint32_t t, const void* d,
                    std::uint32_t s) override {
    return inner_.SetValueEx(k, n, t, d, s);
  }
  Status QueryValueEx(platform::RegKey k, const std::string& n, std::uint32_t* t, void* d,
                      std::uint32_t* s) override {
    return inner_.QueryValueEx(k, n, t, d, s);
  }
  Status EnumKey(platform::RegKey k, std::uint32_t i, char* b, std::uint32_t l) override {
    return inner_.EnumKey(k, i, b, l);
  }
  Status DeleteKey(platform::RegKey r, const std::string& p) override {
    log_.push_back("regdelete " + p);
    return inner_.DeleteKey(r, p);
  }
  Status CloseKey(platform::RegKey k) override { return inner_.CloseKey(k); }

 private:
  platform::Registry& inner_;
  OperationLog& log_;
};

// The main window's mouse pointer when each box came up.
class PointerWatchingBoxes : public platform::MessageBoxes {
 public:
  PointerWatchingBoxes(platform::MessageBoxes& inner, std::function<int()> pointer)
      : inner_(inner), pointer_(std::move(pointer)) {}
  int Show(const std::string& text, int style, const std::string& title) override {
    pointers.push_back(pointer_());
    return inner_.Show(text, style, title);
  }
  std::vector<int> pointers;

 private:
  platform::MessageBoxes& inner_;
  std::function<int()> pointer_;
};

inline constexpr char kSim[] = "C:\\FS95";
inline constexpr char kScenery[] = "C:\\FS95\\Orvanne";
inline constexpr char kListPath[] = "C:\\FS95\\scenery\\world.vis";

inline scenerylist::SceneryArea OurEntry(const std::string& folder = kScenery) {
  return scenerylist::SceneryArea{30, 1, folder + "\\*.bgl", "Durirezo Orvanne V1.00"};
}

// The simulator's list with our entry between two of its own.
inline std::string ListFile(bool withOurEntry = true) {
  scenerylist::SceneryList list;
  list.text1 = "C:\\FS95\\SCENERY";
  list.text2 = "World";
  list.areas[++list.areaCount] = {10, 1, "C:\\FS95\\SCENERY\\*.bgl", "Default Scenery"};
  if (withOurEntry) list.areas[++list.areaCount] = OurEntry();
  list.areas[++list.areaCount] = {20, 2, "D:\\LAKES\\*.bgl", "Lakes"};
  list.texts[++list.textCount] = "kept";
  std::vector<std::uint8_t> bytes;
  scenerylist::ListLayout layout;
  scenerylist::FormatSceneryList(list, bytes, layout);
  return std::string(bytes.begin(), bytes.end());
}

class InstalledScenery {
 public:
  explicit InstalledScenery(const std::string& arguments = "") : fake(arguments) {
    auto& files = fake.files;
    files.AddDrive('D');
    // Each message's text is its number, so a test sees which one was shown.
    std::string language = "LanguageName = English\r\n";
    for (int n = 1; n <= 32; ++n) language += std::to_string(n) + " m" + std::to_string(n) + "\r\n";
    files.WriteFile("D:\\Pkg\\tolmarin.eng", language);
    for (const char* name : {"ORVANNE.BGL", "ORVAPT.BGL"}) Package("SCENERY", name);
    for (const char* name : {"ORVBLD01.R8", "ORVRWY.R8"}) Package("TEXTURE", name);
    for (const char* name : {"ORVGRD01.R8", "ORVGRD02.R8"}) Package("WINTER", name);
    for (const char* name : {"ORVANNE1.STN", "ORVANNE2.STN"}) Package("MOD", name);
    Package("VID", "ORVAPPR.VID");
    Package("ADV", "ORVTOUR.APL");
    Package("WAV_WPP", "ORVTWR01.WAV");
    Package("SC_BGL", "ORVAREA.BGL");

    for (const char* name : {"ORVANNE.BGL", "ORVAPT.BGL"}) Installed("\\SCENERY\\", name);
    for (const char* name : {"ORVBLD01.R8", "ORVRWY.R8", "ORVGRD01.R8", "ORVGRD02.R8"}) {
      Installed("\\TEXTURE\\", name);
    }
    Installed("\\", "ORVAREA.BGL");

    for (const char* path :
         {"C:\\FS95\\PILOTS\\ORVANNE1.STN", "C:\\FS95\\PILOTS\\ORVANNE2.STN",
          "C:\\FS95\\VIDEOS\\ORVAPPR.VID", "C:\\FS95\\ADV\\ORVTOUR.APL",
          "C:\\FS95\\ADV\\WAV\\ORVTWR01.WAV"}) {
      files.WriteFile(path, "ours");
    }
    // The simulator's own files, some named like ours in other folders.
    for (const char* path :
         {"C:\\FS95\\FLTSIM95.EXE", "C:\\FS95\\PILOTS\\CESSNA.STN", "C:\\FS95\\VIDEOS\\ORVANNE1.STN",
          "C:\\FS95\\ADV\\LESSON1.APL", "C:\\FS95\\ADV\\WAV\\ORVTOUR.APL",
          "C:\\FS95\\scenery\\munich.bgl", "C:\\AUTOEXEC.BAT", "C:\\ORVAREA.BGL",
          "C:\\SCENERY\\ROOT.BGL", "D:\\ROOT.TXT"}) {
      files.WriteFile(path, "theirs");
    }
    files.WriteFile(kListPath, ListFile());

    fake.registry.SetString(app::kSimulatorKey, "InstalledTo", kSim);
    fake.registry.SetString(app::kRecordKey, "InstalledTo", kScenery);
    fake.registry.SetString(app::kRecordKey, "Fs6InstalledTo", kSim);
    fake.registry.SetString(app::kRecordKey, "Season", "3");
    fake.registry.SetString(app::kRecordKey, "Language", "0");
    fake.registry.SetString(app::kUninstallKey, "DisplayName", app::kProductName);
    fake.registry.SetString(app::kUninstallKey, "UninstallString",
                            "\"D:\\Pkg\\tolmarin.exe\" /UNINSTALL /INSTALLDIRD:\\Pkg\\");
    files.SetCurrentFolder("D:\\Pkg");
  }

  // The program state as start-up leaves it for an installed scenery.
  void PrepareState() {
    app.CreateMainWindow();
    app::ProgramState& state = app.state;
    lang::LoadLanguages(fake.files, state.Texts);
    state.SourceFolder = "D:\\Pkg\\";
    install::RebuildFileLists(fake.files, state);
    state.InstallFolder = kScenery;
    state.SimFolder = kSim;
    state.SceneryListPath = kListPath;
    state.SceneryEntry = OurEntry();
  }

  int MainPointer() { return fake.windowing.Window(app.frmMain().form.Id()).pointer; }

  // What the file system and the registry hold.
  std::vector<std::string> Paths() { return fake.files.AllPaths(); }
  std::vector<std::string> Keys() { return fake.registry.AllKeys(); }

  tolmarin::testing::FakePlatform fake;
  OperationLog log;
  RecordingFileSystem recordingFiles{fake.files, log};
  RecordingRegistry recordingRegistry{fake.registry, log};
  PointerWatchingBoxes boxes{fake.messageBoxes, [this] { return MainPointer(); }};
  platform::Platform platform{recordingRegistry, recordingFiles, fake.process, boxes,
                             fake.windowing, fake.clock};
  app::App app{platform};

 private:
  void Package(const std::string& folder, const std::string& name) {
    fake.files.WriteFile("D:\\Pkg\\" + folder + "\\" + name, folder + name);
  }
  void Installed(const std::string& folder, const std::string& name) {
    fake.files.WriteFile(kScenery + folder + name, name);
  }
};

}  // namespace tolmarin::uninstall::testing
