#pragma once
#include <QWidget>
#include <functional>

class QFrame;
class QLabel;
class QTimer;

namespace lumivra {

class TWavePanel;

// The splash screen shown while the reader starts: 408 x 240 without border
// or caption, centred on the screen, a white panel in a black frame with the
// title artwork, the maker's logo and a thin moving colour wave. It may close
// once its timer has fired, `periodMs` after its creation.
class TSplashScreenDlg : public QWidget {
  Q_OBJECT
public:
  static constexpr int kPeriodMs = 5000;

  explicit TSplashScreenDlg(int periodMs = kPeriodMs, QWidget* parent = nullptr);

  QFrame* const SplashPanel;
  QLabel* const Image2;  // the title artwork
  QLabel* const Image1;  // the maker's logo
  TWavePanel* const WavePanel;
  QLabel* const VersionLabel;
  QLabel* const NoticeLabel;
  QTimer* const Timer;

  void FormShow();
  void TimerTimer();
  // True once the timer has fired; the wave then stops.
  bool FormCloseQuery();

protected:
  void showEvent(QShowEvent* event) override;
};

// Start-up with the splash screen: creates it, shows it and paints it at
// once, runs `createForms`, then handles events until the splash screen may
// close, and destroys it.
void RunWithSplashScreen(const std::function<void()>& createForms, int periodMs = TSplashScreenDlg::kPeriodMs);

}  // namespace lumivra
