#include "browser/PageCompat.h"

#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

#include "browser/ScriptText.h"

namespace lumivra {

namespace {

constexpr char kScriptName[] = "lumivra-page-compat";

}  // namespace

void InstallPageCompat(QWebEngineProfile* profile) {
  QWebEngineScriptCollection* scripts = profile->scripts();
  for (const QWebEngineScript& old : scripts->find(QString::fromLatin1(kScriptName))) scripts->remove(old);
  const std::string_view source = PageCompatScript();
  QWebEngineScript script;
  script.setName(QString::fromLatin1(kScriptName));
  script.setSourceCode(QString::fromUtf8(source.data(), static_cast<qsizetype>(source.size())));
  script.setInjectionPoint(QWebEngineScript::DocumentCreation);
  script.setWorldId(QWebEngineScript::MainWorld);
  script.setRunsOnSubFrames(true);
  scripts->insert(script);
}

}  // namespace lumivra
