#pragma once
#include <QPushButton>

class QPainter;

namespace lumivra {

// What one paint of a flat button depends on.
struct TCorelButtonLook {
  bool hot = false;          // the cursor is over the button
  bool pressed = false;
  bool focused = false;
  bool activeDefault = false;  // the form's currently active default button
  bool disabled = false;
};

// Paints a flat button into `rect` with the palette's button colours.
void PaintCorelButton(QPainter& painter, const QRect& rect, const TCorelButtonLook& look,
                      const QPalette& palette, const QFont& font, const QString& caption);

// A push button that draws itself flat: a thin raised edge at rest, a full
// 3-D edge while the mouse is over it, a sunken edge while pressed.
class TCorelButton : public QPushButton {
  Q_OBJECT
public:
  explicit TCorelButton(QWidget* parent = nullptr);
  TCorelButton(const QString& caption, QWidget* parent = nullptr);

  // Called whenever focus moves between buttons: whether this button is now
  // the form's active default button. Repaints at once on a change.
  void DefaultChanged(bool isActiveDefault);
  bool activeDefault() const { return activeDefault_; }
  bool hot() const { return hot_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

private:
  void Init();

  bool hot_ = false;
  bool activeDefault_ = false;
};

}  // namespace lumivra
