#include "browser/ReaderPage.h"

#include <QDesktopServices>

namespace lumivra {

TReaderPage::TReaderPage(QWebEngineProfile* profile, QObject* parent)
    : QWebEnginePage(profile, parent),
      OpenExternally([](const QUrl& url) { QDesktopServices::openUrl(url); }) {}

bool TReaderPage::IsExternal(const QUrl& url) {
  const QString scheme = url.scheme().toLower();
  return scheme == "http" || scheme == "https" || scheme == "mailto";
}

bool TReaderPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
  if (IsExternal(url)) {
    // The pane never leaves for the web; a followed link opens outside.
    if (type == NavigationTypeLinkClicked && OpenExternally) OpenExternally(url);
    return false;
  }
  return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
}

void TReaderPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int line,
                                           const QString& source) {
  if (message.contains(QLatin1String("ResizeObserver loop"))) return;
  QWebEnginePage::javaScriptConsoleMessage(level, message, line, source);
}

}  // namespace lumivra
