#include "controls/JpegImage.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace lumivra {

namespace {

constexpr unsigned long long kMaxPixels = 64ULL << 20;

// The library's default error handler ends the process; this one jumps back
// to the decoder instead.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf escape;
};

[[noreturn]] void OnError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

void OnMessage(j_common_ptr, int) {}  // warnings (such as a short file) stay quiet

// Everything that must survive the jump lives outside the function that sets it.
struct Decoder {
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  RgbImage image;

  // False when the library reported an error.
  bool Run(std::string_view bytes) {
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnError;
    errors.base.emit_message = OnMessage;
    if (setjmp(errors.escape)) return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    const unsigned long long pixels = 1ULL * info.image_width * info.image_height;
    if (pixels == 0 || pixels > kMaxPixels) return false;
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_components != 3) return false;
    image.width = static_cast<int>(info.output_width);
    image.height = static_cast<int>(info.output_height);
    image.rgb.resize(3ULL * info.output_width * info.output_height);
    const size_t stride = 3ULL * info.output_width;
    while (info.output_scanline < info.output_height) {
      JSAMPROW row = image.rgb.data() + stride * info.output_scanline;
      jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
  }

  ~Decoder() { jpeg_destroy_decompress(&info); }
};

}  // namespace

RgbImage DecodeJpeg(std::string_view bytes) {
  if (bytes.empty()) return {};
  Decoder decoder;
  if (!decoder.Run(bytes)) return {};
  return std::move(decoder.image);
}

}  // namespace lumivra
