#include "skin/MenuItemLayout.h"

namespace lumivra {

namespace {

constexpr int kPictureColumn = 20;

// a / 2 rounded half to even.
int HalfRoundedToEven(int a) {
  const int half = a / 2;
  return a % 2 == 0 || half % 2 == 0 ? half : half + 1;
}

// Rectangles from the left edge of `item`, turned into their mirror images
// inside it for a right-to-left menu.
LayoutRect Mirrored(const LayoutRect& r, const LayoutRect& item, bool rightToLeft) {
  if (!rightToLeft) return r;
  return {item.x + item.Right() - r.Right(), r.y, r.width, r.height};
}

}  // namespace

MenuItemLayout LayoutMenuItem(const MenuItemInput& in) {
  const LayoutRect& r = in.item;
  MenuItemLayout out;
  LayoutRect picture{r.x, r.y, kPictureColumn, r.height};
  LayoutRect text{r.x + kPictureColumn, r.y + 2, r.width - kPictureColumn, r.height - 2};
  out.faceFills.push_back(text);
  if (in.topLevel) {
    out.faceFills.push_back(r);
    if (!in.hasPicture) text = r;
  }
  out.faceFills.push_back(picture);
  out.ink = in.enabled ? MenuInk::Ink : MenuInk::Grey;
  if (in.selected) {
    out.faceFills.push_back(text);
    out.outline = text;
    if (in.enabled) out.ink = MenuInk::Accent;
  }
  out.pictureX = picture.x + 2;
  out.pictureY = picture.y + 1;
  if (in.checked)
    out.checkMark = LayoutRect{picture.x + 6, picture.y + 6, picture.width - 12, picture.height - 12};
  if (in.separator) {
    out.lineLeft = r.x + 2;
    out.lineRight = r.Right() - 2;
    out.lineY = text.y + HalfRoundedToEven(text.height);
  } else if (in.isDefault) {
    out.shadow = LayoutRect{text.x + 1, text.y + 1, text.width, text.height - 1};
    out.ink = MenuInk::Ink;
  }

  for (LayoutRect& fill : out.faceFills) fill = Mirrored(fill, r, in.rightToLeft);
  out.pictureColumn = Mirrored(picture, r, in.rightToLeft);
  out.text = Mirrored(text, r, in.rightToLeft);
  if (out.outline) out.outline = Mirrored(*out.outline, r, in.rightToLeft);
  if (out.checkMark) out.checkMark = Mirrored(*out.checkMark, r, in.rightToLeft);
  if (out.shadow) out.shadow = Mirrored(*out.shadow, r, in.rightToLeft);
  if (in.rightToLeft) out.pictureX = out.pictureColumn.x + 2;
  return out;
}

}  // namespace lumivra
