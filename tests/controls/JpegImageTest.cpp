#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "assets/ArtworkData.h"
#include "controls/JpegImage.h"

using namespace lumivra;

TEST(JpegImage, DecodesTheSplashPicturesAndRefusesCorruptData) {
  for (const auto& [name, w, h] : {std::tuple{"splash_title", 332, 114}, std::tuple{"splash_logo", 75, 58}}) {
    const auto bytes = FindArtwork(name);
    ASSERT_TRUE(bytes) << name;
    const RgbImage image = DecodeJpeg(*bytes);
    EXPECT_EQ(image.width, w);
    EXPECT_EQ(image.height, h);
    EXPECT_EQ(image.rgb.size(), size_t(w) * h * 3);

    std::string corrupt(*bytes);
    for (size_t i = 2; i < 200; ++i) corrupt[i] = static_cast<char>(0x5A ^ i);  // the headers destroyed
    EXPECT_TRUE(DecodeJpeg(corrupt).Empty()) << name;
    EXPECT_TRUE(DecodeJpeg(bytes->substr(0, 100)).Empty()) << name;  // cut inside the headers
  }
  EXPECT_TRUE(DecodeJpeg("").Empty());
  EXPECT_TRUE(DecodeJpeg("not a picture at all").Empty());
}
