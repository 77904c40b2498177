#include "ContentStore.h"

#include <filesystem>

#include "ContentError.h"
#include "TextLines.h"

namespace lumivra {

std::string_view ResourceText(const PeResourceFile& file, const std::string& name) {
  const auto bytes = file.FindResourceView(name, kResourceTypeHtml);
  if (!bytes) throw ContentError("Resource " + name + " not found");
  return *bytes;
}

void ReadResourceLines(const PeResourceFile& file, const std::string& name, StringList& lines) {
  lines = SplitLines(ResourceText(file, name));
}

ContentStore::ContentStore(std::string folder) : folder_(std::move(folder)) {}

ContentStore::~ContentStore() = default;

std::string ContentStore::Path(const char* file) const {
  return (std::filesystem::path(folder_) / file).string();
}

namespace {
bool Exists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}
}  // namespace

void ContentStore::CheckCoreFiles(StartupWarnings& warnings) {
  // A file that exists but cannot be opened leaves its handle empty, silently.
  if (Exists(Path(kArabicFile)))
    arabic_ = PeResourceFile::Open(Path(kArabicFile));
  else
    warnings.Warn("Warning : Failed to load core file ARef32.dll.");

  if (Exists(Path(kTranslationFile)))
    translation_ = PeResourceFile::Open(Path(kTranslationFile));
  else
    warnings.Warn("Warning : Failed to load core file ETRRef32.dll.");

  if (!Exists(Path(kInfoFile))) warnings.Warn("Warning : Failed to core load file SIRef32.dll.");

  transliterationAvailable_ = Exists(Path(kTransliterationFile));
}

bool ContentStore::LoadChapterLines(TextKind kind, const std::string& chapter, StringList& lines) {
  switch (kind) {
    case TextKind::Transliteration: {
      if (!transliterationAvailable_) return false;
      lines.clear();
      ++perReadOpens_;
      auto file = PeResourceFile::Open(Path(kTransliterationFile));
      if (!file) return false;
      ReadResourceLines(*file, "TL" + chapter, lines);  // released on return or throw
      return true;
    }
    case TextKind::Arabic:
    case TextKind::Translation: {
      lines.clear();
      const auto& file = kind == TextKind::Arabic ? arabic_ : translation_;
      if (!file) return false;
      try {
        ReadResourceLines(*file, (kind == TextKind::Arabic ? "A" : "ETR") + chapter, lines);
      } catch (const ContentError&) {
        lines.clear();
        return false;
      }
      return true;
    }
  }
  return false;
}

bool ContentStore::LoadChapterInfoLines(const std::string& key, StringList& lines) {
  lines.clear();
  ++perReadOpens_;
  auto file = PeResourceFile::Open(Path(kInfoFile));
  if (!file) return false;
  ReadResourceLines(*file, "ci" + key, lines);
  return true;
}

void ContentStore::Release() {
  arabic_.reset();
  translation_.reset();
}

}  // namespace lumivra
