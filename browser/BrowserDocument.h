#pragma once
#include <functional>
#include <string>

class QWebEngineView;

namespace lumivra {

// The document operations of the browser pane, as scripts on the view's
// current document. Scripts run in the order they are issued. Texts are
// Windows-1252 bytes; they reach the document as Unicode.

// open("text/html"), clear, writeln(page) with the whole page, close; then
// the page's presentation and, while assistive technology is active, what a
// screen reader needs (PageAccessScript).
void WritePageToBrowser(QWebEngineView* view, const std::string& cp1252Page);
// Replaces the content of the document body.
void SetBodyInnerHtml(QWebEngineView* view, const std::string& cp1252Html);
// The browser command "clear selection".
void ClearBrowserSelection(QWebEngineView* view);
// Scrolls the document's window to (0, 0).
void ScrollBrowserToTop(QWebEngineView* view);
// Finds `cp1252Text` in the body (forward from its start, letter case
// ignored, may be part of a word), selects it and scrolls it to the top of
// the pane; a verse label scrolls the whole block of its verse there instead.
// `done` (optional) receives whether it was found.
void FindAndSelectInBrowser(QWebEngineView* view, const std::string& cp1252Text,
                            std::function<void(bool)> done = {});

// While assistive technology is active and the view has the keyboard focus:
// the verse holding the selection (a located verse's label) takes the focus
// in the page, so that a screen reader reads on from there.
void FocusSelectedVerse(QWebEngineView* view);
// Marks the document with `number` once its first frame is on screen; frames
// come only while the view shows.
void MarkBrowserPainted(QWebEngineView* view, unsigned number);
// `done` receives the number of the document's last painted mark, 0 before
// the first.
void ReadBrowserPaintedMark(QWebEngineView* view, std::function<void(unsigned)> done);

// The document's loading state as the platform numbers it: 1 loading,
// 3 interactive, 4 complete. Waits for the answer while processing events;
// returns 0 when the view gave none.
int ReadBrowserDocumentState(QWebEngineView* view);

// Runs `script` and waits (processing events) for its result as text.
std::string EvaluateInBrowser(QWebEngineView* view, const std::string& script);

}  // namespace lumivra
