#pragma once
// The size written in a picture's header, for the tests of the built-in pictures.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>

namespace lumivra::testing {

inline std::uint32_t ByteAt(std::string_view d, std::size_t i) { return static_cast<unsigned char>(d[i]); }

// Width and height from a GIF, PNG or JPEG header; {0, 0} when unrecognised.
inline std::pair<int, int> PictureSize(std::string_view d) {
  if (d.substr(0, 6) == "GIF89a" || d.substr(0, 6) == "GIF87a") {
    return {static_cast<int>(ByteAt(d, 6) | ByteAt(d, 7) << 8), static_cast<int>(ByteAt(d, 8) | ByteAt(d, 9) << 8)};
  }
  if (d.substr(0, 8) == "\x89PNG\r\n\x1a\n" && d.size() > 24) {
    auto be32 = [&](std::size_t i) {
      return static_cast<int>(ByteAt(d, i) << 24 | ByteAt(d, i + 1) << 16 | ByteAt(d, i + 2) << 8 | ByteAt(d, i + 3));
    };
    return {be32(16), be32(20)};
  }
  if (d.size() > 4 && ByteAt(d, 0) == 0xFF && ByteAt(d, 1) == 0xD8) {
    std::size_t i = 2;
    while (i + 9 < d.size() && ByteAt(d, i) == 0xFF) {
      std::uint32_t marker = ByteAt(d, i + 1);
      std::size_t len = ByteAt(d, i + 2) << 8 | ByteAt(d, i + 3);
      if (marker >= 0xC0 && marker <= 0xC3) {
        return {static_cast<int>(ByteAt(d, i + 7) << 8 | ByteAt(d, i + 8)),
                static_cast<int>(ByteAt(d, i + 5) << 8 | ByteAt(d, i + 6))};
      }
      i += 2 + len;
    }
  }
  return {0, 0};
}

}  // namespace lumivra::testing
