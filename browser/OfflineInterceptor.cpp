#include "browser/OfflineInterceptor.h"

#include <QUrl>

namespace lumivra {

OfflineInterceptor::OfflineInterceptor(QObject* parent) : QWebEngineUrlRequestInterceptor(parent) {}

void OfflineInterceptor::interceptRequest(QWebEngineUrlRequestInfo& info) {
  const QString scheme = info.requestUrl().scheme().toLower();
  if (scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("ftp") ||
      scheme == QLatin1String("ws") || scheme == QLatin1String("wss")) {
    info.block(true);
  }
}

}  // namespace lumivra
