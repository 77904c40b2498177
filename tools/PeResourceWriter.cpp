#include "tools/PeResourceWriter.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <stdexcept>

#include "content/PeLayout.h"

namespace lumivra {
namespace {

constexpr uint32_t kLfanew = 0x80;
constexpr uint32_t kFileAlignment = 0x200;
constexpr uint32_t kSectionAlignment = 0x1000;
constexpr uint32_t kSectionRva = 0x1000;
constexpr uint32_t kImageBase = 0x10000000;
constexpr uint16_t kLanguage = 0x0409;
// PE32 with all sixteen data directories.
constexpr uint16_t kOptionalHeaderSize = pe::kDataDirsPe32 + pe::kMaxDataDirs * pe::kDataDirSize;
constexpr uint32_t kOptionalHeaderOffset = kLfanew + pe::kSignatureSize + pe::kFileHeaderSize;
constexpr uint32_t kChecksumOffset = kOptionalHeaderOffset + pe::kChecksumField;
constexpr uint32_t kSectionHeaderOffset = kOptionalHeaderOffset + kOptionalHeaderSize;
constexpr uint32_t kHeadersEnd = kSectionHeaderOffset + pe::kSectionHeaderSize;
// The largest image we write; keeps every sum below in 32 bits.
constexpr uint64_t kMaxImage = 0x40000000;

// The usual real-mode stub: prints that the program needs Windows and exits.
constexpr std::array<unsigned char, 64> kDosStub{
    0x0E, 0x1F, 0xBA, 0x0E, 0x00, 0xB4, 0x09, 0xCD, 0x21, 0xB8, 0x01, 0x4C, 0xCD, 0x21, 'T',  'h',
    'i',  's',  ' ',  'p',  'r',  'o',  'g',  'r',  'a',  'm',  ' ',  'c',  'a',  'n',  'n',  'o',
    't',  ' ',  'b',  'e',  ' ',  'r',  'u',  'n',  ' ',  'i',  'n',  ' ',  'D',  'O',  'S',  ' ',
    'm',  'o',  'd',  'e',  '.',  '\r', '\r', '\n', '$',  0,    0,    0,    0,    0,    0,    0,
};

uint32_t AlignUp(uint32_t value, uint32_t alignment) {
  return (value + alignment - 1) / alignment * alignment;
}

void Put16(std::string& out, size_t at, uint16_t v) {
  out[at] = static_cast<char>(v & 0xFF);
  out[at + 1] = static_cast<char>(v >> 8);
}

void Put32(std::string& out, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + static_cast<size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// IMAGE_RESOURCE_DIRECTORY with no time stamp or version.
void PutDirectory(std::string& out, size_t at, uint16_t named, uint16_t ids) {
  Put16(out, at + 12, named);
  Put16(out, at + 14, ids);
}

void PutEntry(std::string& out, size_t at, uint32_t nameOrId, uint32_t offset) {
  Put32(out, at, nameOrId);
  Put32(out, at + 4, offset);
}

// The image checksum: 16-bit one's-complement style sum of the file with the
// checksum field taken as zero, plus the file length.
uint32_t PeChecksum(const std::string& file) {
  uint64_t sum = 0;
  for (size_t i = 0; i < file.size(); i += 2) {
    if (i == kChecksumOffset || i == kChecksumOffset + 2) continue;
    uint32_t word = static_cast<unsigned char>(file[i]);
    if (i + 1 < file.size()) word |= static_cast<uint32_t>(static_cast<unsigned char>(file[i + 1])) << 8;
    sum += word;
    sum = (sum & 0xFFFF) + (sum >> 16);
  }
  sum = (sum & 0xFFFF) + (sum >> 16);
  return static_cast<uint32_t>(sum + file.size());
}

}  // namespace

void PeResourceWriter::Add(uint16_t type, const std::string& name, std::string bytes) {
  if (type == 0) throw std::invalid_argument("resource type 0 is not a resource type");
  if (name.empty()) throw std::invalid_argument("a resource name may not be empty");
  if (name.size() > 0xFFFF) throw std::invalid_argument("resource name too long");
  // The loader reads a name "#123" as the integer id 123.
  if (name[0] == '#') throw std::invalid_argument("resource name \"" + name + "\" would be read as an id");
  std::u16string upper;
  upper.reserve(name.size());
  for (char c : name) {
    const auto b = static_cast<unsigned char>(c);
    if (b <= 0x20 || b >= 0x7F)
      throw std::invalid_argument("resource name \"" + name + "\" holds a character other than printable ASCII");
    upper += static_cast<char16_t>(b >= 'a' && b <= 'z' ? b - 'a' + 'A' : b);
  }
  for (const auto& r : resources_)
    if (r.type == type && r.name == upper)
      throw std::invalid_argument("resource \"" + name + "\" of type " + std::to_string(type) + " added twice");
  resources_.push_back({type, std::move(upper), std::move(bytes)});
}

std::string PeResourceWriter::Build() const {
  // Types ascending; within a type, names in the order the loader's binary
  // search expects (ordinal comparison of the upper-case UTF-16 names).
  std::vector<const Resource*> sorted;
  sorted.reserve(resources_.size());
  for (const auto& r : resources_) sorted.push_back(&r);
  std::sort(sorted.begin(), sorted.end(), [](const Resource* a, const Resource* b) {
    if (a->type != b->type) return a->type < b->type;
    return a->name < b->name;
  });
  std::vector<std::pair<uint16_t, std::vector<const Resource*>>> types;
  for (const Resource* r : sorted) {
    if (types.empty() || types.back().first != r->type) types.push_back({r->type, {}});
    types.back().second.push_back(r);
  }

  // Section layout: root, type and language directories, data entries,
  // name strings, then the resource data (each 4-byte aligned).
  const auto directorySize = [](size_t entries) {
    return pe::kResDirHeaderSize + pe::kResEntrySize * uint64_t{entries};
  };
  const size_t n = sorted.size();
  uint64_t at = directorySize(types.size());
  std::vector<uint64_t> typeDirAt;
  for (const auto& t : types) {
    typeDirAt.push_back(at);
    at += directorySize(t.second.size());
  }
  const uint64_t langDirsAt = at;
  at += directorySize(1) * n;
  const uint64_t dataEntriesAt = at;
  at += pe::kResDataEntrySize * n;
  std::vector<uint64_t> stringAt(n), dataAt(n);
  for (size_t i = 0; i < n; ++i) {
    stringAt[i] = at;
    at += 2 + 2 * sorted[i]->name.size();
  }
  for (size_t i = 0; i < n; ++i) {
    at = (at + 3) & ~uint64_t{3};
    dataAt[i] = at;
    at += sorted[i]->bytes.size();
    if (at > kMaxImage) throw std::length_error("the resources are too large for one PE32 image");
  }
  const auto sectionSize = static_cast<uint32_t>(at);

  std::string rsrc(sectionSize, '\0');
  PutDirectory(rsrc, 0, 0, static_cast<uint16_t>(types.size()));
  size_t index = 0;  // position in `sorted` of the first resource of a type
  for (size_t t = 0; t < types.size(); ++t) {
    PutEntry(rsrc, directorySize(t), types[t].first, pe::kResHighBit | static_cast<uint32_t>(typeDirAt[t]));
    const auto& list = types[t].second;
    if (list.size() > 0xFFFF) throw std::length_error("too many resources of one type");
    PutDirectory(rsrc, typeDirAt[t], static_cast<uint16_t>(list.size()), 0);
    for (size_t k = 0; k < list.size(); ++k, ++index) {
      const uint64_t langDir = langDirsAt + directorySize(1) * index;
      PutEntry(rsrc, typeDirAt[t] + directorySize(k), pe::kResHighBit | static_cast<uint32_t>(stringAt[index]),
               pe::kResHighBit | static_cast<uint32_t>(langDir));
      PutDirectory(rsrc, langDir, 0, 1);
      const uint64_t entry = dataEntriesAt + pe::kResDataEntrySize * index;
      PutEntry(rsrc, langDir + directorySize(0), kLanguage, static_cast<uint32_t>(entry));
      // IMAGE_RESOURCE_DATA_ENTRY: RVA, size, code page, reserved.
      Put32(rsrc, entry, kSectionRva + static_cast<uint32_t>(dataAt[index]));
      Put32(rsrc, entry + 4, static_cast<uint32_t>(list[k]->bytes.size()));
      const std::u16string& name = list[k]->name;
      Put16(rsrc, stringAt[index], static_cast<uint16_t>(name.size()));
      for (size_t c = 0; c < name.size(); ++c) Put16(rsrc, stringAt[index] + 2 + 2 * c, name[c]);
      if (!list[k]->bytes.empty())
        std::memcpy(rsrc.data() + dataAt[index], list[k]->bytes.data(), list[k]->bytes.size());
    }
  }

  const uint32_t headersSize = AlignUp(kHeadersEnd, kFileAlignment);
  const uint32_t rawSize = AlignUp(sectionSize, kFileAlignment);
  const uint32_t imageSize = AlignUp(kSectionRva + std::max<uint32_t>(sectionSize, 1), kSectionAlignment);

  std::string file(headersSize + rawSize, '\0');
  // DOS header: "MZ", the header size in paragraphs, the stub's registers,
  // and e_lfanew.
  file[0] = 'M';
  file[1] = 'Z';
  Put16(file, 0x02, 0x90);    // bytes on the last page
  Put16(file, 0x04, 3);       // pages
  Put16(file, 0x08, 4);       // header paragraphs
  Put16(file, 0x0C, 0xFFFF);  // maximum extra paragraphs
  Put16(file, 0x10, 0xB8);    // SP
  Put16(file, 0x18, 0x40);    // relocation table offset
  Put32(file, pe::kLfanewOffset, kLfanew);
  std::memcpy(file.data() + pe::kDosHeaderSize, kDosStub.data(), kDosStub.size());

  // PE signature and COFF header.
  std::memcpy(file.data() + kLfanew, "PE\0\0", 4);
  const size_t coff = kLfanew + pe::kSignatureSize;
  Put16(file, coff, 0x014C);  // i386
  Put16(file, coff + 2, 1);   // one section
  Put16(file, coff + 16, kOptionalHeaderSize);
  Put16(file, coff + 18, 0x2000 | 0x0100 | 0x0002);  // DLL, 32-bit machine, executable image

  // Optional header (PE32).
  const size_t opt = kOptionalHeaderOffset;
  Put16(file, opt, pe::kMagicPe32);
  file[opt + 2] = 1;  // linker version 1.0
  Put32(file, opt + 4, 0);  // size of code
  Put32(file, opt + 8, rawSize);  // size of initialised data
  Put32(file, opt + 16, 0);  // no entry point
  Put32(file, opt + 20, kSectionRva);  // base of code
  Put32(file, opt + 24, kSectionRva);  // base of data
  Put32(file, opt + 28, kImageBase);
  Put32(file, opt + 32, kSectionAlignment);
  Put32(file, opt + 36, kFileAlignment);
  Put16(file, opt + 40, 5);  // operating system 5.1
  Put16(file, opt + 42, 1);
  Put16(file, opt + 48, 5);  // subsystem 5.1
  Put16(file, opt + 50, 1);
  Put32(file, opt + 56, imageSize);
  Put32(file, opt + 60, headersSize);
  Put16(file, opt + 68, 2);  // Windows GUI
  Put16(file, opt + 70, 0x0400 | 0x0100);  // no SEH, NX compatible
  Put32(file, opt + 72, 0x100000);  // stack reserve
  Put32(file, opt + 76, 0x1000);    // stack commit
  Put32(file, opt + 80, 0x100000);  // heap reserve
  Put32(file, opt + 84, 0x1000);    // heap commit
  Put32(file, opt + pe::kDataDirsPe32 - 4, pe::kMaxDataDirs);
  const size_t resourceDir = opt + pe::kDataDirsPe32 + pe::kDataDirSize * pe::kResourceDirIndex;
  Put32(file, resourceDir, kSectionRva);
  Put32(file, resourceDir + 4, sectionSize);

  // The ".rsrc" section header.
  const size_t sec = kSectionHeaderOffset;
  std::memcpy(file.data() + sec, ".rsrc", 5);
  Put32(file, sec + 8, sectionSize);
  Put32(file, sec + 12, kSectionRva);
  Put32(file, sec + 16, rawSize);
  Put32(file, sec + 20, headersSize);
  Put32(file, sec + 36, 0x40000000 | 0x00000040);  // readable, initialised data

  std::memcpy(file.data() + headersSize, rsrc.data(), rsrc.size());
  Put32(file, kChecksumOffset, PeChecksum(file));
  return file;
}

}  // namespace lumivra
