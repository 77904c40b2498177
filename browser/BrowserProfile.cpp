#include "browser/BrowserProfile.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QWebEngineProfile>
#include <string>

#include "browser/AssistiveTechnology.h"
#include "browser/DocumentAccessibility.h"
#include "browser/EngineFlags.h"
#include "browser/Fonts.h"
#include "browser/OfflineInterceptor.h"
#include "browser/PageCompat.h"
#include "browser/ResSchemeHandler.h"

namespace lumivra {

namespace {

// The name of the OpenGL renderer here; "" without OpenGL.
std::string OpenGlRenderer() {
  QOffscreenSurface surface;
  surface.create();
  QOpenGLContext context;
  if (!surface.isValid() || !context.create() || !context.makeCurrent(&surface)) return {};
  const auto* name = reinterpret_cast<const char*>(context.functions()->glGetString(GL_RENDERER));
  std::string renderer = name ? name : "";
  context.doneCurrent();
  return renderer;
}

// The engine reads its command line when the first profile is made.
void SetEngineFlags() {
  const std::string flags = qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS").toStdString();
  const bool sandboxOff = !qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX");
  const bool software = flags.find("--disable-gpu") != std::string::npos ||
                        IsSoftwareRenderer(OpenGlRenderer());
  qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
          QByteArray::fromStdString(ReaderEngineFlags(flags, sandboxOff, software)));
}

}  // namespace

QWebEngineProfile* ReaderBrowserProfile() {
  static QWebEngineProfile* profile = [] {
    EnableEngineAccessibilityIfNeeded();
    SetEngineFlags();
    // No storage name: nothing is written to disk.
    auto* p = new QWebEngineProfile(QCoreApplication::instance());
    p->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    p->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    p->installUrlSchemeHandler(ResourceScheme(), new ResSchemeHandler(p));
    p->setUrlRequestInterceptor(new OfflineInterceptor(p));
    InstallPageCompat(p);
    InstallFocusCorrection();
    return p;
  }();
  return profile;
}

void PrepareBrowserEngine() {
  ConfigureFonts();
  RegisterResScheme();
  if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

}  // namespace lumivra
