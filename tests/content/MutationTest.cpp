// Damaged core files: flipped bytes, random words, truncation and junk must
// be refused or read within bounds, never crash (run under the sanitizers).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>

#include "content/PeResourceFile.h"
#include "support/TestFolder.h"
#include "tests/content/MingwDll.h"
#include "tests/content/PeImage.h"

namespace lumivra {
namespace {

using testing::BuildPeImage;
using testing::ReadBytes;
using testing::TestFolder;

// The names the reader asks for, so that a mutant is fully exercised.
const std::vector<std::string>& CoreNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> n;
    for (int c = 1; c <= 114; ++c)
      for (const char* prefix : {"A", "ETR", "TL", "ci"}) n.push_back(prefix + std::to_string(c));
    n.push_back("ci0");
    n.push_back("ci11314");
    return n;
  }();
  return names;
}

const std::vector<std::string> kSmallNames{"ETR1", "etr2", "TL7", "A114", "#9", "", "x"};

// Where the resource section begins in the file (0 when not found), read with
// bounds checks of its own.
size_t ResourceSectionOffset(const std::string& img) {
  auto u16 = [&](size_t o) -> size_t {
    return o + 2 <= img.size() ? static_cast<unsigned char>(img[o]) | static_cast<unsigned char>(img[o + 1]) << 8 : 0;
  };
  auto u32 = [&](size_t o) -> size_t { return u16(o) | u16(o + 2) << 16; };
  const size_t pe = u32(0x3C);
  const size_t table = pe + 24 + u16(pe + 20);
  for (size_t i = 0; i < u16(pe + 6) && table + 40 * (i + 1) <= img.size(); ++i)
    if (img.compare(table + 40 * i, 5, ".rsrc") == 0) return u32(table + 40 * i + 20);
  return 0;
}

void Exercise(const std::string& bytes, const std::vector<std::string>& names) {
  auto file = PeResourceFile::FromBytes(bytes);
  if (!file) return;
  for (const auto& name : names) {
    for (uint16_t type : {uint16_t{23}, uint16_t{10}, uint16_t{2110}}) {
      auto r = file->FindResource(name, type);
      if (r) {
        ASSERT_LE(r->size(), bytes.size());
      }
    }
  }
}

// One random mutation of `img`, aimed mostly at the headers and the resource directory.
std::string Mutate(const std::string& img, std::mt19937& rng) {
  std::string m = img;
  const size_t rsrc = ResourceSectionOffset(img);
  auto pick = [&]() -> size_t {
    const auto where = rng() % 10;
    size_t lo = 0, span = img.size();
    if (where < 4) {
      span = std::min<size_t>(img.size(), 0x400);
    } else if (where < 8 && rsrc < img.size()) {
      lo = rsrc;
      span = std::min<size_t>(img.size() - rsrc, 0x2000);
    }
    return lo + rng() % std::max<size_t>(span, 1);
  };
  switch (rng() % 5) {
    case 0:
    case 1: {  // flip some bytes
      const int count = 1 + static_cast<int>(rng() % 8);
      for (int k = 0; k < count && !m.empty(); ++k) m[pick()] ^= static_cast<char>(1 + rng() % 255);
      break;
    }
    case 2: {  // a telling 32-bit value in place of a field
      static constexpr uint32_t kValues[] = {0, 0xFFFFFFFFu, 0x80000000u, 0x7FFFFFFFu, 0x80000010u,
                                             0x10, 0xFFFF, 0x1000};
      const size_t at = pick() & ~size_t{3};
      const uint32_t v = rng() % 2 ? kValues[rng() % 8] : static_cast<uint32_t>(rng());
      for (size_t k = 0; k < 4 && at + k < m.size(); ++k) m[at + k] = static_cast<char>(v >> (8 * k));
      break;
    }
    case 3:  // truncate
      m.resize(rng() % (img.size() + 1));
      break;
    default: {  // junk on the end
      const size_t extra = 1 + rng() % 4096;
      for (size_t k = 0; k < extra; ++k) m += static_cast<char>(rng());
      break;
    }
  }
  return m;
}

