#pragma once
#include <functional>
#include <memory>

class QPrinter;
class QWebEngineView;

namespace lumivra {

// Prints the page shown in `view` with no page header and no page footer:
// with the print dialog first, or at once on the default printer. Any
// failure (no printer, the dialog cancelled, printing refused, a print still
// running in the same view) ends the operation quietly.
void PrintBrowserPage(QWebEngineView* view, bool withDialog);

// Prints the page of `view` on `printer` (a PDF file when its output format
// is PDF) and calls `done` with the outcome once the job has ended. Returns
// false, without calling `done`, when nothing was started.
bool PrintBrowserPageTo(QWebEngineView* view, std::unique_ptr<QPrinter> printer,
                        std::function<void(bool)> done = {});

// Whether a print job of `view` is still running.
bool BrowserPrintRunning(QWebEngineView* view);

}  // namespace lumivra
