#include "browser/BrowserDocument.h"

#include <QAccessible>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <memory>

#include "browser/DocumentAccessibility.h"
#include "browser/ScriptText.h"
#include "content/Cp1252.h"
#include "pages/PageResources.h"

namespace lumivra {

namespace {

void Run(QWebEngineView* view, const std::string& script) {
  if (view == nullptr) return;
  view->page()->runJavaScript(QString::fromStdString(script));
}

}  // namespace

void WritePageToBrowser(QWebEngineView* view, const std::string& cp1252Page) {
  if (view == nullptr) return;
  static const std::string presentation = [] {
    const PageResource* sheet = FindPageResource("styles_css", kResourceTypePage);
    return PagePresentationScript(sheet ? sheet->bytes : std::string_view());
  }();
  const std::string script = WriteDocumentScript(Cp1252ToUtf8(cp1252Page)) + presentation;
  if (!QAccessible::isActive()) {
    Run(view, script);
    return;
  }
  // What the access script adds is read by assistive technology only; it
  // evaluates to the page's title, which tells when the new page is in.
  QPointer<QWebEngineView> guard(view);
  view->page()->runJavaScript(QString::fromStdString(script + PageAccessScript()), [guard](const QVariant& title) {
    if (guard) AnnounceWrittenPage(guard, title.toString());
  });
}

void SetBodyInnerHtml(QWebEngineView* view, const std::string& cp1252Html) {
  Run(view, SetBodyHtmlScript(Cp1252ToUtf8(cp1252Html)));
}

void ClearBrowserSelection(QWebEngineView* view) { Run(view, ClearSelectionScript()); }

void ScrollBrowserToTop(QWebEngineView* view) { Run(view, ScrollToTopScript()); }

void FindAndSelectInBrowser(QWebEngineView* view, const std::string& cp1252Text,
                            std::function<void(bool)> done) {
  if (view == nullptr) return;
  const QString script = QString::fromStdString(FindSelectScript(Cp1252ToUtf8(cp1252Text)));
  if (!done) {
    view->page()->runJavaScript(script);
    return;
  }
  view->page()->runJavaScript(script, [done](const QVariant& result) { done(result.toBool()); });
}

void FocusSelectedVerse(QWebEngineView* view) {
  if (view == nullptr || !QAccessible::isActive() || !view->hasFocus()) return;
  Run(view, FocusSelectedVerseScript());
}

void MarkBrowserPainted(QWebEngineView* view, unsigned number) { Run(view, MarkPaintedScript(number)); }

void ReadBrowserPaintedMark(QWebEngineView* view, std::function<void(unsigned)> done) {
  if (view == nullptr) return;
  view->page()->runJavaScript(QString::fromStdString(PaintedMarkScript()),
                              [done](const QVariant& result) { done(result.toUInt()); });
}

std::string EvaluateInBrowser(QWebEngineView* view, const std::string& script) {
  if (view == nullptr) return {};
  QPointer<QWebEngineView> guard(view);
  auto result = std::make_shared<std::string>();
  auto answered = std::make_shared<bool>(false);
  QEventLoop loop;
  QPointer<QEventLoop> loopGuard(&loop);
  view->page()->runJavaScript(QString::fromStdString(script),
                              [result, answered, loopGuard](const QVariant& value) {
                                *result = value.toString().toStdString();
                                *answered = true;
                                if (loopGuard) loopGuard->quit();
                              });
  // A page that goes away before answering (a navigation replaces it, its
  // renderer ends) never calls back; the timer keeps the wait bounded.
  QTimer::singleShot(2000, &loop, &QEventLoop::quit);
  QObject::connect(view->page(), &QWebEnginePage::loadStarted, &loop, &QEventLoop::quit);
  QObject::connect(view->page(), &QWebEnginePage::renderProcessTerminated, &loop, &QEventLoop::quit);
  if (!*answered) loop.exec();
  return *result;
}

int ReadBrowserDocumentState(QWebEngineView* view) {
  const std::string state = EvaluateInBrowser(view, ReadyStateScript());
  if (state == "complete") return 4;
  if (state == "interactive") return 3;
  if (state == "loading") return 1;
  return 0;
}

}  // namespace lumivra
