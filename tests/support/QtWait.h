#pragma once
// Waiting in window tests: let events run until a condition holds.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <functional>

namespace lumivra::testing {

// True once `done` holds; false when `timeoutMs` ran out first.
inline bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 10000) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QTest::qSleep(2);
  }
  return true;
}

}  // namespace lumivra::testing
