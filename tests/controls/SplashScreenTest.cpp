#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "controls/SplashScreenDialog.h"
#include "controls/WavePanel.h"

using namespace lumivra;

namespace {

int SplashScreensAlive() {
  int n = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) n += qobject_cast<TSplashScreenDlg*>(w) != nullptr;
  return n;
}

}  // namespace

TEST(WavePanel, RefusesAStepOfZeroAndShowsTheWholeWaveWhileMoving) {
  TWavePanel panel;
  QStringList boxes;
  panel.ErrorBox = [&](const QString& text) { boxes << text; };
  panel.SetStepSize(0);
  panel.SetStepColor(0);
  EXPECT_EQ(boxes, QStringList({"Value must be more than 0.", "Value must be more than 0."}));
  EXPECT_EQ(panel.StepSize(), 10);

  panel.resize(95, 4);
  panel.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
  panel.SetActive(true);
  ASSERT_TRUE(panel.Active());
  QTest::qWait(4 * TWavePanel::TimerInterval);
  panel.SetActive(false);
  // Every repaint, a fresh render included, shows the whole picture of the
  // last tick, not just the bands that tick drew.
  const QImage shown = panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(shown, panel.Picture());
  EXPECT_NE(shown.pixelColor(0, 0), shown.pixelColor(30, 0));
}

TEST(SplashScreen, MayCloseOnlyOnceItsTimerHasFired) {
  TSplashScreenDlg splash(100);
  EXPECT_EQ(splash.size(), QSize(408, 240));
  EXPECT_EQ(splash.VersionLabel->text(), "Version 3.0");
  EXPECT_FALSE(splash.Image1->pixmap().isNull());
  EXPECT_FALSE(splash.Image2->pixmap().isNull());
  splash.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
  EXPECT_TRUE(splash.WavePanel->Active());
  EXPECT_FALSE(splash.FormCloseQuery());
  EXPECT_TRUE(splash.WavePanel->Active());
  QTest::qWait(150);
  EXPECT_TRUE(splash.FormCloseQuery());
  EXPECT_FALSE(splash.WavePanel->Active());
}

TEST(SplashScreen, StartUpCreatesTheFormsBehindItAndWaitsForItsTimer) {
  bool splashUp = false, eventHandled = false, slowStart = false;
  QElapsedTimer clock;
  clock.start();
  RunWithSplashScreen(
      [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
          if (auto* s = qobject_cast<TSplashScreenDlg*>(w)) splashUp = s->isVisible() && s->windowHandle()->isExposed();
        QTimer::singleShot(0, [&] { eventHandled = true; });
      },
      200);
  EXPECT_GE(clock.elapsed(), 200);
  EXPECT_TRUE(splashUp);
  EXPECT_TRUE(eventHandled);  // events are handled while it waits
  EXPECT_EQ(SplashScreensAlive(), 0);

  // Forms that take longer than the period: the first question ends the wait.
  RunWithSplashScreen([&] { QTest::qSleep(150); slowStart = true; }, 50);
  EXPECT_TRUE(slowStart);
  EXPECT_EQ(SplashScreensAlive(), 0);
}
