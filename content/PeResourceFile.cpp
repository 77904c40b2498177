#include "content/PeResourceFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "content/Cp1252.h"
#include "content/PeLayout.h"
#include "content/Prefault.h"

namespace lumivra {
namespace {

using namespace pe;

struct Section {
  uint64_t va;
  uint64_t rawSize;
  uint64_t rawOffset;
};

struct Span {
  uint64_t offset;
  uint64_t size;
};

char16_t FoldAscii(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; }

class Failure {
public:
  explicit Failure(std::string text) : text_(std::move(text)) {}
  const std::string& text() const { return text_; }

private:
  std::string text_;
};

// Reads and checks the whole module; throws Failure with the reason a file is refused.
class Parser {
public:
  explicit Parser(const std::string& bytes) : b_(bytes), size_(bytes.size()) {}

  std::unordered_map<uint32_t, std::unordered_map<std::u16string, Span>> Run() {
    ParseHeaders();
    if (resRva_ != 0) ParseResources();
    return std::move(index_);
  }

private:
  void Need(uint64_t offset, uint64_t length, const char* what) const {
    if (offset > size_ || length > size_ - offset) throw Failure(std::string(what) + " lies outside the file");
  }
  uint16_t U16(uint64_t o) const {
    return static_cast<uint16_t>(static_cast<unsigned char>(b_[o]) |
                                 static_cast<unsigned char>(b_[o + 1]) << 8);
  }
  uint32_t U32(uint64_t o) const {
    return static_cast<uint32_t>(U16(o)) | static_cast<uint32_t>(U16(o + 2)) << 16;
  }

  void ParseHeaders() {
    if (size_ < kDosHeaderSize || b_[0] != 'M' || b_[1] != 'Z') throw Failure("not a PE file (no MZ header)");
    const uint64_t signature = U32(kLfanewOffset);
    Need(signature, kSignatureSize + kFileHeaderSize, "the PE header");
    if (b_.compare(signature, kSignatureSize, std::string("PE\0\0", 4)) != 0) throw Failure("not a PE file (no PE signature)");
    const uint64_t fh = signature + kSignatureSize;
    const uint16_t sectionCount = U16(fh + 2);
    const uint64_t optSize = U16(fh + 16);
    const uint64_t opt = fh + kFileHeaderSize;
    Need(opt, optSize, "the optional header");
    if (optSize < 2) throw Failure("the optional header is missing");
    const uint16_t magic = U16(opt);
    uint64_t dirs;
    if (magic == kMagicPe32)
      dirs = kDataDirsPe32;
    else if (magic == kMagicPe32Plus)
      dirs = kDataDirsPe32Plus;
    else
      throw Failure("unknown optional header magic");
    if (optSize < dirs) throw Failure("the optional header is too short");
    const uint64_t dirCount = U32(opt + dirs - 4);
    if (dirCount * kDataDirSize > optSize - dirs) throw Failure("the data directories do not fit the optional header");

    const uint64_t table = opt + optSize;
    Need(table, sectionCount * kSectionHeaderSize, "the section table");
    sections_.reserve(sectionCount);
    for (uint64_t i = 0; i < sectionCount; ++i) {
      const uint64_t s = table + i * kSectionHeaderSize;
      Section sec{U32(s + 12), U32(s + 16), U32(s + 20)};
      if (sec.rawSize != 0) Need(sec.rawOffset, sec.rawSize, "a section's data");
      sections_.push_back(sec);
    }

    if (dirCount > kResourceDirIndex && kResourceDirIndex < kMaxDataDirs) {
      const uint64_t d = opt + dirs + kDataDirSize * kResourceDirIndex;
      resRva_ = U32(d);
      resSize_ = U32(d + 4);
    }
  }

  // File offset of `rva`, and how many bytes of the same section follow it in the file.
  bool Map(uint64_t rva, uint64_t& offset, uint64_t& available) const {
    for (const auto& s : sections_) {
      if (rva >= s.va && rva - s.va < s.rawSize) {
        offset = s.rawOffset + (rva - s.va);
        available = s.rawSize - (rva - s.va);
        return true;
      }
    }
    return false;
  }

  void ParseResources() {
    uint64_t available = 0;
    if (!Map(resRva_, base_, available)) throw Failure("the resource directory lies in no section");
    if (resSize_ < kResDirHeaderSize || resSize_ > available)
      throw Failure("the resource directory size does not fit its section");
    // Directory structures may use the whole section the directory starts in.
    limit_ = available;
    Directory(0, 0);
  }

  void NeedRes(uint64_t offset, uint64_t length, const char* what) const {
    if (offset > limit_ || length > limit_ - offset)
      throw Failure(std::string(what) + " lies outside the resource section");
  }

  // Name of an entry: ASCII letters folded to upper case; integer ids as "#id".
  std::u16string EntryName(uint32_t field, bool& isString, uint32_t& id) const {
    std::u16string name;
    if (field & kResHighBit) {
      const uint64_t o = field & ~kResHighBit;
      NeedRes(o, 2, "a resource name");
      const uint64_t length = U16(base_ + o);
      NeedRes(o + 2, length * 2, "a resource name");
      name.resize(length);
      for (uint64_t k = 0; k < length; ++k) name[k] = FoldAscii(static_cast<char16_t>(U16(base_ + o + 2 + 2 * k)));
      isString = true;
      id = 0;
    } else {
      isString = false;
      id = field;
      const std::string digits = "#" + std::to_string(field);
      name.assign(digits.begin(), digits.end());
    }
    return name;
  }

