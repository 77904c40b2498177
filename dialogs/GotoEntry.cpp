#include "dialogs/GotoEntry.h"

#include "content/ChapterCatalogue.h"
#include "content/ContentError.h"
#include "content/IntConvert.h"
#include "content/NodeKey.h"

namespace lumivra {
namespace {

bool IsSeparator(char c) { return c == ' ' || c == '.' || c == ',' || c == ':'; }

int ToInteger(const std::string& text) {
  const auto value = ParseInt(text);
  if (!value) throw ContentError("'" + text + "' is not a valid integer value");
  return *value;
}

}  // namespace

GotoParts SplitGotoText(const std::string& text) {
  for (const char separator : {'.', ',', ':', ' '}) {
    if (text.find(separator) != std::string::npos)
      return {GetKeyField(text, separator, 1), GetKeyField(text, separator, 2)};
  }
  return {text, ""};
}

std::optional<GotoTarget> ValidateGotoText(const std::string& text) {
  const GotoParts parts = SplitGotoText(text);
  if (parts.chapterText.empty()) return std::nullopt;
  const int chapter = ToInteger(parts.chapterText);
  if (!parts.verseText.empty()) {
    const int verse = ToInteger(parts.verseText);
    if (chapter < 1 || chapter > kChapterCount || verse < 1 || verse > kHighestVerse) return std::nullopt;
    return GotoTarget{chapter, parts.chapterText + ":" + parts.verseText};
  }
  if (chapter < 1 || chapter > kChapterCount) return std::nullopt;
  return GotoTarget{chapter, ""};
}

GotoKeyAction GotoKeyPress(const std::string& currentText, char key) {
  if (key == '\r' && !currentText.empty()) return GotoKeyAction::kAccept;
  bool separatorTyped = false;
  for (const char c : currentText) separatorTyped = separatorTyped || IsSeparator(c);
  const bool allowed = key == '\b' || IsSeparator(key) || (key >= '0' && key <= '9');
  if (!allowed) return GotoKeyAction::kSwallow;
  if (IsSeparator(key) && separatorTyped) return GotoKeyAction::kSwallow;
  return GotoKeyAction::kInsert;
}

}  // namespace lumivra
