#pragma once
#include <string_view>
#include <vector>

namespace lumivra {

// A decoded picture: `rgb` holds width x height pixels, three bytes each,
// row by row from the top.
struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;
  bool Empty() const { return width == 0 || height == 0; }
};

// Decodes JPEG data with libjpeg. Data that is not a JPEG the library can
// read, or a picture of more than 64 megapixels, gives an empty image; the
// library's errors never end the process.
RgbImage DecodeJpeg(std::string_view bytes);

}  // namespace lumivra
