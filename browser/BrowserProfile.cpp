#include "browser/BrowserProfile.h"

#include <malloc.h>
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

bool softwareRendering = false;

// Rendering on the processor: Qt Quick's own software renderer draws the
// views, unless a renderer was chosen for it. Before the application object
// exists (`early`), no OpenGL is set up at all: the engine would otherwise
// make an OpenGL context at start, loading the driver (for software OpenGL,
// a compiler of some 40 MB) for nothing.
void UseSoftwareRendering(bool early) {
  softwareRendering = true;
  if (qEnvironmentVariableIsSet("QT_QUICK_BACKEND") || qEnvironmentVariableIsSet("QSG_RHI_BACKEND")) return;
  qputenv("QT_QUICK_BACKEND", "software");
  if (early && !qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION")) qputenv("QT_XCB_GL_INTEGRATION", "none");
}

// The engine reads its command line when the first profile is made.
void SetEngineFlags() {
  const std::string flags = qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS").toStdString();
  const bool sandboxOff = !qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX");
  if (!softwareRendering && IsSoftwareRenderer(OpenGlRenderer())) UseSoftwareRendering(false);
  const bool software = softwareRendering || flags.find("--disable-gpu") != std::string::npos;
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
  // A block of 256 KB or more (a page being written, a core file being
  // checked) goes back to the system when freed; glibc's own threshold grows
  // with the blocks freed, keeping them in the heap for the rest of the run.
  mallopt(M_MMAP_THRESHOLD, 256 * 1024);
  ConfigureFonts();
  RegisterResScheme();
  if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  // Without a graphics device OpenGL can only render in software; no need to ask it.
  if (!qEnvironmentVariableIsEmpty("LIBGL_ALWAYS_SOFTWARE") || !HasGraphicsDevice())
    UseSoftwareRendering(true);
}

}  // namespace lumivra
