#pragma once
#include <string>
#include <string_view>

namespace lumivra {

// `utf8` as a JavaScript string literal in double quotes. Quotes, backslashes,
// control characters, U+2028/U+2029 and "</" are escaped, so any page text
// survives the trip into a script unchanged.
std::string JsStringLiteral(const std::string& utf8);

// Scripts run on the browser pane's current document, kept in
// browser/resources (a script's argument is written LUMIVRA_TEXT there). Each
// takes its text in UTF-8.

// open("text/html"), clear, writeln(page), close, and back to the top.
std::string WriteDocumentScript(const std::string& pageUtf8);
// Presentation of a written page: the Arabic text classes right to left,
// aligned to the right of their cells (the page leaves the direction open),
// the page styled from its first frame by `styleSheet` (the text of the
// style sheet resource its link names), and only what is in view of a long
// page laid out.
std::string PagePresentationScript(std::string_view styleSheet = {});
// What a screen reader needs of a written page, run after it is written
// while assistive technology is active: a title, the languages of its texts,
// its caption as a heading, one group per verse named by its reference, the
// decoration hidden; defines window.lumivraFocusSelectedVerse. Evaluates to
// the document's title.
std::string PageAccessScript();
// The shims of the older document facilities, installed on every page
// (PageCompat); never served as a page itself.
std::string_view PageCompatScript();
// The verse holding the selection takes the focus (after PageAccessScript).
std::string FocusSelectedVerseScript();
// Replaces the body's content (no-op without a body).
std::string SetBodyHtmlScript(const std::string& htmlUtf8);
// Clears the selection of the document.
std::string ClearSelectionScript();
// Evaluates to the document's loading state: "loading", "interactive" or
// "complete" (only once its pictures have loaded or failed).
std::string ReadyStateScript();
// Scrolls the window to the top.
std::string ScrollToTopScript();
// Searches the body's text forward from its start for `text` (letter case
// ignored, may be part of a word); when found, selects it and scrolls it to
// the top of the window, or, when it is a verse label, the whole block of the
// verse it labels. Evaluates to true when found.
std::string FindSelectScript(const std::string& textUtf8);
// Marks the document with `number` once its first frame is on screen (three
// animation frames on; frames come only while the view shows).
std::string MarkPaintedScript(unsigned number);
// Evaluates to the number of the document's last painted mark.
std::string PaintedMarkScript();

}  // namespace lumivra