std::string SmallImage(bool plus) {
  return BuildPeImage({{23, "ETR1", "one\r\ntwo\r\n"},
                       {23, "ETR2", "three"},
                       {23, "TL7", std::string(300, 'x')},
                       {10, "A114", "data"},
                       {23, "#9", "id"},
                       {2110, "X", ""}},
                      plus)
      .image;
}

TEST(Mutation, OwnImagesTruncatedAtEveryLength) {
  for (const bool plus : {false, true}) {
    const std::string img = SmallImage(plus);
    ASSERT_TRUE(PeResourceFile::FromBytes(img));
    // The resource section runs to the end of the file: every prefix is refused.
    for (size_t n = 0; n < img.size(); ++n)
      ASSERT_FALSE(PeResourceFile::FromBytes(img.substr(0, n))) << "length " << n;
  }
}

TEST(Mutation, OwnImagesHeavily) {
  for (const bool plus : {false, true}) {
    const std::string img = SmallImage(plus);
    for (uint32_t seed = 0; seed < 4000; ++seed) {
      std::mt19937 rng(seed);
      std::string m = Mutate(img, rng);
      if (seed % 3 == 0) m = Mutate(m, rng);  // two at once
      Exercise(m, kSmallNames);
      if (HasFatalFailure()) FAIL() << "seed " << seed;
    }
  }
}

TEST(Mutation, MingwDlls) {
  int built = 0;
  for (const std::string prefix : {"i686-w64-mingw32", "x86_64-w64-mingw32"}) {
    if (!testing::HaveTool(prefix + "-windres") || !testing::HaveTool(prefix + "-ld")) continue;
    TestFolder dir("mutation");
    dir.Write("a.txt", "one\r\ntwo\r\n");
    dir.Write("b.txt", std::string(700, 'b'));
    dir.Write("r.rc", "ETR1 23 \"a.txt\"\nTL7 23 \"b.txt\"\nA114 10 \"a.txt\"\n9 23 \"a.txt\"\n");
    ASSERT_TRUE(testing::BuildResourceDll(prefix, dir.path(), "r.rc", "m.dll"));
    ++built;
    const std::string img = ReadBytes(dir / "m.dll");
    ASSERT_TRUE(PeResourceFile::FromBytes(img)) << prefix;
    for (size_t n = 0; n < img.size(); ++n) Exercise(img.substr(0, n), kSmallNames);
    for (uint32_t seed = 0; seed < 3000; ++seed) {
      std::mt19937 rng(seed);
      Exercise(Mutate(img, rng), kSmallNames);
      if (HasFatalFailure()) FAIL() << prefix << " seed " << seed;
    }
  }
  if (built == 0) GTEST_SKIP() << "no MinGW binutils installed";
}

TEST(Mutation, PackedCoreFiles) {
  int found = 0;
  for (const char* name : {"ETRRef32.dll", "ARef32.dll", "TLRef32.dll", "SIRef32.dll"}) {
    const auto path = std::filesystem::path(LUMIVRA_BUILD_DIR) / name;
    if (!std::filesystem::is_regular_file(path)) continue;
    ++found;
    const std::string img = ReadBytes(path.string());
    ASSERT_TRUE(PeResourceFile::FromBytes(img)) << name;
    // Every cut through the headers and the start of the directory, then a spread over the rest.
    const size_t rsrc = ResourceSectionOffset(img);
    const size_t dense = std::min(img.size(), std::max<size_t>(rsrc, 0x400) + 0x1000);
    for (size_t n = 0; n < dense; ++n) Exercise(img.substr(0, n), CoreNames());
    for (size_t k = 1; k < 24; ++k) Exercise(img.substr(0, img.size() * k / 24), CoreNames());
    // Each mutant copies the file; the big ones get fewer.
    const uint32_t seeds = static_cast<uint32_t>(std::clamp<size_t>((size_t{60} << 20) / img.size(), 20, 80));
    for (uint32_t seed = 0; seed < seeds; ++seed) {
      std::mt19937 rng(seed * 7919u + static_cast<uint32_t>(found));
      Exercise(Mutate(img, rng), CoreNames());
      if (HasFatalFailure()) FAIL() << name << " seed " << seed;
    }
  }
  if (found == 0) GTEST_SKIP() << "no packed core files in " << LUMIVRA_BUILD_DIR;
}

}  // namespace
}  // namespace lumivra
