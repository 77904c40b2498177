#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "content/StringList.h"

namespace lumivra {

class ArabicPattern;
class VerseSearch;

inline constexpr char kViewTranslationTitle[] = "English Translation (Lumivra)";

// Above this many hits the report asks before it is built.
inline constexpr std::size_t kReportConfirmLimit = 1000;
inline constexpr char kReportConfirmText[] =
    "Search has found more than 1000 verses... report may take\r\n"
    "several seconds to generate. Are you sure?";

// Upper-casing of Windows-1252 text as the default locale does it: a-z, the
// accented small letters à-þ (not ÷), š, œ, ž and ÿ. ß and µ stay.
std::string LocaleUpperCase(std::string text);

// Markup-significant characters (& < > " ') as character references.
std::string EscapeHtml(const std::string& text);

// Header fragments. The search text is shown as text (escaped); the
// information line is the page's own markup.
std::string SearchViewHeaderHtml(const std::string& searchText, const std::string& infoLine);
std::string SearchReportHeaderHtml(const std::string& searchText, const std::string& infoLine);

// The block of one verse under its title.
std::string FoundVerseHtml(const std::string& title, const std::string& text);

// `text` with every occurrence of `pattern` (compared after locale upper-casing)
// replaced by the upper-cased pattern in red bold. The verse text keeps its
// own markup; the inserted pattern is escaped.
std::string HighlightMatches(const std::string& text, const std::string& pattern);

// "Surah/Chapter 002 - Al-Baqarah. Verse 255."
std::string SearchVerseTitle(int chapter, const std::string& verse);
// "Total Found : N Verse(s) (Lumivra)."
std::string ReportCountLine(std::size_t count);

// Body of the view page for one verse record ("c|v|text"); the search box
// text gives the pattern (trimmed, "a" to "z" upper-cased).
std::string BuildSearchViewBody(const std::string& record, const std::string& searchBoxText);

// Body of the report page: the header line, then one line per position, each
// followed by CR LF. Throws ContentError "List index out of bounds (%d)" for a
// position outside `records`.
std::string BuildSearchReportBody(const StringList& records, const std::vector<int>& positions,
                                  const std::string& searchBoxText);

// The pages of an Arabic search (a search text holding an Arabic letter,
// UTF-8). The header shows the text as typed (trimmed), ASCII escaped and
// every other character as a numeric character reference; each verse block
// shows the Arabic right to left with its matches marked, and the
// translation, unmarked, under it.

// An Arabic line of the core file with each match marked, from the letter
// of the first matched unit through the marks on the last one; the line's
// own bytes are kept around the marks.
std::string HighlightArabicMatches(std::string_view line, const ArabicPattern& pattern);

// The view page body for the verse at `position` of `search`, and the report
// page body for `positions`; ContentError "List index out of bounds (%d)"
// for a position outside the records.
std::string BuildArabicSearchViewBody(const VerseSearch& search, int position,
                                      const std::string& searchBoxText);
std::string BuildArabicSearchReportBody(const VerseSearch& search, const std::vector<int>& positions,
                                        const std::string& searchBoxText);

// Head + body + tail: the page as it is written into the browser.
std::string SearchPageHtml(const std::string& body);

bool ReportNeedsConfirmation(std::size_t hits);

}  // namespace lumivra
