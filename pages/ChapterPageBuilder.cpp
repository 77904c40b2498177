#include "pages/ChapterPageBuilder.h"

#include "content/ChapterCatalogue.h"
#include "content/ContentError.h"
#include "content/ResourceAddress.h"
#include "content/TextLines.h"

namespace lumivra {
namespace {

std::string FontCell(const std::string& cls) { return "<td><font class=\"" + cls + "\">"; }

// Pieces 9 to 12: the label bar under a verse.
std::string LabelBar(const std::string& label) {
  static const std::string end = "</center></B></font></td><td class=\"d1\"><img src=\"" + ResourceUrl("c_gif") +
                                 "\"></td><td class=\"d2\"><img src=\"" + ResourceUrl("tr_gif") +
                                 "\"></td></tr></table>";
  return "<td width =\"50\"><font class=\"f2\"><B><center>" + label + end;
}

constexpr char kBlockStart[] =
    "<table class=\"t1\" cellpadding=0 cellspacing=0><tr bgcolor=white><td class=\"df\"></td>";
constexpr char kFirstCellEnd[] = "</font></td><td width=\"1\"></td>";
constexpr char kBarStart[] =
    "<table class=\"t1\" cellpadding=0 cellspacing=0><tr bgcolor=\"#95AEC2\">";

}  // namespace

std::string BuildPageHeader(const std::string& chapter) {
  std::string h = "<HTML><HEAD><link rel=\"stylesheet\" href=\"" + ResourceUrl("styles_css") +
                  "\"></HEAD><BODY leftmargin=\"0\" topmargin=\"3\">"
                  "<table class=\"t1\" cellspacing=\"0\" cellpadding=\"0\"><tr><td><img src=\"" +
                  ResourceUrl("hleft_gif") + "\"></td><td width=\"71%\" background=\"" +
                  ResourceUrl("hmiddle_gif") + "\"><p align=\"center\"><font class=\"f1\">";
  h += ChapterLongName(chapter);
  h += "</font></td>";
  h += "<td><img src=\"" + ResourceUrl("hright_gif") + "\"></td></tr></table>";
  if (chapter == "1" || chapter == "9")
    h += "<br><br>";
  else
    h += std::string("<p align=\"center\"><font class=\"f1\"><font color=#C0C0C0>") + kOpeningLine +
         "</font></font></p>";
  return h;
}

std::string BuildPageFooter() { return "</BODY></HTML>"; }

std::string BuildDualVerseBlock(const std::string& first, const std::string& second,
                                const std::string& label, const std::string& firstClass,
                                const std::string& secondClass) {
  std::string b = kBlockStart;
  b += FontCell(firstClass);
  b += first;
  b += kFirstCellEnd;
  b += "</tr><tr><td width =\"50\"></td><td class=\"sp\"></td></tr><tr><td "
       "colspan=3><br></td></tr><tr bgcolor=white><td class=\"def\"></td>";
  b += FontCell(secondClass);
  b += second;
  b += "</font></td></tr></table>";
  b += kBarStart;
  b += LabelBar(label);
  return b;
}

std::string BuildSingleVerseBlock(const std::string& text, const std::string& label,
                                  const std::string& cls) {
  std::string b = kBlockStart;
  b += FontCell(cls);
  b += text;
  b += kFirstCellEnd;
  b += "</tr><tr><td width =\"50\"></td></tr></table>";
  b += kBarStart;
  b += LabelBar(label);
  return b;
}

std::optional<std::string> BuildChapterPage(int option, const std::string& chapter,
                                            const StringList& first,
                                            const StringList& translation) {
  if (option < 0 || option > 2) return std::nullopt;
  StringList lines;
  lines.reserve(translation.size() * 2 + 3);
  lines.push_back(BuildPageHeader(chapter));
  lines.emplace_back();
  for (size_t i = 0; i < translation.size(); ++i) {
    const bool odd = i % 2 == 0;  // verse i + 1
    const std::string label = chapter + ":" + std::to_string(i + 1);
    if (option == 2) {
      lines.push_back(BuildSingleVerseBlock(translation[i], label, odd ? "g1" : "f1"));
    } else {
      if (i >= first.size())
        throw ContentError("List index out of bounds (" + std::to_string(i) + ")");
      if (option == 0)
        lines.push_back(BuildDualVerseBlock(first[i], translation[i], label, odd ? "a2" : "a1",
                                            odd ? "g1" : "f1"));
      else
        lines.push_back(
            BuildDualVerseBlock(first[i], translation[i], label, odd ? "g1" : "f1", odd ? "g1" : "f1"));
    }
    lines.emplace_back("<br><br>");
  }
  lines.push_back(BuildPageFooter());
  return JoinLines(lines);
}

}  // namespace lumivra
