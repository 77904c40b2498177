#include "controls/JPanelTexture.h"

#include <QPainter>
#include <QPalette>

#include "controls/TextureLayout.h"
#include "skin/SkinPainter.h"

namespace lumivra {

namespace {

TextureStyle ToLayoutStyle(TJPanelTextureStyle style) {
  switch (style) {
    case TJPanelTextureStyle::txTile: return TextureStyle::Tile;
    case TJPanelTextureStyle::txCenter: return TextureStyle::Center;
    case TJPanelTextureStyle::txStretch: return TextureStyle::Stretch;
    case TJPanelTextureStyle::txNone: break;
  }
  return TextureStyle::None;
}

}  // namespace

TJPanelTexture::TJPanelTexture(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(1);
}

void TJPanelTexture::setJTexture(const QImage& texture) {
  texture_ = texture.copy();
  update();
}

void TJPanelTexture::setJStyleTexture(TJPanelTextureStyle style) {
  if (style == style_) return;
  style_ = style;
  update();
}

void TJPanelTexture::setJTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  update();
}

void TJPanelTexture::setJTransColor(const QColor& color) {
  if (color == transColor_) return;
  transColor_ = color;
  update();
}

void TJPanelTexture::setCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  update();
}

void TJPanelTexture::setColor(const QColor& color) {
  QPalette p = palette();
  p.setColor(QPalette::Window, color);
  setPalette(p);
  update();
}

QColor TJPanelTexture::color() const { return palette().color(QPalette::Window); }

void TJPanelTexture::paintEvent(QPaintEvent* event) {
  const QRect r = rect();
  {
    QPainter painter(this);
    painter.fillRect(r, color());
    if (texture_.isNull() || style_ == TJPanelTextureStyle::txNone) {
      if (!caption_.isEmpty()) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.setFont(font());
        painter.drawText(contentsRect(), Qt::AlignCenter | Qt::TextSingleLine, caption_);
      }
    } else {
      if (transparent_) painter.fillRect(r, transColor_);
      const auto pieces = LayoutTexture(ToLayoutStyle(style_), {r.x(), r.y(), r.width(), r.height()},
                                                 texture_.width(), texture_.height());
      if (style_ == TJPanelTextureStyle::txStretch)
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
      for (const auto& piece : pieces) painter.drawImage(ToQRect(piece.target), texture_, ToQRect(piece.source));
      return;  // the textured face has no bevels
    }
  }
  QFrame::paintEvent(event);  // the bevels
}

}  // namespace lumivra
