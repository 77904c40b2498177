#pragma once
#include <QColor>
#include <QProxyStyle>
#include <functional>

class QMenuBar;
class QStyleOptionMenuItem;

namespace lumivra {

// Draws the main menu bar and its drop-down menus: a 20-pixel picture column,
// the button face behind every item, the selection as a rounded outline with
// its caption in the theme's menu colour, grey for disabled items, a rounded
// check box, grey separator lines, captions in Tahoma with underlined
// accelerators and the shortcut right-aligned. Item sizes are the base
// style's for a menu with 16 x 16 pictures; a separator is 9 pixels high, so
// its line falls inside it.
class ThemeMenuStyle : public QProxyStyle {
  Q_OBJECT
public:
  // `menuColor` gives the theme's menu colour at each drawing; `face` is the
  // colour behind the items.
  ThemeMenuStyle(std::function<QColor()> menuColor, const QColor& face);

  // Menus and the bar take the face colour as their background.
  void polish(QWidget* widget) override;
  using QProxyStyle::polish;

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override;
  // A drop-down menu keeps a 1-pixel border round its items.
  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;

  // One item, as drawn for the menu bar (`topLevel`) or a drop-down menu.
  void DrawMenuItem(QPainter& painter, const QStyleOptionMenuItem& item, bool topLevel) const;

private:
  std::function<QColor()> menuColor_;
  QColor face_;
};

// Gives `bar` and every menu below it the style, then redraws the bar.
void SetupMenuDrawing(QMenuBar& bar, ThemeMenuStyle& style);

}  // namespace lumivra
