#include "tools/ContentSource.h"

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "content/ChapterCatalogue.h"

namespace lumivra {
namespace {

using nlohmann::json;

const json& Field(const json& object, const char* key, json::value_t kind, const std::string& where) {
  if (!object.is_object()) throw PackError(where + " is not a JSON object");
  auto it = object.find(key);
  if (it == object.end()) throw PackError(where + " has no \"" + key + "\"");
  const bool ok = kind == json::value_t::number_unsigned ? it->is_number_integer() : it->type() == kind;
  if (!ok) throw PackError(where + ": \"" + key + "\" is not " +
                           (kind == json::value_t::string ? "a string" :
                            kind == json::value_t::array  ? "an array" : "a whole number"));
  return *it;
}

long long Integer(const json& object, const char* key, const std::string& where) {
  return Field(object, key, json::value_t::number_unsigned, where).get<long long>();
}

std::string String(const json& object, const char* key, const std::string& where) {
  return Field(object, key, json::value_t::string, where).get<std::string>();
}

SourceChapter ReadChapter(const std::filesystem::path& dist, int n) {
  const std::string chapter = "chapter " + std::to_string(n);
  const auto path = ChapterSourcePath(dist, n);
  std::ifstream in(path, std::ios::binary);
  if (!in) throw PackError(chapter + " is missing: cannot read " + path.string());
  std::ostringstream text;
  text << in.rdbuf();
  json doc;
  try {
    doc = json::parse(text.str());
  } catch (const json::exception& e) {
    throw PackError(chapter + ": " + path.string() + " is not valid JSON (" + e.what() + ")");
  }

  SourceChapter c;
  c.number = n;
  if (Integer(doc, "id", chapter) != n)
    throw PackError(chapter + ": " + path.string() + " holds chapter " +
                    std::to_string(Integer(doc, "id", chapter)));
  c.arabicName = String(doc, "name", chapter);
  const std::string type = String(doc, "type", chapter);
  if (type == "medinan") c.medinan = true;
  else if (type != "meccan") throw PackError(chapter + ": type \"" + type + "\" is neither meccan nor medinan");
  const long long total = Integer(doc, "total_verses", chapter);
  const json& verses = Field(doc, "verses", json::value_t::array, chapter);
  if (total < 0 || static_cast<size_t>(total) != verses.size())
    throw PackError(chapter + ": total_verses is " + std::to_string(total) + " but " +
                    std::to_string(verses.size()) + " verses are listed");
  if (verses.empty()) throw PackError(chapter + " lists no verses");
  c.verses.reserve(verses.size());
  for (size_t i = 0; i < verses.size(); ++i) {
    const std::string where = chapter + ", verse " + std::to_string(i + 1);
    const json& v = verses[i];
    if (Integer(v, "id", where) != static_cast<long long>(i + 1))
      throw PackError(where + " is numbered " + std::to_string(Integer(v, "id", where)));
    c.verses.push_back({String(v, "text", where), String(v, "translation", where),
                        String(v, "transliteration", where)});
  }
  return c;
}

}  // namespace

std::filesystem::path ChapterSourcePath(const std::filesystem::path& dist, int chapter) {
  return dist / "chapters" / "en" / (std::to_string(chapter) + ".json");
}

std::vector<SourceChapter> ReadContentSource(const std::filesystem::path& dist) {
  if (!std::filesystem::is_directory(dist)) throw PackError("no source folder " + dist.string());
  std::vector<SourceChapter> chapters;
  chapters.reserve(kChapterCount);
  for (int n = 1; n <= kChapterCount; ++n) chapters.push_back(ReadChapter(dist, n));
  return chapters;
}

}  // namespace lumivra
