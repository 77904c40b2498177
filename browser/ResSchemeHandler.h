#pragma once
#include <QByteArray>
#include <QWebEngineUrlSchemeHandler>

namespace lumivra {

// Serves res://Olvar.exe/<name>: the built-in pages and the style sheet
// (resource type 23) and the page pictures (type 2110), names matched without
// regard to case. Anything else is answered "not found".
class ResSchemeHandler : public QWebEngineUrlSchemeHandler {
  Q_OBJECT
 public:
  explicit ResSchemeHandler(QObject* parent = nullptr);
  void requestStarted(QWebEngineUrlRequestJob* job) override;
};

// "res", the scheme of the built-in pages' addresses (content/ResourceAddress.h).
QByteArray ResourceScheme();

// Makes the scheme "res" known to the browser engine. Call once, before the
// application object exists.
void RegisterResScheme();

}  // namespace lumivra
