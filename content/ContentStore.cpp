#include "content/ContentStore.h"

#include "content/ContentError.h"
#include "content/ProgramFolders.h"
#include "content/TextLines.h"

namespace lumivra {

std::string ResourceText(const PeResourceFile& file, const std::string& name) {
  auto bytes = file.FindResource(name, kResourceTypeHtml);
  if (!bytes) throw ContentError("Resource " + name + " not found");
  return std::move(*bytes);
}

void ReadResourceLines(const PeResourceFile& file, const std::string& name, StringList& lines) {
  lines = SplitLines(ResourceText(file, name));
}

ContentStore::ContentStore(std::vector<std::string> folders) : folders_(std::move(folders)) {}

ContentStore::ContentStore(const std::string& folder) : folders_{folder} {}

ContentStore::~ContentStore() = default;

std::string ContentStore::Path(const char* file) const { return FindFileIn(folders_, file); }

namespace {
// nullptr when the file is missing or damaged.
std::unique_ptr<PeResourceFile> OpenFound(const std::string& path) {
  return path.empty() ? nullptr : PeResourceFile::Open(path);
}
}  // namespace

void ContentStore::CheckCoreFiles(StartupWarnings& warnings) {
  // A damaged file would otherwise show every chapter without its verses.
  arabic_ = OpenFound(Path(kArabicFile));
  if (!arabic_) warnings.Warn("Warning : Failed to load core file ARef32.dll.");

  translation_ = OpenFound(Path(kTranslationFile));
  if (!translation_) warnings.Warn("Warning : Failed to load core file ETRRef32.dll.");

  // The per-read files are opened once here only to see that they can be.
  if (!OpenFound(Path(kInfoFile))) warnings.Warn("Warning : Failed to core load file SIRef32.dll.");

  transliterationAvailable_ = OpenFound(Path(kTransliterationFile)) != nullptr;
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

ChapterTexts ContentStore::LoadChapterTexts(DisplayOption option, const std::string& chapter) {
  ChapterTexts texts;
  if (option == kArabicAndTranslation) LoadChapterLines(TextKind::Arabic, chapter, texts.first);
  if (option == kTransliterationAndTranslation)
    LoadChapterLines(TextKind::Transliteration, chapter, texts.first);
  LoadChapterLines(TextKind::Translation, chapter, texts.translation);
  return texts;
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
