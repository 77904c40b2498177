#pragma once
#include <QBasicTimer>
#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>

#include "controls/WaveBands.h"

namespace lumivra {

enum TDirection { drLeftToRight, drRightToLeft, drTopToBottom, drBottomToTop };
enum TAlignHor { hrLeft, hrCenter, hrRight };
enum TAlignVer { vrTop, vrCenter, vrBottom };

// A panel showing a run of colour bands, from `FromColor` to `ToColor` and
// back, that travels along it by one band every 50 ms while `Active`; an
// optional caption is drawn over the bands. A new panel is 400 x 15.
class TWavePanel : public QWidget {
  Q_OBJECT
public:
  static constexpr int TimerInterval = 50;

  explicit TWavePanel(QWidget* parent = nullptr);

  bool Active() const { return timer_.isActive(); }
  void SetActive(bool active);
  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  QColor FromColor() const;
  void SetFromColor(const QColor& color);
  QColor ToColor() const;
  void SetToColor(const QColor& color);
  int StepSize() const { return bands_.StepSize(); }
  void SetStepSize(int size);
  int StepColor() const { return bands_.StepColor(); }
  void SetStepColor(int step);
  TDirection Direction() const { return static_cast<TDirection>(bands_.Direction()); }
  void SetDirection(TDirection direction);
  TAlignHor AlignHorizontal() const { return alignHorizontal_; }
  void SetAlignHorizontal(TAlignHor align);
  TAlignVer AlignVertical() const { return alignVertical_; }
  void SetAlignVertical(TAlignVer align);
  // Kept for the owner; the panel does not draw with it.
  QColor SelectColor() const { return selectColor_; }
  void SetSelectColor(const QColor& color) { selectColor_ = color; }

  int BandCount() const { return bands_.BandCount(); }
  // The panel's picture as last painted.
  const QImage& Picture() const { return picture_; }

  // Where a refused value is reported ("Value must be more than 0."); a box
  // titled "Error" when empty.
  std::function<void(const QString& text)> ErrorBox;

protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void timerEvent(QTimerEvent* event) override;

private:
  // Paints into the kept picture: an ordinary paint redraws the wave in
  // place, an animation paint moves it on by one band.
  void Paint(bool animation);
  void Refuse();

  WaveBands bands_;
  QBasicTimer timer_;
  QString caption_;
  TAlignHor alignHorizontal_ = hrCenter;
  TAlignVer alignVertical_ = vrCenter;
  QColor selectColor_{Qt::blue};
  // The panel keeps its own picture, so an animation paint need only draw
  // what changed and every repaint of the window shows the whole wave.
  QImage picture_;
  bool animated_ = false;  // the picture is newer than the last paint event
};

}  // namespace lumivra
