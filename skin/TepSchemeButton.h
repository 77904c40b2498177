#pragma once
#include <QPixmap>
#include <QWidget>

#include "ButtonLayout.h"

// A painted push button of the toolbar: a raised face at rest, a lighter one
// under the mouse, a sunken one while pressed, and its glyph centred on it.
class TepSchemeButton : public QWidget {
  Q_OBJECT
public:
  explicit TepSchemeButton(QWidget* parent = nullptr);

  // The glyph from the window artwork ("tool_home", ...); an unknown name
  // leaves the button without a picture.
  void SetGlyphArtwork(std::string_view name);
  void SetGlyph(const QPixmap& glyph);
  const QPixmap& Glyph() const { return glyph_; }

  // Kept like every hint of the toolbar, never shown.
  void SetHint(const QString& hint) { hint_ = hint; }
  const QString& Hint() const { return hint_; }

  lumivra::ButtonState State() const { return tracker_.State(); }
  bool Hot() const { return hot_; }

signals:
  void clicked();

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;

private:
  lumivra::PushButtonTracker tracker_;
  QPixmap glyph_;
  QString hint_;
  bool hot_ = false;
};
