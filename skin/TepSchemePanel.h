#pragma once
#include <QColor>
#include <QImage>
#include <QPointer>
#include <QWidget>

#include "skin/TepScheme.h"

namespace lumivra {

// A panel whose face is its scheme store's wallpaper inside a 6 x 5 bitmap
// border (the store's SmBorder). Without a scheme or store: a plain raised
// panel in the standard colour.
class TepSchemePanel : public QWidget {
  Q_OBJECT
public:
  explicit TepSchemePanel(QWidget* parent = nullptr);

  TepScheme* Scheme() const { return scheme_; }
  void SetScheme(TepScheme* scheme);

  // The face where the store has no wallpaper.
  void SetColor(const QColor& color);
  QColor Color() const { return color_; }
  // A stored copy; painting always takes the store's wallpaper.
  void SetWallpaper(const QImage& wallpaper);
  const QImage& Wallpaper() const { return wallpaper_; }
  void SetBorderWidth(int width);
  int BorderWidth() const { return borderWidth_; }
  void SetCaption(const QString& caption);
  QString Caption() const { return caption_; }

protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

private:
  QPointer<TepScheme> scheme_;
  QColor color_{Qt::black};
  QImage wallpaper_;
  QString caption_;
  int borderWidth_ = 6;
};

}  // namespace lumivra
