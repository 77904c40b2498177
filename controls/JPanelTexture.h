#pragma once
#include <QColor>
#include <QFrame>
#include <QImage>
#include <QString>

namespace lumivra {

enum class TJPanelTextureStyle { txNone, txTile, txCenter, txStretch };

// A panel that paints a texture over its face: tiled, centred or stretched.
// Without a texture (or with txNone) it is a plain raised panel with a
// centred caption.
class TJPanelTexture : public QFrame {
  Q_OBJECT
public:
  explicit TJPanelTexture(QWidget* parent = nullptr);

  // The panel keeps its own copy; the caller keeps its image.
  void setJTexture(const QImage& texture);
  const QImage& jTexture() const { return texture_; }

  void setJStyleTexture(TJPanelTextureStyle style);
  TJPanelTextureStyle jStyleTexture() const { return style_; }

  void setJTransparent(bool transparent);
  bool jTransparent() const { return transparent_; }

  void setJTransColor(const QColor& color);
  QColor jTransColor() const { return transColor_; }

  // The caption of the standard panel look.
  void setCaption(const QString& caption);
  QString caption() const { return caption_; }

  // The panel face colour (filled before anything else).
  void setColor(const QColor& color);
  QColor color() const;

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QImage texture_;
  TJPanelTextureStyle style_ = TJPanelTextureStyle::txNone;
  bool transparent_ = false;
  QColor transColor_{0x80, 0x80, 0x80};
  QString caption_;
};

}  // namespace lumivra
