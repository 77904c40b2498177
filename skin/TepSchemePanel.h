#pragma once
#include <QColor>
#include <QWidget>

// The toolbar panel: a flat face in its colour inside a raised bevel border
// of `BorderWidth` pixels.
class TepSchemePanel : public QWidget {
  Q_OBJECT
public:
  explicit TepSchemePanel(QWidget* parent = nullptr);

  void SetColor(const QColor& color);
  QColor Color() const { return color_; }
  void SetBorderWidth(int width);
  int BorderWidth() const { return borderWidth_; }

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QColor color_{206, 206, 206};
  int borderWidth_ = 6;
};
