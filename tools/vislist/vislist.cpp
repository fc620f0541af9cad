// vislist: prints a simulator scenery list ("world.vis") as text and checks
// that the program can read it back and write it again.
//
//   vislist FILE
//
// Exit status: 0 the list can be handled, 1 it is refused (the reason is
// printed), 2 the file cannot be read or the arguments are wrong.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "scenerylist/scenery_list.h"
#include "scenerylist/scenery_list_format.h"

namespace {

using tolmarin::scenerylist::FormatResult;
using tolmarin::scenerylist::SceneryList;
namespace sl = tolmarin::scenerylist;

// A text in double quotes; bytes outside printable ASCII, and the quote
// itself, as \xNN.
std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c >= 0x20 && c < 0x7F && c != '"') {
      out += static_cast<char>(c);
    } else {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    }
  }
  return out + "\"";
}

std::uint16_t WordAt(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
  return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

void PrintHeader(const std::vector<std::uint8_t>& bytes, const SceneryList& list) {
  std::cout << "header\n"
            << "  length " << list.fileLength << "\n"
            << "  value2 " << list.headerValue2 << "\n"
            << "  offsets";
  for (int n = 1; n <= sl::kSectionCount; ++n) {
    std::cout << " " << n << "=" << list.sectionOffsets[n];
  }
  std::cout << "\n";
  if (bytes.size() >= sl::kHeaderSize) {
    bool zeros = true;
    for (std::size_t i = 16; i < 32; ++i) zeros = zeros && bytes[i] == 0;
    std::cout << "  bytes 16-31 " << (zeros ? "zero" : "not all zero") << "\n"
              << "  word 32 " << WordAt(bytes, 32) << "\n"
              << "  word 34 " << WordAt(bytes, 34) << "\n";
  }
}

void PrintSections(const SceneryList& list) {
  std::cout << "section 1 " << Quoted(list.text1) << "\n"
            << "section 2 " << Quoted(list.text2) << "\n"
            << "section 3 values " << list.valueCount << "\n";
  for (int i = 1; i <= list.valueCount; ++i) {
    std::cout << "  " << i << " " << list.values[i] << "\n";
  }
  std::cout << "section 4 areas " << list.areaCount << "\n";
  for (int i = 1; i <= list.areaCount; ++i) {
    const sl::SceneryArea& area = list.areas[i];
    std::cout << "  " << i << " " << area.value1 << " " << area.value2 << " "
              << Quoted(area.path) << " " << Quoted(area.title) << "\n";
  }
  std::cout << "section 5 records " << list.recordCount << "\n";
  for (int i = 1; i <= list.recordCount; ++i) {
    const sl::ListRecord5& record = list.records[i];
    std::cout << "  " << i << " " << record.value1 << " " << record.value2 << " "
              << record.value3 << " " << record.value4 << " " << Quoted(record.text1) << " "
              << Quoted(record.text2) << "\n";
  }
  std::cout << "section 6 texts " << list.textCount << "\n";
  for (int i = 1; i <= list.textCount; ++i) {
    std::cout << "  " << i << " " << Quoted(list.texts[i]) << "\n";
  }
}

// What a read and a write of the list would change, besides the fresh header.
void PrintNotes(const std::vector<std::uint8_t>& bytes, const SceneryList& list) {
  if (static_cast<std::size_t>(list.fileLength) != bytes.size()) {
    std::cout << "note: the header gives the length " << list.fileLength << ", the file has "
              << bytes.size() << " bytes\n";
  }
  std::vector<std::uint8_t> written;
  sl::ListLayout layout;
  const FormatResult rewrite = sl::FormatSceneryList(list, written, layout);
  if (!rewrite.ok) {
    std::cout << "note: cannot be written back: " << rewrite.reason << "\n";
  } else if (written != bytes) {
    std::cout << "note: writing it back gives " << written.size()
              << " bytes in the order 1, 2, 3, 6, 4, 5, not the same bytes\n";
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: vislist FILE\n";
    return 2;
  }
  const std::string path = argv[1];
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::cerr << "vislist: cannot open " << path << "\n";
    return 2;
  }
  in.seekg(0, std::ios::end);
  const auto size = static_cast<std::uint64_t>(in.tellg());
  in.seekg(0);
  std::cout << "file " << path << " " << size << " bytes\n";
  FormatResult result = sl::CheckListFileLength(size);
  std::vector<std::uint8_t> bytes;
  SceneryList list;
  if (result.ok) {
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) {
      std::cerr << "vislist: cannot read " << path << "\n";
      return 2;
    }
    result = sl::ParseSceneryList(bytes, list);
  }
  if (!result.ok) {
    std::cout << "refused: " << result.reason << "\n";
    return 1;
  }
  PrintHeader(bytes, list);
  PrintSections(list);
  PrintNotes(bytes, list);
  std::cout << "ok\n";
  return 0;
}