  // depth 0: types, 1: names, 2: languages. Returns the first data span of a language directory.
  // `names` receives the name entries of a type directory (null: checked, not indexed).
  std::optional<Span> Directory(uint64_t offset, int depth,
                                std::unordered_map<std::u16string, Span>* names = nullptr) {
    if (!visited_.insert(offset).second) throw Failure("the resource directory loops");
    NeedRes(offset, kResDirHeaderSize, "a resource directory");
    const uint64_t count = static_cast<uint64_t>(U16(base_ + offset + 12)) + U16(base_ + offset + 14);
    NeedRes(offset + kResDirHeaderSize, count * kResEntrySize, "a resource directory");
    std::optional<Span> first;
    for (uint64_t i = 0; i < count; ++i) {
      const uint64_t e = base_ + offset + kResDirHeaderSize + i * kResEntrySize;
      const uint32_t nameField = U32(e);
      const uint32_t target = U32(e + 4);
      bool isString = false;
      uint32_t id = 0;
      std::u16string name = EntryName(nameField, isString, id);
      const bool subdirectory = (target & kResHighBit) != 0;
      const uint64_t targetOffset = target & ~kResHighBit;

      if (depth < 2) {
        if (!subdirectory) throw Failure("a resource type or name entry holds no directory");
        if (depth == 0) {
          // Named types and ids beyond 16 bits cannot be asked for; check them all the same.
          const bool usable = !isString && id <= 0xFFFF;
          Directory(targetOffset, 1, usable ? &index_[id] : nullptr);
        } else {
          auto data = Directory(targetOffset, 2);
          if (data && names) names->emplace(std::move(name), *data);
        }
      } else {
        if (subdirectory) throw Failure("the resource directory is nested too deeply");
        const Span span = DataEntry(targetOffset);
        if (!first) first = span;
      }
    }
    return first;
  }

  Span DataEntry(uint64_t offset) const {
    NeedRes(offset, kResDataEntrySize, "a resource data entry");
    const uint64_t rva = U32(base_ + offset);
    const uint64_t length = U32(base_ + offset + 4);
    if (length == 0) return {0, 0};
    uint64_t fileOffset = 0, available = 0;
    if (!Map(rva, fileOffset, available) || length > available)
      throw Failure("a resource's data lies outside the file");
    return {fileOffset, length};
  }

  const std::string& b_;
  const uint64_t size_;
  std::vector<Section> sections_;
  uint64_t resRva_ = 0;
  uint64_t resSize_ = 0;
  uint64_t base_ = 0;
  uint64_t limit_ = 0;
  std::unordered_set<uint64_t> visited_;
  std::unordered_map<uint32_t, std::unordered_map<std::u16string, Span>> index_;
};

}  // namespace

struct PeResourceFile::Impl {
  ~Impl() {
    if (fd >= 0) ::close(fd);
  }
  // The module's bytes, when it was given as bytes; an opened module keeps
  // only its index and its file, from which each resource is read when asked
  // for (a reader holds some 5 MB of core files open for the run).
  std::string bytes;
  int fd = -1;
  std::unordered_map<uint32_t, std::unordered_map<std::u16string, Span>> index;
};

PeResourceFile::PeResourceFile(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

PeResourceFile::~PeResourceFile() = default;

std::unique_ptr<PeResourceFile> PeResourceFile::Open(const std::string& path, std::string* error) {
  auto fail = [&](const std::string& why) -> std::unique_ptr<PeResourceFile> {
    if (error) *error = path + ": " + why;
    return nullptr;
  };
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return fail("no such file");
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!in) return fail("cannot be opened");
  // One read of the whole file where its size is known; then whatever follows.
  std::string bytes;
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (!ec) {
    bytes.reserve(static_cast<size_t>(size));
    Prefault(bytes.data(), bytes.capacity());
    bytes.resize(static_cast<size_t>(size));
  }
  size_t got = bytes.empty() ? 0 : std::fread(bytes.data(), 1, bytes.size(), in.get());
  bytes.resize(got);
  char buffer[1 << 16];
  while ((got = std::fread(buffer, 1, sizeof buffer, in.get())) > 0) bytes.append(buffer, got);
  if (std::ferror(in.get())) return fail("cannot be read");
  std::string reason;
  auto file = FromBytes(std::move(bytes), &reason);
  if (!file) return fail(reason);
  const int fd = ::dup(::fileno(in.get()));
  if (fd < 0) return fail("cannot be opened");
  file->impl_->fd = fd;
  std::string().swap(file->impl_->bytes);
  return file;
}

std::unique_ptr<PeResourceFile> PeResourceFile::FromBytes(std::string bytes, std::string* error) {
  auto impl = std::make_unique<Impl>();
  impl->bytes = std::move(bytes);
  try {
    impl->index = Parser(impl->bytes).Run();
  } catch (const Failure& f) {
    if (error) *error = f.text();
    return nullptr;
  }
  return std::unique_ptr<PeResourceFile>(new PeResourceFile(std::move(impl)));
}

std::optional<std::string> PeResourceFile::FindResource(std::string_view name, uint16_t type) const {
  auto t = impl_->index.find(type);
  if (t == impl_->index.end()) return std::nullopt;
  std::u16string key(name.size(), u'\0');
  for (size_t i = 0; i < name.size(); ++i)
    key[i] = FoldAscii(Cp1252CodePoint(static_cast<unsigned char>(name[i])));
  auto n = t->second.find(key);
  if (n == t->second.end()) return std::nullopt;
  const Span span = n->second;
  if (impl_->fd < 0) return impl_->bytes.substr(span.offset, span.size);
  // A file cut short since it was opened no longer holds the resource.
  std::string out(span.size, '\0');
  for (uint64_t done = 0; done < span.size;) {
    const ssize_t got =
        ::pread(impl_->fd, out.data() + done, span.size - done, static_cast<off_t>(span.offset + done));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return std::nullopt;
    done += static_cast<uint64_t>(got);
  }
  return out;
}

}  // namespace lumivra
