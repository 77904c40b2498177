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
};

}  // namespace lumivra
