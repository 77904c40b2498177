#pragma once
#include <QWebEngineUrlRequestInterceptor>

namespace lumivra {

// Keeps the pages off the network: every request for http, https, ftp or a
// web socket is blocked. The maker's site is opened in the user's own browser
// instead, never in a reader view.
class OfflineInterceptor : public QWebEngineUrlRequestInterceptor {
  Q_OBJECT
 public:
  explicit OfflineInterceptor(QObject* parent = nullptr);
  void interceptRequest(QWebEngineUrlRequestInfo& info) override;
};

}  // namespace lumivra
