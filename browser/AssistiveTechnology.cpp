#include "browser/AssistiveTechnology.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QVariantMap>

namespace lumivra {

namespace {

constexpr char kEngineVariable[] = "QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY";
// The status is answered by the bus launcher at once; a bus that does not
// answer is taken as no assistive technology rather than a slow start.
constexpr int kStatusTimeoutMs = 500;

}  // namespace

bool AssistiveTechnologyRunning() {
  if (!qEnvironmentVariableIsEmpty("AT_SPI_BUS_ADDRESS") ||
      qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
    return true;
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return false;
  const QString service = QStringLiteral("org.a11y.Bus");
  // Asking a bus that is not running would start it.
  if (!bus.interface()->isServiceRegistered(service)) return false;
  QDBusMessage ask = QDBusMessage::createMethodCall(service, QStringLiteral("/org/a11y/bus"),
                                                    QStringLiteral("org.freedesktop.DBus.Properties"),
                                                    QStringLiteral("GetAll"));
  ask << QStringLiteral("org.a11y.Status");
  const QDBusMessage answer = bus.call(ask, QDBus::Block, kStatusTimeoutMs);
  if (answer.type() != QDBusMessage::ReplyMessage || answer.arguments().isEmpty()) return false;
  const QVariantMap status = qdbus_cast<QVariantMap>(answer.arguments().first());
  return status.value(QStringLiteral("IsEnabled")).toBool() ||
         status.value(QStringLiteral("ScreenReaderEnabled")).toBool();
}

void EnableEngineAccessibilityIfNeeded() {
  if (qEnvironmentVariableIsSet(kEngineVariable)) return;
  if (AssistiveTechnologyRunning()) qputenv(kEngineVariable, "1");
}

}  // namespace lumivra
