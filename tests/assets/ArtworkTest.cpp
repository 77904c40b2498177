#include "assets/ArtworkData.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "support/PictureSize.h"

namespace lumivra {
namespace {

using testing::PictureSize;

TEST(Artwork, WindowArtworkIsPngOfItsSize) {
  std::vector<std::pair<std::string, std::pair<int, int>>> expected = {
      {"tree0", {16, 16}}, {"tree1", {16, 16}}, {"tree2", {16, 16}},
      {"texture", {64, 64}}, {"logo", {46, 45}}, {"magnifier", {16, 15}}};
  for (const char* t : {"home", "back", "forward", "search", "info", "goto", "print", "display", "help"})
    expected.push_back({std::string("tool_") + t, {24, 24}});
  for (int i = 0; i <= 12; ++i) expected.push_back({"menu" + std::to_string(i), {16, 16}});
  for (std::size_t i = 0, n = expected.size(); i < n; ++i)  // the glyphs' double-size twins
    if (expected[i].first.rfind("tree", 0) == 0 || expected[i].first.rfind("tool_", 0) == 0 ||
        expected[i].first.rfind("menu", 0) == 0)
      expected.push_back({expected[i].first + "@2x", {2 * expected[i].second.first, 2 * expected[i].second.second}});
  for (const char* theme : {"default_", "sky_", "rose_", "forest_"}) {
    for (const auto& [role, w, h] : {std::tuple{"wallpaper", 64, 64}, std::tuple{"border", 80, 10},
                                     std::tuple{"smborder", 48, 5}, std::tuple{"buttons", 94, 31}}) {
      expected.push_back({std::string(theme) + role, {w, h}});
      expected.push_back({std::string(theme) + role + "@2x", {2 * w, 2 * h}});
    }
  }
  EXPECT_EQ(FindArtwork("default_wallpaper"), FindArtwork("texture"));  // the dialogs' texture
  for (const auto& [name, size] : expected) {
    SCOPED_TRACE(name);
    auto png = FindArtwork(name);
    ASSERT_TRUE(png.has_value());
    EXPECT_EQ(png->substr(1, 3), "PNG");
    EXPECT_EQ(PictureSize(*png), size);
  }
  EXPECT_FALSE(FindArtwork("menu13"));
  EXPECT_FALSE(FindArtwork("tree3"));
  EXPECT_FALSE(FindArtwork("TREE0"));
  EXPECT_FALSE(FindArtwork(""));
}

}  // namespace
}  // namespace lumivra
