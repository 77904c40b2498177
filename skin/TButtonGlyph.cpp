#include "skin/TButtonGlyph.h"

#include <QFontMetrics>
#include <QPainter>

#include "skin/SkinPainter.h"

namespace lumivra {

namespace {

QRgb BottomLeft(const QImage& image) { return image.pixel(0, image.height() - 1); }

// The strip's drawn pixels raised out of a face-coloured image: each pixel
// that is opaque, not the transparent colour and darker than a light grey
// is painted in the highlight colour one pixel (at this scale) down and to the
// right, then in the shadow colour in place.
QImage Embossed(const QImage& strip, QRgb key, int scale, const QPalette& palette) {
  const QRgb face = palette.color(QPalette::Button).rgb();
  const QRgb highlight = palette.color(QPalette::Light).rgb();
  const QRgb shadow = palette.color(QPalette::Dark).rgb();
  QImage out(strip.size(), QImage::Format_ARGB32);
  out.fill(face);
  auto marked = [&](int x, int y) {
    const QRgb p = strip.pixel(x, y);
    return p != key && qAlpha(p) >= 128 && qGray(p) < 192;
  };
  for (int y = 0; y < strip.height(); ++y)
    for (int x = 0; x < strip.width(); ++x)
      if (marked(x, y) && x + scale < out.width() && y + scale < out.height())
        out.setPixel(x + scale, y + scale, highlight);
  for (int y = 0; y < strip.height(); ++y)
    for (int x = 0; x < strip.width(); ++x)
      if (marked(x, y)) out.setPixel(x, y, shadow);
  return WithoutColor(out, face);
}

class FontCaptionMetrics : public CaptionMetrics {
public:
  explicit FontCaptionMetrics(const QFont& font) : metrics_(font) {}
  int LineWidth(const std::u32string& line) const override {
    return metrics_.horizontalAdvance(QString::fromStdU32String(line));
  }
  SkinSize TextSize(const std::u32string& text, int width) const override {
    const QRect box = metrics_.boundingRect(QRect(0, 0, width, 0), Qt::AlignHCenter | Qt::TextShowMnemonic,
                                            QString::fromStdU32String(text));
    return {box.width(), box.height()};
  }

private:
  QFontMetrics metrics_;
};

}  // namespace

void TButtonGlyph::SetGlyph(const QImage& strip, const QImage& twin) {
  strip_ = strip.isNull() ? QImage() : strip.convertToFormat(QImage::Format_ARGB32);
  twin_ = !strip.isNull() && twin.size() == strip.size() * 2 ? twin.convertToFormat(QImage::Format_ARGB32)
                                                             : QImage();
  ClearCache();
  if (strip_.height() > 0) {
    transparent_ = BottomLeft(strip_);
    numGlyphs_ = NumGlyphsForStrip(strip_.width(), strip_.height(), numGlyphs_);
  }
}

bool TButtonGlyph::SetNumGlyphs(int value) {
  const int next = ClampNumGlyphs(value, numGlyphs_);
  if (next == numGlyphs_) return false;
  numGlyphs_ = next;
  ClearCache();
  return true;
}

void TButtonGlyph::ClearCache() {
  cache_ = {};
  twinCache_ = {};
  prepared_ = {};
  twinPrepared_ = {};
}

QImage TButtonGlyph::Prepare(const QImage& strip, int scale, ButtonState state, const QPalette& palette) const {
  const auto source = GlyphSourceFor(state, numGlyphs_, strip_.width(), strip_.height());
  if (!source || strip.isNull()) return {};
  const QRgb key = scale == 1 ? transparent_ : BottomLeft(strip);
  if (source->embossed) return Embossed(strip, key, scale, palette);
  const QRect slice = ToQRect(source->slice);
  return WithoutColor(strip.copy(QRect(slice.topLeft() * scale, slice.size() * scale)), key);
}

const QImage& TButtonGlyph::Image(ButtonState state, const QPalette& palette, bool twin) {
  const auto k = static_cast<std::size_t>(state);
  auto& cache = twin ? twinCache_ : cache_;
  auto& prepared = twin ? twinPrepared_ : prepared_;
  if (!prepared[k]) {
    cache[k] = twin ? Prepare(twin_, 2, state, palette) : Prepare(strip_, 1, state, palette);
    prepared[k] = true;
  }
  return cache[k];
}

void TButtonGlyph::Draw(QPainter& painter, const LayoutRect& paint, const QString& caption,
                        const QFont& font, TButtonLayout layout, int margin, int spacing,
                        ButtonState state, const QPalette& palette) {
  SkinSize glyph;
  if (!strip_.isNull()) glyph = {strip_.width() / numGlyphs_, strip_.height()};
  const FontCaptionMetrics metrics(font);
  const auto place = PlaceGlyphAndCaption({paint, glyph, layout, margin, spacing},
                                                   caption.toStdU32String(), metrics);

  const bool dense = !twin_.isNull() && DenseDevice(painter);
  const QImage& image = Image(state, palette, dense);
  if (!image.isNull()) {
    const QSize size = dense ? image.size() / 2 : image.size();
    painter.drawImage(QRect(QPoint(place.glyphX, place.glyphY), size), image);
  }

  if (place.caption.empty()) return;
  const QString text = QString::fromStdU32String(place.caption);
  const QRect box = ToQRect(place.text);
  const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic;
  painter.setFont(font);
  if (state == ButtonState::Disabled) {
    painter.setPen(Qt::white);
    painter.drawText(box.translated(1, 1), flags, text);
    painter.setPen(QColor(0x80, 0x80, 0x80));
  } else {
    painter.setPen(palette.color(QPalette::ButtonText));
  }
  painter.drawText(box, flags, text);
}

}  // namespace lumivra
