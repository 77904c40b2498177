#pragma once
#include <QUrl>
#include <QWebEnginePage>
#include <functional>

namespace lumivra {

// The page of every browser view of the reader. The reader never goes on
// line itself: a link to a web or mail address that the user follows opens
// in the user's own browser or mail program, and the pane stays as it is.
class TReaderPage : public QWebEnginePage {
  Q_OBJECT
public:
  explicit TReaderPage(QWebEngineProfile* profile, QObject* parent = nullptr);

  // Where such links go; QDesktopServices::openUrl unless replaced (tests).
  std::function<void(const QUrl&)> OpenExternally;

  // True for the addresses handed to the desktop rather than the pane.
  static bool IsExternal(const QUrl& url);

protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
  // The engine's own note that a long page's blocks were measured over two
  // frames (out-of-view layout) is not reported; every other message is.
  void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int line,
                                const QString& source) override;
};

}  // namespace lumivra
