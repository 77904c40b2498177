#include "BrowserProfile.h"

#include <QCoreApplication>
#include <QWebEngineProfile>

#if __has_include("ResSchemeHandler.h")
#include "OfflineInterceptor.h"
#include "PageCompat.h"
#include "ResSchemeHandler.h"
#define LUMIVRA_HAVE_RES 1
#endif

QWebEngineProfile* ReaderBrowserProfile() {
  static QWebEngineProfile* profile = [] {
    // No storage name: nothing is written to disk.
    auto* p = new QWebEngineProfile(QCoreApplication::instance());
    p->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    p->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
#ifdef LUMIVRA_HAVE_RES
    p->installUrlSchemeHandler("res", new ResSchemeHandler(p));
    p->setUrlRequestInterceptor(new OfflineInterceptor(p));
    InstallPageCompat(p);
#endif
    return p;
  }();
  return profile;
}
