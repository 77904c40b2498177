#include "controls/SplashScreenDialog.h"

#include <QElapsedTimer>
#include <QFrame>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <memory>

#include "assets/ArtworkData.h"
#include "content/Maker.h"
#include "content/Version.h"
#include "controls/DialogFont.h"
#include "controls/JpegImage.h"
#include "controls/WavePanel.h"

namespace lumivra {

namespace {

// One of the splash pictures, decoded; empty when it cannot be read.
QPixmap SplashPicture(std::string_view name) {
  const auto bytes = FindArtwork(name);
  if (!bytes) return {};
  const RgbImage rgb = DecodeJpeg(*bytes);
  if (rgb.Empty()) return {};
  const QImage image(rgb.rgb.data(), rgb.width, rgb.height, 3 * rgb.width, QImage::Format_RGB888);
  return QPixmap::fromImage(image.convertToFormat(QImage::Format_RGB32));  // off the decoder's buffer
}

QLabel* Picture(QWidget* parent, std::string_view name, int left, int top, int width, int height) {
  auto* label = new QLabel(parent);
  label->setGeometry(left, top, width, height);
  label->setPixmap(SplashPicture(name));
  return label;
}

}  // namespace

TSplashScreenDlg::TSplashScreenDlg(int periodMs, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      SplashPanel(new QFrame(this)),
      Image2(Picture(SplashPanel, "splash_title", 31, 32, 332, 114)),
      Image1(Picture(SplashPanel, "splash_logo", 315, 5, 75, 58)),
      WavePanel(new TWavePanel(SplashPanel)),
      VersionLabel(new QLabel(QStringLiteral("Version %1.%2").arg(kVersionMajor).arg(kVersionMinor), SplashPanel)),
      NoticeLabel(new QLabel(SplashPanel)),
      Timer(new QTimer(this)) {
  setFixedSize(408, 240);
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);
  setAutoFillBackground(true);

  SplashPanel->setGeometry(8, 8, 393, 225);
  SplashPanel->setFrameShape(QFrame::NoFrame);
  QPalette panel = SplashPanel->palette();
  panel.setColor(QPalette::Window, panel.color(QPalette::HighlightedText));
  panel.setColor(QPalette::WindowText, Qt::black);
  SplashPanel->setPalette(panel);
  SplashPanel->setAutoFillBackground(true);
  SplashPanel->setFont(DialogFont());

  WavePanel->setGeometry(8, 160, 377, 3);
  WavePanel->SetFromColor(QColor(0, 0xFF, 0xFF));  // aqua
  WavePanel->SetToColor(Qt::black);
  WavePanel->SetStepSize(10);
  WavePanel->SetStepColor(15);
  WavePanel->SetDirection(drLeftToRight);
  WavePanel->SetSelectColor(Qt::red);

  VersionLabel->move(164, 183);
  VersionLabel->adjustSize();
  NoticeLabel->setText(QStringLiteral("Copyright \u00A9 %1. Free software, GNU GPL.").arg(kMakerName));
  NoticeLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  NoticeLabel->setGeometry(36, 200, 318, NoticeLabel->sizeHint().height());
  Image1->raise();  // over the title artwork's free corner

  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());

  Timer->setInterval(periodMs);
  Timer->setTimerType(Qt::PreciseTimer);  // a coarse timer may fire 5 % early
  connect(Timer, &QTimer::timeout, this, &TSplashScreenDlg::TimerTimer);
  Timer->start();
}

void TSplashScreenDlg::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FormShow();
}

void TSplashScreenDlg::FormShow() { WavePanel->SetActive(true); }

void TSplashScreenDlg::TimerTimer() { Timer->stop(); }

bool TSplashScreenDlg::FormCloseQuery() {
  const bool mayClose = !Timer->isActive();
  if (mayClose) WavePanel->SetActive(false);
  return mayClose;
}

void RunWithSplashScreen(const std::function<void()>& createForms, int periodMs) {
  auto splash = std::make_unique<TSplashScreenDlg>(periodMs);
  splash->show();
  // On the screen before the forms are created: wait for the window to be
  // exposed (a second at most), paint it and hand it to the window system.
  QElapsedTimer clock;
  clock.start();
  while (!(splash->windowHandle() && splash->windowHandle()->isExposed()) && clock.elapsed() < 1000)
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  splash->repaint();
  QGuiApplication::sync();

  createForms();

  // The wave's ticks wake the wait below, so the loop never spins idle.
  QEventLoop::ProcessEventsFlags flags = QEventLoop::AllEvents;
  for (;;) {
    QCoreApplication::processEvents(flags);
    if (splash->FormCloseQuery()) break;
    flags |= QEventLoop::WaitForMoreEvents;
  }
  splash->hide();
}

}  // namespace lumivra
