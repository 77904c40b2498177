#pragma once
#include <QWidget>

namespace lumivra {

// A 7-pixel bevelled bar that resizes the control on its left. Every width a
// drag proposes is offered to `canResize` first; a refused width is not
// applied, so the control keeps the last width that was accepted.
class TSplitter : public QWidget {
  Q_OBJECT
public:
  explicit TSplitter(QWidget* parent = nullptr);

  // The control whose width the bar sets.
  void SetControl(QWidget* control) { control_ = control; }
  QWidget* Control() const { return control_; }

  // Offers `newSize` and applies it when accepted; returns whether it was.
  bool ProposeSize(int newSize);

signals:
  // Set `accept` to false to refuse `newSize`.
  void canResize(int newSize, bool& accept);
  void moved();

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  QWidget* control_ = nullptr;
  bool dragging_ = false;
  int dragStartX_ = 0;
  int dragStartSize_ = 0;
};

}  // namespace lumivra
