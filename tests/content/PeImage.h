#pragma once
// Writes small resource-only PE images for the tests, PE32 or PE32+, with
// room for the tests to damage them afterwards.
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace lumivra::testing {

struct PeResource {
  uint16_t type;
  std::string name;  // ASCII; "#n" writes the integer id n
  std::string bytes;
};

struct PeLayout {
  std::string image;
  uint32_t rsrcFileOffset = 0;  // where the resource section starts in the file
  uint32_t rsrcRva = 0;
  uint32_t optionalHeader = 0;  // file offset of the optional header
  uint32_t sectionTable = 0;
  uint32_t dataDirectories = 0;  // file offset of the data directory array
};

inline void Put16(std::string& s, size_t at, uint32_t v) {
  s[at] = static_cast<char>(v & 0xFF);
  s[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}
inline void Put32(std::string& s, size_t at, uint32_t v) {
  Put16(s, at, v & 0xFFFF);
  Put16(s, at + 2, v >> 16);
}

inline PeLayout BuildPeImage(const std::vector<PeResource>& resources, bool plus = false) {
  constexpr uint32_t kFileAlign = 0x200, kRva = 0x1000;
  // type -> (named entries, id entries), each sorted as the format asks.
  std::map<uint16_t, std::pair<std::map<std::string, const PeResource*>,
                               std::map<uint32_t, const PeResource*>>>
      types;
  for (const auto& r : resources) {
    if (!r.name.empty() && r.name[0] == '#')
      types[r.type].second[static_cast<uint32_t>(std::stoul(r.name.substr(1)))] = &r;
    else
      types[r.type].first[r.name] = &r;
  }

  // Pass 1: offsets. Root, type dirs, language dirs, data entries, strings, data.
  auto dirSize = [](size_t entries) { return 16 + 8 * static_cast<uint32_t>(entries); };
  uint32_t off = dirSize(types.size());
  std::map<uint16_t, uint32_t> typeDir;
  for (auto& [t, e] : types) {
    typeDir[t] = off;
    off += dirSize(e.first.size() + e.second.size());
  }
  std::map<const PeResource*, uint32_t> langDir, dataEntry, nameStr, data;
  for (const auto& r : resources) {
    langDir[&r] = off;
    off += dirSize(1);
  }
  for (const auto& r : resources) {
    dataEntry[&r] = off;
    off += 16;
  }
  for (const auto& r : resources) {
    if (!r.name.empty() && r.name[0] == '#') continue;
    nameStr[&r] = off;
    off += 2 + 2 * static_cast<uint32_t>(r.name.size());
  }
  for (const auto& r : resources) {
    off = (off + 7) & ~7u;
    data[&r] = off;
    off += static_cast<uint32_t>(r.bytes.size());
  }
  const uint32_t rsrcSize = off;

  // Pass 2: the section.
  std::string rs(rsrcSize, '\0');
  auto writeDir = [&](uint32_t at, size_t named, size_t ids) {
    Put16(rs, at + 12, static_cast<uint32_t>(named));
    Put16(rs, at + 14, static_cast<uint32_t>(ids));
  };
  writeDir(0, 0, types.size());
  uint32_t entry = 16;
  for (auto& [t, e] : types) {
    Put32(rs, entry, t);
    Put32(rs, entry + 4, 0x80000000u | typeDir[t]);
    entry += 8;
    const uint32_t td = typeDir[t];
    writeDir(td, e.first.size(), e.second.size());
    uint32_t ne = td + 16;
    auto writeName = [&](uint32_t nameField, const PeResource* r) {
      Put32(rs, ne, nameField);
      Put32(rs, ne + 4, 0x80000000u | langDir[r]);
      ne += 8;
    };
    for (auto& [n, r] : e.first) writeName(0x80000000u | nameStr[r], r);
    for (auto& [id, r] : e.second) writeName(id, r);
  }
  for (const auto& r : resources) {
    const uint32_t ld = langDir[&r];
    writeDir(ld, 0, 1);
    Put32(rs, ld + 16, 1033);
    Put32(rs, ld + 20, dataEntry[&r]);
    Put32(rs, dataEntry[&r], kRva + data[&r]);
    Put32(rs, dataEntry[&r] + 4, static_cast<uint32_t>(r.bytes.size()));
    if (nameStr.count(&r)) {
      const uint32_t ns = nameStr[&r];
      Put16(rs, ns, static_cast<uint32_t>(r.name.size()));
      for (size_t k = 0; k < r.name.size(); ++k)
        Put16(rs, ns + 2 + 2 * k, static_cast<unsigned char>(r.name[k]));
    }
    rs.replace(data[&r], r.bytes.size(), r.bytes);
  }

  // Headers.
  const uint32_t dirs = plus ? 112 : 96;
  const uint32_t optSize = dirs + 16 * 8;
  PeLayout out;
  out.optionalHeader = 0x40 + 4 + 20;
  out.sectionTable = out.optionalHeader + optSize;
  out.dataDirectories = out.optionalHeader + dirs;
  const uint32_t rawSize = (rsrcSize + kFileAlign - 1) & ~(kFileAlign - 1);
  std::string& img = out.image;
  img.assign(kFileAlign + rawSize, '\0');
  img[0] = 'M';
  img[1] = 'Z';
  Put32(img, 0x3C, 0x40);
  img.replace(0x40, 4, std::string("PE\0\0", 4));
  Put16(img, 0x44, plus ? 0x8664 : 0x14C);
  Put16(img, 0x46, 1);
  Put16(img, 0x54, optSize);
  Put16(img, 0x56, plus ? 0x2022 : 0x2102);
  const uint32_t o = out.optionalHeader;
  Put16(img, o, plus ? 0x20B : 0x10B);
  if (plus)
    Put32(img, o + 24, 0x10000000);
  else
    Put32(img, o + 28, 0x10000000);
  Put32(img, o + 32, 0x1000);
  Put32(img, o + 36, kFileAlign);
  Put32(img, o + 56, kRva + ((rsrcSize + 0xFFF) & ~0xFFFu));
  Put32(img, o + 60, kFileAlign);
  Put32(img, o + dirs - 4, 16);
  Put32(img, o + dirs + 16, kRva);
  Put32(img, o + dirs + 20, rsrcSize);
  const uint32_t s = out.sectionTable;
  img.replace(s, 5, ".rsrc");
  Put32(img, s + 8, rsrcSize);
  Put32(img, s + 12, kRva);
  Put32(img, s + 16, rawSize);
  Put32(img, s + 20, kFileAlign);
  Put32(img, s + 36, 0x40000040);
  img.replace(kFileAlign, rs.size(), rs);
  out.rsrcFileOffset = kFileAlign;
  out.rsrcRva = kRva;
  return out;
}

}  // namespace lumivra::testing
