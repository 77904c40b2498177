#include "tools/ContentPacker.h"

#include <array>
#include <fstream>
#include <system_error>

#include "content/ChapterCatalogue.h"
#include "content/ContentStore.h"
#include "content/PeResourceFile.h"
#include "tools/InfoPages.h"
#include "tools/LineEncoding.h"
#include "tools/PeResourceWriter.h"

namespace lumivra {
namespace {

std::string ChapterText(const SourceChapter& c, std::string SourceVerse::*field, const char* what, bool arabic) {
  std::string text;
  for (size_t v = 0; v < c.verses.size(); ++v) {
    const std::string where =
        "chapter " + std::to_string(c.number) + ", verse " + std::to_string(v + 1) + ": the " + what;
    const std::string& line = c.verses[v].*field;
    text += arabic ? EncodeArabicLine(line, where) : EncodeCp1252Line(line, where);
    text += "\r\n";
  }
  return text;
}

void RemoveQuietly(const std::filesystem::path& path) {
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
}

}  // namespace

CoreFileSet PackCoreFiles(const std::vector<SourceChapter>& chapters) {
  if (chapters.size() != static_cast<size_t>(kChapterCount))
    throw PackError("the source holds " + std::to_string(chapters.size()) + " chapters, not " +
                    std::to_string(kChapterCount));
  PeResourceWriter arabic, translation, transliteration, info;
  for (size_t i = 0; i < chapters.size(); ++i) {
    const SourceChapter& c = chapters[i];
    if (c.number != static_cast<int>(i + 1))
      throw PackError("chapter " + std::to_string(i + 1) + " is missing (found chapter " +
                      std::to_string(c.number) + " in its place)");
    if (c.verses.empty()) throw PackError("chapter " + std::to_string(c.number) + " has no verses");
    const std::string n = std::to_string(c.number);
    arabic.Add(kResourceTypeHtml, "A" + n, ChapterText(c, &SourceVerse::arabic, "Arabic text", true));
    translation.Add(kResourceTypeHtml, "ETR" + n, ChapterText(c, &SourceVerse::translation, "translation", false));
    transliteration.Add(kResourceTypeHtml, "TL" + n,
                        ChapterText(c, &SourceVerse::transliteration, "transliteration", false));
  }
  for (auto& page : BuildInfoPages(chapters)) info.Add(kResourceTypeHtml, "ci" + page.key, std::move(page.text));
  return {arabic.Build(), translation.Build(), transliteration.Build(), info.Build()};
}

void WriteCoreFiles(const CoreFileSet& files, const std::filesystem::path& outDir) {
  namespace fs = std::filesystem;
  const std::array<std::pair<const char*, const std::string*>, 4> outputs{{
      {kArabicFile, &files.arabic},
      {kTranslationFile, &files.translation},
      {kTransliterationFile, &files.transliteration},
      {kInfoFile, &files.info},
  }};
  std::error_code ec;
  fs::create_directories(outDir, ec);
  if (!fs::is_directory(outDir)) throw PackError("cannot create the folder " + outDir.string());
  for (const auto& [name, bytes] : outputs)
    if (fs::is_directory(outDir / name))
      throw PackError("cannot write " + (outDir / name).string() + ": a folder of that name is in the way");

  std::vector<fs::path> temporary;
  auto discard = [&] {
    for (const auto& t : temporary) RemoveQuietly(t);
  };
  for (const auto& [name, bytes] : outputs) {
    const fs::path tmp = outDir / (std::string(".") + name + ".part");
    temporary.push_back(tmp);
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (out) out.write(bytes->data(), static_cast<std::streamsize>(bytes->size()));
    out.close();
    if (!out) {
      discard();
      throw PackError("cannot write " + tmp.string());
    }
  }
  for (size_t i = 0; i < outputs.size(); ++i) {
    fs::rename(temporary[i], outDir / outputs[i].first, ec);
    if (ec) {
      discard();
      throw PackError("cannot move " + temporary[i].string() + " into place: " + ec.message());
    }
  }
}

PackSummary PackContentFolder(const std::filesystem::path& dist, const std::filesystem::path& outDir) {
  const auto chapters = ReadContentSource(dist);
  WriteCoreFiles(PackCoreFiles(chapters), outDir);
  PackSummary summary;
  summary.chapters = static_cast<int>(chapters.size());
  for (const auto& c : chapters) summary.verses += c.verses.size();
  return summary;
}

}  // namespace lumivra
