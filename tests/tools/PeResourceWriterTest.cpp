// The DLL writer checked against readers that are not ours: pefile (Python),
// wrestool (icoutils), and then our own PeResourceFile.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <nlohmann/json.hpp>
#include <regex>
#include <stdexcept>

#include "content/PeResourceFile.h"
#include "tests/tools/ToolTestSupport.h"
#include "tools/PeResourceWriter.h"

namespace lumivra {
namespace {

using testing::Quote;
using testing::RunCommand;
using testing::TestFolder;

struct Item {
  uint16_t type;
  std::string name;  // as added
  std::string bytes;
};

std::string Upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

std::string Hex(const std::string& bytes) {
  static const char* digits = "0123456789abcdef";
  std::string out;
  for (unsigned char b : bytes) {
    out += digits[b >> 4];
    out += digits[b & 15];
  }
  return out;
}

nlohmann::json Inspect(const std::filesystem::path& dll) {
  const auto r = RunCommand("/usr/bin/python3 " LUMIVRA_SOURCE_DIR "/tests/tools/pe_dump.py " + Quote(dll) +
                            " --data");
  EXPECT_EQ(r.exitCode, 0) << r.out;
  return nlohmann::json::parse(r.out);
}

// The header fields a loader and other tools rely on.
void ExpectSoundHeaders(const nlohmann::json& pe) {
  EXPECT_EQ(pe["machine"], 0x14C);
  EXPECT_EQ(pe["characteristics"].get<int>() & 0x2102, 0x2102);  // DLL, 32-bit, executable
  EXPECT_EQ(pe["characteristics"].get<int>() & 0x0001, 0);        // relocatable
  EXPECT_EQ(pe["magic"], 0x10B);
  EXPECT_EQ(pe["entry_point"], 0);
  EXPECT_EQ(pe["subsystem"], 2);
  EXPECT_EQ(pe["section_alignment"], 0x1000);
  EXPECT_EQ(pe["file_alignment"], 0x200);
  EXPECT_TRUE(pe["checksum_ok"].get<bool>());
  EXPECT_NE(pe["checksum"], 0);
  ASSERT_EQ(pe["sections_count"], 1);
  const auto& s = pe["sections"][0];
  EXPECT_EQ(s["name"], ".rsrc");
  EXPECT_EQ(s["characteristics"], 0x40000040u);
  EXPECT_EQ(s["raw_pointer"], pe["size_of_headers"]);
  EXPECT_EQ(s["raw_size"].get<int>() % 0x200, 0);
  EXPECT_GE(s["raw_size"].get<int>(), s["virtual_size"].get<int>());
  EXPECT_EQ(pe["size_of_initialized_data"], s["raw_size"]);
  EXPECT_EQ(pe["file_size"], s["raw_pointer"].get<int>() + s["raw_size"].get<int>());
  const int end = s["virtual_address"].get<int>() + s["virtual_size"].get<int>();
  EXPECT_EQ(pe["size_of_image"], (end + 0xFFF) / 0x1000 * 0x1000);
  ASSERT_EQ(pe["rva_count"], 16);
  for (int i = 0; i < 16; ++i) {
    const auto& d = pe["directories"][static_cast<size_t>(i)];
    if (i == 2) {
      EXPECT_EQ(d[0], s["virtual_address"]);
      EXPECT_EQ(d[1], s["virtual_size"]);
    } else {
      EXPECT_EQ(d[0], 0) << "directory " << i;
      EXPECT_EQ(d[1], 0) << "directory " << i;
    }
  }
  EXPECT_TRUE(pe["names_sorted"].get<bool>());
}

TEST(PeResourceWriter, IndependentReadersSeeEveryResourceWithItsBytes) {
  std::string binary;
  for (int i = 0; i < 1000; ++i) binary += static_cast<char>((i * 37 + 11) & 0xFF);
  const std::vector<Item> items{
      {23, "ETR1", "In the name\r\n"},
      {23, "etr10", std::string("\x00\xE2\x92\x81z", 5)},  // odd length, NUL and high bytes
      {23, "ETR2", ""},
      {23, "A_B", "underscore sorts after the letters"},
      {2110, "HLEFT_GIF", binary},
      {2110, "c_gif", "x"},
      {5, "Z", "zz"},
  };
  PeResourceWriter writer;
  for (const auto& it : items) writer.Add(it.type, it.name, it.bytes);
  TestFolder dir("tools");
  const auto path = dir / "Test.dll";
  testing::WriteBytes(path, writer.Build());

  // pefile: headers, the tree in loader order, languages, data.
  const auto pe = Inspect(path);
  ExpectSoundHeaders(pe);
  std::vector<std::pair<int, std::string>> order;
  std::map<std::string, std::string> data;
  for (const auto& r : pe["resources"]) {
    order.emplace_back(r["type"].get<int>(), r["name"].get<std::string>());
    EXPECT_EQ(r["lang"], 0x0409);
    EXPECT_EQ(r["rva"].get<int>() % 4, 0) << r["name"];
    data[r["name"].get<std::string>()] = r["data"].get<std::string>();
  }
  const std::vector<std::pair<int, std::string>> expected{
      {5, "Z"}, {23, "A_B"}, {23, "ETR1"}, {23, "ETR10"}, {23, "ETR2"}, {2110, "C_GIF"}, {2110, "HLEFT_GIF"}};
  EXPECT_EQ(order, expected);
  for (const auto& it : items) EXPECT_EQ(data[Upper(it.name)], Hex(it.bytes)) << it.name;

  // wrestool: the listing and each extracted resource.
  const auto list = RunCommand("wrestool -l " + Quote(path));
  ASSERT_EQ(list.exitCode, 0);
  const std::regex line(R"(--type=(\d+) --name='([^']+)' --language=1033 \[(?:type=\w+ )?offset=0x[0-9a-f]+ size=(\d+)\])");
  size_t listed = 0;
  for (std::sregex_iterator m(list.out.begin(), list.out.end(), line), end; m != end; ++m, ++listed) {
    const std::string name = (*m)[2];
    const auto found = std::find_if(items.begin(), items.end(), [&](const Item& i) { return Upper(i.name) == name; });
    ASSERT_NE(found, items.end()) << name;
    EXPECT_EQ(std::stoi((*m)[1]), found->type);
    EXPECT_EQ(std::stoul((*m)[3]), found->bytes.size());
    const auto x = RunCommand("wrestool -x --raw --type=" + std::to_string(found->type) + " --name=" + name + " " +
                              Quote(path));
    EXPECT_EQ(x.exitCode, 0);
    EXPECT_EQ(x.out, found->bytes) << name;
  }
  EXPECT_EQ(listed, items.size()) << list.out;

  // Our reader: names without regard to case, each within its own type.
  std::string error;
  auto file = PeResourceFile::Open(path.string(), &error);
  ASSERT_TRUE(file) << error;
  for (const auto& it : items) {
    EXPECT_EQ(file->FindResource(it.name, it.type), it.bytes) << it.name;
    EXPECT_EQ(file->FindResource(Upper(it.name), it.type), it.bytes) << it.name;
  }
  EXPECT_FALSE(file->FindResource("ETR1", 2110));
  EXPECT_FALSE(file->FindResource("ETR3", 23));
  EXPECT_FALSE(file->FindResource("ETR", 23));
}

// The loader searches each directory by halves, so the order must hold for
// many names added in any order: "A1" < "A10" < "A100" < "A101" < … < "A2".
TEST(PeResourceWriter, ManyNamesAddedInAnyOrderAreAllFound) {
  PeResourceWriter writer;
  for (int n = 114; n >= 1; --n) writer.Add(23, "A" + std::to_string(n), "verse of " + std::to_string(n) + "\r\n");
  for (int n = 1; n <= 114; n += 2) writer.Add(23, "tl" + std::to_string(n), std::to_string(n));
  EXPECT_EQ(writer.Count(), 114u + 57u);
  const std::string bytes = writer.Build();

  auto file = PeResourceFile::FromBytes(bytes);
  ASSERT_TRUE(file);
  for (int n = 1; n <= 114; ++n) {
    EXPECT_EQ(file->FindResource("a" + std::to_string(n), 23), "verse of " + std::to_string(n) + "\r\n");
    EXPECT_EQ(file->FindResource("TL" + std::to_string(n), 23).has_value(), n % 2 == 1) << n;
  }
  EXPECT_FALSE(file->FindResource("A0", 23));
  EXPECT_FALSE(file->FindResource("A115", 23));
  EXPECT_FALSE(file->FindResource("A010", 23));

  TestFolder dir("tools");
  testing::WriteBytes(dir / "Many.dll", bytes);
  const auto pe = Inspect(dir / "Many.dll");
  ExpectSoundHeaders(pe);
  EXPECT_EQ(pe["resources"].size(), 114u + 57u);
  EXPECT_EQ(pe["resources"][0]["name"], "A1");
  EXPECT_EQ(pe["resources"][1]["name"], "A10");
  EXPECT_EQ(pe["resources"][2]["name"], "A100");
}

TEST(PeResourceWriter, AnEmptyModuleIsStillSound) {
  TestFolder dir("tools");
  testing::WriteBytes(dir / "Empty.dll", PeResourceWriter().Build());
  const auto pe = Inspect(dir / "Empty.dll");
  ExpectSoundHeaders(pe);
  EXPECT_TRUE(pe["resources"].empty());
  auto file = PeResourceFile::Open((dir / "Empty.dll").string());
  ASSERT_TRUE(file);
  EXPECT_FALSE(file->FindResource("A1", 23));
}

TEST(PeResourceWriter, RefusesNamesTheFormatOrTheLoaderCannotTell) {
  PeResourceWriter writer;
  writer.Add(23, "ETR1", "a");
  EXPECT_THROW(writer.Add(23, "etr1", "b"), std::invalid_argument);  // same name once upper case
  EXPECT_NO_THROW(writer.Add(2110, "ETR1", "c"));                     // another type
  EXPECT_THROW(writer.Add(0, "X", ""), std::invalid_argument);
  EXPECT_THROW(writer.Add(23, "", ""), std::invalid_argument);
  EXPECT_THROW(writer.Add(23, "TWO WORDS", ""), std::invalid_argument);
  EXPECT_THROW(writer.Add(23, "#12", ""), std::invalid_argument);
  EXPECT_THROW(writer.Add(23, "Al-F\xE2tihah", ""), std::invalid_argument);
  EXPECT_THROW(writer.Add(23, std::string("A\0B", 3), ""), std::invalid_argument);
  EXPECT_EQ(writer.Count(), 2u);
}

}  // namespace
}  // namespace lumivra
