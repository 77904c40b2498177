#include <gtest/gtest.h>

#include <functional>

#include "content/PeResourceFile.h"
#include "support/TestFolder.h"
#include "tests/content/PeImage.h"

namespace lumivra {
namespace {

using testing::BuildPeImage;
using testing::PeLayout;
using testing::PeResource;
using testing::Put16;
using testing::Put32;

const std::vector<PeResource> kSample{
    {23, "ETR1", "In the beginning\r\nsecond\r\n"},
    {23, "etr7", std::string("a\0b\xFF\xE2", 5)},
    {23, "EMPTY", ""},
    {10, "ETR2", "raw data, not html"},
    {23, "#5", "by number"},
    {2110, "HLEFT_GIF", "GIF89a"},
};

class PeFormats : public ::testing::TestWithParam<bool> {};

TEST_P(PeFormats, FindsNamesInAnyCaseWithExactBytes) {
  std::string error;
  auto file = PeResourceFile::FromBytes(BuildPeImage(kSample, GetParam()).image, &error);
  ASSERT_TRUE(file) << error;
  EXPECT_EQ(file->FindResource("ETR1", 23), "In the beginning\r\nsecond\r\n");
  EXPECT_EQ(file->FindResource("etr1", 23), "In the beginning\r\nsecond\r\n");
  EXPECT_EQ(file->FindResource("EtR7", 23), std::string("a\0b\xFF\xE2", 5));
  EXPECT_EQ(file->FindResource("empty", 23), "");
  EXPECT_EQ(file->FindResource("#5", 23), "by number");
  EXPECT_EQ(file->FindResource("hleft_gif", 2110), "GIF89a");
  // Type matters, and names match whole.
  EXPECT_FALSE(file->FindResource("ETR2", 23));
  EXPECT_EQ(file->FindResource("ETR2", 10), "raw data, not html");
  EXPECT_FALSE(file->FindResource("ETR1", 10));
  EXPECT_FALSE(file->FindResource("ETR", 23));
  EXPECT_FALSE(file->FindResource("ETR10", 23));
  EXPECT_FALSE(file->FindResource("ETR01", 23));
  EXPECT_FALSE(file->FindResource("", 23));
  EXPECT_FALSE(file->FindResource("5", 23));
  EXPECT_FALSE(file->FindResource("ETR1", 99));
}

INSTANTIATE_TEST_SUITE_P(Pe32AndPe32Plus, PeFormats, ::testing::Bool());

TEST(PeResourceFile, NonAsciiNamesMatchOnlyExactly) {
  PeLayout pe = BuildPeImage({{23, "Xa", "one"}});
  // Turn the name's second unit into U+00E1 (a with acute).
  const std::string& img = pe.image;
  const size_t at = img.find(std::string("X\0a\0", 4));
  ASSERT_NE(at, std::string::npos);
  Put16(pe.image, at + 2, 0xE1);
  auto file = PeResourceFile::FromBytes(pe.image);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->FindResource("X\xE1", 23), "one");
  EXPECT_EQ(file->FindResource("x\xE1", 23), "one");
  EXPECT_FALSE(file->FindResource("X\xC1", 23));
  EXPECT_FALSE(file->FindResource("XA", 23));
}

TEST(PeResourceFile, FileWithoutResourcesOpensEmpty) {
  PeLayout pe = BuildPeImage({{23, "A1", "x"}});
  Put32(pe.image, pe.dataDirectories + 16, 0);  // resource directory RVA
  auto file = PeResourceFile::FromBytes(pe.image);
  ASSERT_TRUE(file);
  EXPECT_FALSE(file->FindResource("A1", 23));
}

TEST(PeResourceFile, OpenReadsFromDiskAndNamesTheProblem) {
  const testing::TestFolder dir("pe-open");
  const std::string path = dir / "x.dll";
  testing::WriteBytes(path, BuildPeImage(kSample).image);
  std::string error;
  auto file = PeResourceFile::Open(path, &error);
  ASSERT_TRUE(file) << error;
  EXPECT_EQ(file->FindResource("etr1", 23), "In the beginning\r\nsecond\r\n");

  EXPECT_FALSE(PeResourceFile::Open((dir / "missing.dll").string(), &error));
  EXPECT_NE(error.find("missing.dll"), std::string::npos) << error;
  EXPECT_FALSE(PeResourceFile::Open(dir.path(), &error));  // a folder
  testing::WriteBytes(path, "MZ not really");
  EXPECT_FALSE(PeResourceFile::Open(path, &error));
  EXPECT_NE(error.find("x.dll"), std::string::npos) << error;
}

// One damaged image per case; every one must be refused with a reason.
struct Damage {
  const char* what;
  std::function<void(PeLayout&)> apply;
};

uint32_t Get32(const std::string& s, size_t at) {
  uint32_t v = 0;
  for (int k = 3; k >= 0; --k) v = v << 8 | static_cast<unsigned char>(s[at + static_cast<size_t>(k)]);
  return v;
}

TEST(PeResourceFile, RefusesDamagedFiles) {
  // Offsets inside the sample's resource section: root at 0, its first type
  // entry at 16; the first type directory starts where that entry points.
  const std::vector<Damage> cases{
      {"empty file", [](PeLayout& p) { p.image.clear(); }},
      {"no MZ", [](PeLayout& p) { p.image[0] = 'Z'; }},
      {"e_lfanew past the end", [](PeLayout& p) { Put32(p.image, 0x3C, 0xFFFFFFF0u); }},
      {"e_lfanew near the end", [](PeLayout& p) { Put32(p.image, 0x3C, static_cast<uint32_t>(p.image.size() - 8)); }},
      {"no PE signature", [](PeLayout& p) { p.image[0x41] = 'X'; }},
      {"optional header magic", [](PeLayout& p) { Put16(p.image, p.optionalHeader, 0x107); }},
      {"optional header too short", [](PeLayout& p) { Put16(p.image, 0x54, 40); }},
      {"optional header past the end", [](PeLayout& p) { Put16(p.image, 0x54, 0xFFFF); }},
      {"data directories overflow", [](PeLayout& p) { Put32(p.image, p.dataDirectories - 4, 0xFFFFFFFFu); }},
      {"section table past the end", [](PeLayout& p) { Put16(p.image, 0x46, 0xFFFF); }},
      {"section data past the end", [](PeLayout& p) { Put32(p.image, p.sectionTable + 20, 0xFFFFFF00u); }},
      {"section size past the end", [](PeLayout& p) { Put32(p.image, p.sectionTable + 16, 0x7FFFFFFFu); }},
      {"resource RVA in no section", [](PeLayout& p) { Put32(p.image, p.dataDirectories + 16, 0x9000); }},
      {"resource size beyond its section", [](PeLayout& p) { Put32(p.image, p.dataDirectories + 20, 0x100000); }},
      {"resource size zero", [](PeLayout& p) { Put32(p.image, p.dataDirectories + 20, 0); }},
      {"root entry count too large",
       [](PeLayout& p) { Put16(p.image, p.rsrcFileOffset + 14, 0xFFFF); }},
      {"type entry points at the root (loop)",
       [](PeLayout& p) { Put32(p.image, p.rsrcFileOffset + 16 + 4, 0x80000000u); }},
      {"type directory outside the section",
       [](PeLayout& p) { Put32(p.image, p.rsrcFileOffset + 16 + 4, 0x8FFFFFF0u); }},
      {"type entry holds data, not a directory",
       [](PeLayout& p) { Put32(p.image, p.rsrcFileOffset + 16 + 4, 0x10); }},
      {"two types share one directory",
       [](PeLayout& p) {
         const uint32_t first = Get32(p.image, p.rsrcFileOffset + 16 + 4);
         Put32(p.image, p.rsrcFileOffset + 24 + 4, first);
       }},
      {"name entry points back at its own directory",
       [](PeLayout& p) {
         const uint32_t typeDir = Get32(p.image, p.rsrcFileOffset + 16 + 4) & 0x7FFFFFFF;
         Put32(p.image, p.rsrcFileOffset + typeDir + 16 + 4, 0x80000000u | typeDir);
       }},
      {"name string outside the section",
       [](PeLayout& p) {
         const uint32_t typeDir = Get32(p.image, p.rsrcFileOffset + 16 + 4) & 0x7FFFFFFF;
         Put32(p.image, p.rsrcFileOffset + typeDir + 16, 0xFFFFFFF0u);
       }},
      {"name string longer than the section",
       [](PeLayout& p) {
         const uint32_t typeDir = Get32(p.image, p.rsrcFileOffset + 16 + 4) & 0x7FFFFFFF;
         const uint32_t str = Get32(p.image, p.rsrcFileOffset + typeDir + 16) & 0x7FFFFFFF;
         Put16(p.image, p.rsrcFileOffset + str, 0xFFFF);
       }},
      {"language level nested deeper",
       [](PeLayout& p) {
         const uint32_t typeDir = Get32(p.image, p.rsrcFileOffset + 16 + 4) & 0x7FFFFFFF;
         const uint32_t lang = Get32(p.image, p.rsrcFileOffset + typeDir + 16 + 4) & 0x7FFFFFFF;
         Put32(p.image, p.rsrcFileOffset + lang + 16 + 4, 0x80000000u | typeDir);
       }},
      {"data entry outside the section",
       [](PeLayout& p) {
         const uint32_t typeDir = Get32(p.image, p.rsrcFileOffset + 16 + 4) & 0x7FFFFFFF;
         const uint32_t lang = Get32(p.image, p.rsrcFileOffset + typeDir + 16 + 4) & 0x7FFFFFFF;
         Put32(p.image, p.rsrcFileOffset + lang + 16 + 4, 0x7FFFFFF8u);
       }},
      {"data beyond the file",
       [](PeLayout& p) {
         const uint32_t typeDir = Get32(p.image, p.rsrcFileOffset + 16 + 4) & 0x7FFFFFFF;
         const uint32_t lang = Get32(p.image, p.rsrcFileOffset + typeDir + 16 + 4) & 0x7FFFFFFF;
         const uint32_t entry = Get32(p.image, p.rsrcFileOffset + lang + 16 + 4);
         Put32(p.image, p.rsrcFileOffset + entry + 4, 0xFFFFFFF0u);
       }},
      {"data RVA in no section",
       [](PeLayout& p) {
         const uint32_t typeDir = Get32(p.image, p.rsrcFileOffset + 16 + 4) & 0x7FFFFFFF;
         const uint32_t lang = Get32(p.image, p.rsrcFileOffset + typeDir + 16 + 4) & 0x7FFFFFFF;
         const uint32_t entry = Get32(p.image, p.rsrcFileOffset + lang + 16 + 4);
         Put32(p.image, p.rsrcFileOffset + entry, 0xFFFFFFF0u);
       }},
      {"truncated inside the section", [](PeLayout& p) { p.image.resize(p.rsrcFileOffset + 40); }},
  };
  for (const bool plus : {false, true}) {
    for (const auto& c : cases) {
      PeLayout pe = BuildPeImage(kSample, plus);
      c.apply(pe);
      std::string error;
      auto file = PeResourceFile::FromBytes(pe.image, &error);
      EXPECT_FALSE(file) << c.what << (plus ? " (PE32+)" : " (PE32)");
      EXPECT_FALSE(error.empty()) << c.what;
    }
  }
}

}  // namespace
}  // namespace lumivra
