#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "content/DisplayOption.h"
#include "content/PeResourceFile.h"
#include "content/StringList.h"

namespace lumivra {

enum class TextKind : int { Transliteration = 0, Arabic = 1, Translation = 2 };

inline constexpr char kArabicFile[] = "ARef32.dll";
inline constexpr char kTranslationFile[] = "ETRRef32.dll";
inline constexpr char kTransliterationFile[] = "TLRef32.dll";
inline constexpr char kInfoFile[] = "SIRef32.dll";

// The texts of a chapter page: `first` the Arabic or the transliteration
// (empty for the translation only), then the translation.
struct ChapterTexts {
  StringList first;
  StringList translation;
};

// Where the start-up warnings go: message boxes in the reader, standard
// error in olvar-tool.
class StartupWarnings {
public:
  virtual ~StartupWarnings() = default;
  virtual void Warn(const std::string& text) = 0;
};

// The bytes of resource `name` of type 23; throws ContentError
// "Resource NAME not found" when it is absent.
std::string ResourceText(const PeResourceFile& file, const std::string& name);

// Reads resource `name` of type 23 into `lines`; throws as ResourceText.
void ReadResourceLines(const PeResourceFile& file, const std::string& name, StringList& lines);

// The core files: the Arabic and translation files stay open for the run,
// the transliteration and information files are opened for one read.
class ContentStore {
public:
  // Each core file is taken from the first of `folders` that holds it
  // (CoreFileFolders() in the reader and olvar-tool).
  explicit ContentStore(std::vector<std::string> folders);
  explicit ContentStore(const std::string& folder = ".");
  ~ContentStore();

  // Start-up check in the fixed order, with its warnings. A file that is
  // there but cannot be opened (empty, truncated, not a module) counts as
  // missing.
  void CheckCoreFiles(StartupWarnings& warnings);

  // Throws ContentError for a missing transliteration resource.
  bool LoadChapterLines(TextKind kind, const std::string& chapter, StringList& lines);
  // The texts display option `option` shows for `chapter`, read as
  // LoadChapterLines reads them (first text first).
  ChapterTexts LoadChapterTexts(DisplayOption option, const std::string& chapter);
  // Throws ContentError for a missing information resource.
  bool LoadChapterInfoLines(const std::string& key, StringList& lines);

  bool TransliterationAvailable() const { return transliterationAvailable_; }
  const PeResourceFile* ArabicLibrary() const { return arabic_.get(); }
  const PeResourceFile* TranslationLibrary() const { return translation_.get(); }

  // Releases the two files kept open (shutdown).
  void Release();

  // How often the per-read files were opened; lets tests see the
  // open-and-release rule.
  int PerReadOpenCount() const { return perReadOpens_; }

private:
  // Empty when no folder holds the file.
  std::string Path(const char* file) const;

  std::vector<std::string> folders_;
  std::unique_ptr<PeResourceFile> arabic_;
  std::unique_ptr<PeResourceFile> translation_;
  bool transliterationAvailable_ = false;
  int perReadOpens_ = 0;
};

}  // namespace lumivra
