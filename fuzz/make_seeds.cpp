// Writes the seed corpus of the scenery list fuzzer into FOLDER/seeds and
// makes FOLDER/found for what the fuzzer adds. The seeds are lists our
// writer produces, one at every limit, and hand-made files with the sections
// in another order, stray tag bytes and a cut-off end.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "scenerylist/scenery_list_format.h"

namespace sl = tolmarin::scenerylist;
using Bytes = std::vector<std::uint8_t>;

namespace {

Bytes Format(const sl::SceneryList& list) {
  Bytes bytes;
  sl::ListLayout layout;
  if (!sl::FormatSceneryList(list, bytes, layout).ok) {
    std::cerr << "make_seeds: a seed list was refused\n";
    std::exit(1);
  }
  return bytes;
}

sl::SceneryList Realistic() {
  sl::SceneryList list;
  list.headerValue2 = 0x1234;
  list.text1 = "C:\\FS95\\SCENERY";
  list.text2 = "World";
  list.valueCount = 2;
  list.values[1] = 12;
  list.values[2] = 32767;
  list.areaCount = 3;
  list.areas[1] = {30, 1, "C:\\FS95\\Orvanne\\*.bgl", "Durirezo Orvanne V1.00"};
  list.areas[2] = {10, 1, "C:\\FS95\\SCENERY\\*.bgl", "Default"};
  list.areas[3] = {255, 0, "", "Lakes"};
  list.recordCount = 2;
  list.records[1] = {1, 65535, 2, 3, "a", "b"};
  list.records[2] = {0, 0, 0, 0, "", ""};
  list.textCount = 2;
  list.texts[1] = "text";
  list.texts[2] = "";
  return list;
}

sl::SceneryList AtTheLimits() {
  sl::SceneryList list;
  list.valueCount = sl::kMaxValues;
  for (int i = 1; i <= sl::kMaxValues; ++i) list.values[i] = i;
  list.areaCount = sl::kMaxAreas;
  for (int i = 1; i <= sl::kMaxAreas; ++i) list.areas[i] = {1, 2, "P\\*.bgl", "T" + std::to_string(i)};
  list.recordCount = sl::kMaxRecords;
  list.textCount = sl::kMaxTexts;
  return list;
}

// The realistic list with its sections moved to the order 5, 4, 6, 3, 2, 1
// and a stray tag byte before every tagged section.
Bytes Reordered(const Bytes& canonical) {
  auto word = [&](std::size_t at) { return canonical[at] | (canonical[at + 1] << 8); };
  const int order[] = {5, 4, 6, 3, 2, 1};
  // In the canonical file each section runs to the start of the next one
  // in the order 1, 2, 3, 6, 4, 5.
  const int next[] = {0, 2, 3, 6, 5, 0, 4};
  Bytes out(canonical.begin(), canonical.begin() + sl::kHeaderSize);
  for (int n : order) {
    const std::size_t begin = word(2 * (n + 1));
    const std::size_t end = n == 5 ? canonical.size() : word(2 * (next[n] + 1));
    const bool tagged = n >= 4;
    const std::size_t offset = out.size();
    out[2 * (n + 1)] = static_cast<std::uint8_t>(offset & 0xFF);
    out[2 * (n + 1) + 1] = static_cast<std::uint8_t>(offset >> 8);
    if (tagged) out.push_back(7);
    out.insert(out.end(), canonical.begin() + begin, canonical.begin() + end);
  }
  out[0] = static_cast<std::uint8_t>(out.size() & 0xFF);
  out[1] = static_cast<std::uint8_t>(out.size() >> 8);
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_seeds FOLDER\n";
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "/seeds";
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  std::filesystem::create_directories(std::string(argv[1]) + "/found", error);
  const Bytes realistic = Format(Realistic());
  const Bytes limits = Format(AtTheLimits());
  const std::vector<std::pair<std::string, Bytes>> seeds = {
      {"empty.vis", Format(sl::SceneryList{})},
      {"realistic.vis", realistic},
      {"limits.vis", limits},
      {"reordered.vis", Reordered(realistic)},
      {"cut_off.vis", Bytes(realistic.begin(), realistic.end() - 5)},
      {"header_only.vis", Bytes(realistic.begin(), realistic.begin() + sl::kHeaderSize)},
  };
  for (const auto& [name, bytes] : seeds) {
    std::ofstream out(folder + "/" + name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
      std::cerr << "make_seeds: cannot write " << folder << "/" << name << "\n";
      return 1;
    }
  }
  return 0;
}
