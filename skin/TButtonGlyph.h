#pragma once
#include <QFont>
#include <QImage>
#include <QPalette>
#include <QString>
#include <array>

#include "skin/GlyphLayout.h"

class QPainter;

namespace lumivra {

// The picture strip of a skinned button and the drawing of its glyph and
// caption. The strip holds NumGlyphs images side by side, indexed by the
// button's state (up, disabled, down, exclusive); pixels of the
// transparent colour are left out.
class TButtonGlyph {
public:
  // Copies the strip (and its optional double-size twin). The transparent
  // colour becomes the strip's bottom-left pixel, and a strip whose width is
  // a multiple of its height sets NumGlyphs.
  void SetGlyph(const QImage& strip, const QImage& twin = {});
  const QImage& Glyph() const { return strip_; }

  int NumGlyphs() const { return numGlyphs_; }
  // Returns whether the value changed.
  bool SetNumGlyphs(int value);
  QRgb TransparentColor() const { return transparent_; }

  // Forgets the prepared images (system colours changed).
  void ClearCache();

  // The image shown in `state` (prepared on first need); null when there is
  // none. `twin` selects the double-size image (null when there is no twin).
  const QImage& Image(ButtonState state, const QPalette& palette, bool twin = false);

  // Glyph and caption laid out in `paint` and drawn.
  void Draw(QPainter& painter, const LayoutRect& paint, const QString& caption, const QFont& font,
            TButtonLayout layout, int margin, int spacing, ButtonState state,
            const QPalette& palette);

private:
  QImage Prepare(const QImage& strip, int scale, ButtonState state, const QPalette& palette) const;

  QImage strip_;
  QImage twin_;
  int numGlyphs_ = 1;
  QRgb transparent_ = qRgb(255, 0, 255);
  std::array<QImage, 4> cache_;
  std::array<QImage, 4> twinCache_;
  std::array<bool, 4> prepared_{};
  std::array<bool, 4> twinPrepared_{};
};

}  // namespace lumivra
