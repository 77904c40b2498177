#include "BrowserProfile.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QWebEngineProfile>

#include "Fonts.h"
#include "OfflineInterceptor.h"
#include "PageCompat.h"
#include "ResSchemeHandler.h"

QWebEngineProfile* ReaderBrowserProfile() {
  static QWebEngineProfile* profile = [] {
    // No storage name: nothing is written to disk.
    auto* p = new QWebEngineProfile(QCoreApplication::instance());
    p->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    p->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    p->installUrlSchemeHandler("res", new ResSchemeHandler(p));
    p->setUrlRequestInterceptor(new OfflineInterceptor(p));
    InstallPageCompat(p);
    return p;
  }();
  return profile;
}

void PrepareBrowserEngine() {
  ConfigureFonts();
  RegisterResScheme();
  if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}
