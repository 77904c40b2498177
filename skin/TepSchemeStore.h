#pragma once
#include <QImage>
#include <QObject>
#include <array>

#include "skin/SkinLayout.h"

namespace lumivra {

// The seven skin bitmaps, each cut into the slices the painters copy from.
// The store keeps its own copies; setting one repaints the owner (its parent)
// when that is a widget.
//
// Each bitmap may come with a double-size twin of the same layout; painters
// on a device pixel ratio above 1 copy from the twin.
class TepSchemeStore : public QObject {
  Q_OBJECT
public:
  explicit TepSchemeStore(QObject* owner = nullptr);

  const QImage& ActiveCaption() const { return Image(SkinImage::ActiveCaption); }
  const QImage& InactiveCaption() const { return Image(SkinImage::InactiveCaption); }
  const QImage& CaptionButtons() const { return Image(SkinImage::CaptionButtons); }
  const QImage& Border() const { return Image(SkinImage::Border); }
  const QImage& SmBorder() const { return Image(SkinImage::SmBorder); }
  const QImage& SpeedButton() const { return Image(SkinImage::SpeedButton); }
  const QImage& WallPaper() const { return Image(SkinImage::WallPaper); }

  void SetActiveCaption(const QImage& image, const QImage& twin = {}) {
    Set(SkinImage::ActiveCaption, image, twin);
  }
  void SetInactiveCaption(const QImage& image, const QImage& twin = {}) {
    Set(SkinImage::InactiveCaption, image, twin);
  }
  void SetCaptionButtons(const QImage& image, const QImage& twin = {}) {
    Set(SkinImage::CaptionButtons, image, twin);
  }
  void SetBorder(const QImage& image, const QImage& twin = {}) {
    Set(SkinImage::Border, image, twin);
  }
  void SetSmBorder(const QImage& image, const QImage& twin = {}) {
    Set(SkinImage::SmBorder, image, twin);
  }
  void SetSpeedButton(const QImage& image, const QImage& twin = {}) {
    Set(SkinImage::SpeedButton, image, twin);
  }
  void SetWallPaper(const QImage& image, const QImage& twin = {}) {
    Set(SkinImage::WallPaper, image, twin);
  }

  const QImage& Image(SkinImage which) const;
  // The double-size twin; null when none was given or its size is not
  // exactly twice the bitmap's.
  const QImage& Twin(SkinImage which) const;
  SkinSize Size(SkinImage which) const;

  // One setter for all seven: copies `image` (an empty one empties the
  // store's copy), then repaints the owner.
  void Set(SkinImage which, const QImage& image, const QImage& twin = {});

private:
  struct Slot {
    QImage image;
    QImage twin;
  };
  std::array<Slot, kSkinImageCount> slots_;
};

}  // namespace lumivra
