// A package on D:\Pkg and a simulator on C:\FS95, on the in-memory platform,
// for tests of the copy, the install command and the season change.
//
// Message n of the English file reads "m<n>", except the season names
// (10 Winter, 7 Spring, 8 Summer, 9 Fall), so that a test can spell out
// every text it expects.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/product.h"
#include "app/startup.h"
#include "support/fake_platform.h"
#include "unit/scenerylist/sample_lists.h"

namespace tolmarin::testing {

inline constexpr char kPackage[] = "D:\\Pkg";
inline constexpr char kSimulator[] = "C:\\FS95";
inline constexpr char kDestination[] = "C:\\FS95\\Orvanne";

// The package's files by folder; every file's bytes name it.
inline const std::map<std::string, std::vector<std::string>>& PackageFiles() {
  static const std::map<std::string, std::vector<std::string>> files = {
      {"WINTER", {"GRD1.R8", "GRD2.R8", "GRD3.R8"}},
      {"SPRING", {"GRD1.R8", "GRD2.R8", "GRD3.R8", "FLD4.R8"}},
      {"SUMMER", {"GRD1.R8", "GRD2.R8", "GRD3.R8"}},
      {"FALL", {"GRD1.R8", "GRD2.R8", "GRD3.R8"}},
      {"SCENERY", {"ORV.BGL", "APT.BGL"}},
      {"TEXTURE", {"BLD1.R8", "BLD2.R8"}},
      {"MOD", {"ORV1.STN", "ORV2.STN"}},
      {"VID", {"TOUR.VID"}},
      {"ADV", {"TOUR.APL"}},
      {"WAV_WPP", {"TWR1.WAV"}},
      {"SC_BGL", {"AREA.BGL"}},
  };
  return files;
}

// Where each package folder's files go.
inline const std::map<std::string, std::string>& PackageTargets() {
  static const std::map<std::string, std::string> targets = {
      {"SCENERY", "C:\\FS95\\Orvanne\\SCENERY\\"}, {"TEXTURE", "C:\\FS95\\Orvanne\\TEXTURE\\"},
      {"MOD", "C:\\FS95\\PILOTS\\"},               {"VID", "C:\\FS95\\VIDEOS\\"},
      {"ADV", "C:\\FS95\\ADV\\"},                  {"WAV_WPP", "C:\\FS95\\ADV\\WAV\\"},
      {"SC_BGL", "C:\\FS95\\Orvanne\\"}};
  return targets;
}

inline std::string ContentOf(const std::string& folder, const std::string& name) {
  return folder + "/" + name + " bytes";
}

inline std::string Bytes(std::size_t size, char seed) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(seed + i * 7);
  return bytes;
}

inline std::string EnglishTexts() {
  std::string text = "LanguageName = English\r\n";
  for (int n = 1; n <= 32; ++n) {
    const char* season = n == 10 ? "Winter" : n == 7 ? "Spring" : n == 8 ? "Summer" : n == 9 ? "Fall" : nullptr;
    text += std::to_string(n) + " " + (season ? season : "m" + std::to_string(n)) + "\r\n";
  }
  return text;
}

// One run of the program over the package and the simulator; a test that
// goes through a table of cases makes one per case.
struct PackageWorld {
  PackageWorld() : fake(std::string("/INSTALLDIR") + kPackage) {
    fake.files.AddDrive('D');
    for (const auto& [folder, names] : PackageFiles()) {
      for (const std::string& name : names) {
        fake.files.WriteFile(std::string(kPackage) + "\\" + folder + "\\" + name,
                             ContentOf(folder, name));
      }
    }
    fake.files.WriteFile("D:\\Pkg\\mun_ptc.bin", Bytes(2049, 'p'));
    fake.files.WriteFile("D:\\Pkg\\tolmarin.eng", EnglishTexts());
    fake.files.WriteFile("D:\\Pkg\\inst_off.bmp", BitmapOfSize(361, 446));
    fake.files.WriteFile("D:\\Pkg\\seas_off.bmp", BitmapOfSize(361, 446));

    fake.files.WriteFile("C:\\FS95\\scenery\\world.vis", ListBytes());
    fake.files.WriteFile("C:\\FS95\\scenery\\munich.bgl", Bytes(5000, 'm'));
    for (const char* folder : {"C:\\FS95\\PILOTS", "C:\\FS95\\VIDEOS", "C:\\FS95\\ADV\\WAV"}) {
      fake.files.MakeFolders(folder);
    }
    fake.registry.SetString(app::kSimulatorKey, "InstalledTo", kSimulator);
    AnswerLanguageDialog(fake);
  }

  static std::string ListBytes() {
    return scenerylist::testing::AsString(
        scenerylist::testing::FileOf(scenerylist::testing::RealisticList()));
  }

  // Start-up on the install page.
  void Start() { app::StartUp(app); }

  std::string Caption() { return fake.windowing.Window(app.frmMain().form.Id()).caption; }
  int Pointer() { return fake.windowing.Window(app.frmMain().form.Id()).pointer; }
  const std::vector<platform::memory::ShownBox>& Boxes() { return fake.messageBoxes.Shown(); }
  std::vector<std::string> BoxTexts() {
    std::vector<std::string> texts;
    for (const auto& box : Boxes()) texts.push_back(box.text);
    return texts;
  }
  std::optional<std::string> Record(const std::string& name) {
    return fake.registry.GetString(app::kRecordKey, name);
  }

  FakePlatform fake;
  app::App app{fake.platform};
};

class InstallFixture : public ::testing::Test, public PackageWorld {};

}  // namespace tolmarin::testing
