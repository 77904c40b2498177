#pragma once
#include <optional>
#include <vector>

#include "skin/SkinLayout.h"

namespace lumivra {

// One item of the owner-drawn main menu: a menu bar item or a drop-down item.
struct MenuItemInput {
  LayoutRect item;            // the item's rectangle
  bool topLevel = false;    // an item of the menu bar
  bool hasPicture = false;  // the item shows a picture
  bool separator = false;
  bool checked = false;
  bool selected = false;
  bool enabled = true;
  bool isDefault = false;
  bool rightToLeft = false;
};

enum class MenuInk : int { Ink, Grey, Accent };  // black, 0x808080, the theme's menu colour

// Where the parts of a menu item go and in which colours. Everything is
// mirrored for right-to-left menus: picture column on the right, the caption
// right-aligned, the shortcut left-aligned.
struct MenuItemLayout {
  std::vector<LayoutRect> faceFills;   // filled with the button face, in order
  LayoutRect pictureColumn;            // 20 pixels wide
  LayoutRect text;                     // caption and shortcut go in here
  std::optional<LayoutRect> outline;   // the selection's rounded outline (6 x 6 corners)
  int pictureX = 0;                  // the picture's top-left corner
  int pictureY = 0;
  std::optional<LayoutRect> checkMark; // rounded box (3 x 3 corners), ink outline, face fill
  // A separator draws one grey line from (lineLeft, lineY) to (lineRight, lineY)
  // and nothing else.
  int lineLeft = 0;
  int lineRight = 0;
  int lineY = 0;
  MenuInk ink = MenuInk::Ink;
  // The default item's grey shadow: the caption once more in `shadow`
  // before the caption itself in ink.
  std::optional<LayoutRect> shadow;
};

MenuItemLayout LayoutMenuItem(const MenuItemInput& input);

}  // namespace lumivra
