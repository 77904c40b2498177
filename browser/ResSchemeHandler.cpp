#include "browser/ResSchemeHandler.h"

#include <QBuffer>
#include <QUrl>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

#include "content/ResourceAddress.h"
#include "pages/PageResources.h"

namespace lumivra {

namespace {

// The scheme and host of every built-in page's address ("res", "olvar.exe").
const QUrl& ResourceRootUrl() {
  static const QUrl root(QString::fromLatin1(kResourceRoot));
  return root;
}

QByteArray PictureMimeType(std::string_view data) {
  if (data.substr(0, 6) == "GIF87a" || data.substr(0, 6) == "GIF89a") return "image/gif";
  if (data.substr(0, 3) == "\xFF\xD8\xFF") return "image/jpeg";
  if (data.substr(0, 8) == "\x89PNG\r\n\x1A\n") return "image/png";
  return "application/octet-stream";
}

bool EndsWithCss(const QString& name) { return name.endsWith(QLatin1String("_css"), Qt::CaseInsensitive); }

}  // namespace

ResSchemeHandler::ResSchemeHandler(QObject* parent) : QWebEngineUrlSchemeHandler(parent) {}

void ResSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job) {
  const QUrl url = job->requestUrl();
  if (url.host().compare(ResourceRootUrl().host(), Qt::CaseInsensitive) != 0) {
    job->fail(QWebEngineUrlRequestJob::UrlNotFound);
    return;
  }
  QString name = url.path(QUrl::FullyDecoded);
  if (name.startsWith(QLatin1Char('/'))) name.remove(0, 1);
  if (name.isEmpty() || name.contains(QLatin1Char('/'))) {
    job->fail(QWebEngineUrlRequestJob::UrlNotFound);
    return;
  }
  const QByteArray latin = name.toLatin1();
  const std::string_view key(latin.constData(), static_cast<std::size_t>(latin.size()));

  QByteArray mime;
  const PageResource* res = FindPageResource(key, kResourceTypePage);
  if (res) {
    mime = EndsWithCss(name) ? "text/css" : "text/html";
  } else if ((res = FindPageResource(key, kResourceTypePicture))) {
    mime = PictureMimeType(res->bytes);
  } else {
    job->fail(QWebEngineUrlRequestJob::UrlNotFound);
    return;
  }
  // The bytes are static; the buffer reads them in place and goes with the job.
  auto* buffer = new QBuffer(job);
  buffer->setData(QByteArray::fromRawData(res->bytes.data(), static_cast<qsizetype>(res->bytes.size())));
  buffer->open(QIODevice::ReadOnly);
  job->reply(mime, buffer);
}

QByteArray ResourceScheme() { return ResourceRootUrl().scheme().toLatin1(); }

void RegisterResScheme() {
  QWebEngineUrlScheme scheme(ResourceScheme());
  scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
  // Not a local scheme, so that documents of any origin (about:blank, a page
  // written by script) may show res: pictures and style sheets; secure, so
  // nothing is treated as mixed content.
  scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::LocalAccessAllowed |
                  QWebEngineUrlScheme::CorsEnabled);
  QWebEngineUrlScheme::registerScheme(scheme);
}

}  // namespace lumivra
