// Hand-made list files: sections placed in any order, with any content, so
// that a test can build files our own writer would never produce.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace tolmarin::scenerylist::testing {

using Bytes = std::vector<std::uint8_t>;

inline Bytes Z(const std::string& text) {
  Bytes bytes(text.begin(), text.end());
  bytes.push_back(0);
  return bytes;
}

inline Bytes W(std::uint16_t value) {
  return {static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>(value >> 8)};
}

inline Bytes Cat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

class RawList {
 public:
  // Sections are laid out in `order`, each right after the one before.
  RawList& Order(std::array<int, 6> order) {
    order_ = order;
    return *this;
  }
  RawList& Section(int n, Bytes content) {
    content_[n] = std::move(content);
    return *this;
  }
  RawList& HeaderValue2(std::uint16_t value) {
    headerValue2_ = value;
    return *this;
  }

  Bytes Build() const {
    Bytes bytes(36, 0);
    std::array<std::uint16_t, 7> offsets{};
    for (int n : order_) {
      offsets[n] = static_cast<std::uint16_t>(bytes.size());
      bytes.insert(bytes.end(), content_[n].begin(), content_[n].end());
    }
    Put(bytes, 0, static_cast<std::uint16_t>(bytes.size()));
    Put(bytes, 2, headerValue2_);
    for (int n = 1; n <= 6; ++n) Put(bytes, 2 * (n + 1), offsets[n]);
    return bytes;
  }

 private:
  static void Put(Bytes& bytes, std::size_t at, std::uint16_t value) {
    bytes[at] = static_cast<std::uint8_t>(value & 0xFF);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
  }

  std::array<int, 6> order_{1, 2, 3, 6, 4, 5};
  std::array<Bytes, 7> content_{Bytes{}, {0}, {0}, {0, 0}, {0}, {0}, {0}};
  std::uint16_t headerValue2_ = 0;
};

}  // namespace tolmarin::scenerylist::testing
