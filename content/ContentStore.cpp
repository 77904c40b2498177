#include "ContentStore.h"

#include "ContentError.h"
#include "ProgramFolders.h"
#include "TextLines.h"

namespace lumivra {

void ReadResourceLines(const PeResourceFile& file, const std::string& name, StringList& lines) {
  auto bytes = file.FindResource(name, kResourceTypeHtml);
  if (!bytes) throw ContentError("Resource " + name + " not found");
  lines = SplitLines(*bytes);
}

ContentStore::ContentStore(std::vector<std::string> folders) : folders_(std::move(folders)) {}

ContentStore::ContentStore(const std::string& folder) : folders_{folder} {}

ContentStore::~ContentStore() = default;

std::string ContentStore::Path(const char* file) const { return FindFileIn(folders_, file); }

namespace {
// nullptr when the file is missing or cannot be opened.
std::unique_ptr<PeResourceFile> OpenFound(const std::string& path) {
  return path.empty() ? nullptr : PeResourceFile::Open(path);
}
}  // namespace

void ContentStore::CheckCoreFiles(StartupWarnings& warnings) {
  // A file that exists but cannot be opened leaves its handle empty, silently.
  if (!Path(kArabicFile).empty())
    arabic_ = OpenFound(Path(kArabicFile));
  else
    warnings.Warn("Warning : Failed to load core file ARef32.dll.");

  if (!Path(kTranslationFile).empty())
    translation_ = OpenFound(Path(kTranslationFile));
  else
    warnings.Warn("Warning : Failed to load core file ETRRef32.dll.");

  if (Path(kInfoFile).empty()) warnings.Warn("Warning : Failed to core load file SIRef32.dll.");

  transliterationAvailable_ = !Path(kTransliterationFile).empty();
}

bool ContentStore::LoadChapterLines(TextKind kind, const std::string& chapter, StringList& lines) {
  switch (kind) {
    case TextKind::Transliteration: {
      if (!transliterationAvailable_) return false;
      lines.clear();
      ++perReadOpens_;
      auto file = OpenFound(Path(kTransliterationFile));
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
  auto file = OpenFound(Path(kInfoFile));
  if (!file) return false;
  ReadResourceLines(*file, "ci" + key, lines);
  return true;
}

void ContentStore::Release() {
  arabic_.reset();
  translation_.reset();
}

}  // namespace lumivra
