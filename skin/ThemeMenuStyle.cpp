#include "skin/ThemeMenuStyle.h"

#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyleOptionMenuItem>
#include <qdrawutil.h>

#include "skin/MenuItemLayout.h"
#include "skin/SkinPainter.h"

namespace lumivra {

namespace {

constexpr int kPictureColumn = 20;
constexpr int kSeparatorHeight = 9;

LayoutRect ToLayoutRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

bool HasPicture(const QStyleOptionMenuItem& item) { return !item.icon.isNull(); }

}  // namespace

ThemeMenuStyle::ThemeMenuStyle(std::function<QColor()> menuColor, const QColor& face)
    : menuColor_(std::move(menuColor)), face_(face) {}

void ThemeMenuStyle::polish(QWidget* widget) {
  QProxyStyle::polish(widget);
  if (qobject_cast<QMenu*>(widget) == nullptr && qobject_cast<QMenuBar*>(widget) == nullptr) return;
  QPalette palette = widget->palette();
  for (auto role : {QPalette::Button, QPalette::Window, QPalette::Base}) palette.setColor(role, face_);
  widget->setPalette(palette);
}

void ThemeMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const {
  if (element == PE_FrameMenu) {
    qDrawPlainRect(painter, option->rect, face_.darker(160), 1);
    return;
  }
  if (element != PE_PanelMenu) {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    return;
  }
  // The drop-down's own background is the face too, so no seam shows above
  // an item's text.
  const QBrush face(face_);
  qDrawPlainRect(painter, option->rect, face_.darker(160), 1, &face);
}

int ThemeMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
  if (metric == PM_MenuPanelWidth) return 1;
  return QProxyStyle::pixelMetric(metric, option, widget);
}

void ThemeMenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const {
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  if (item != nullptr && (element == CE_MenuItem || element == CE_MenuBarItem)) {
    DrawMenuItem(*painter, *item, element == CE_MenuBarItem);
  } else if (element == CE_MenuBarEmptyArea) {
    painter->fillRect(option->rect, option->palette.color(QPalette::Button));
  } else {
    QProxyStyle::drawControl(element, option, painter, widget);
  }
}

QSize ThemeMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                       const QWidget* widget) const {
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  if (item != nullptr && type == CT_MenuItem) {
    // Every drop-down item has its picture column.
    QStyleOptionMenuItem withPictures(*item);
    withPictures.maxIconWidth = std::max(item->maxIconWidth, 16);
    QSize itemSize = QProxyStyle::sizeFromContents(type, &withPictures, size, widget);
    if (item->menuItemType == QStyleOptionMenuItem::Separator) itemSize.setHeight(kSeparatorHeight);
    return itemSize;
  }
  if (item != nullptr && type == CT_MenuBarItem && HasPicture(*item)) {
    // The bar measures an item with a picture by the picture alone.
    QFont font = item->font;
    font.setFamily("Tahoma");
    const QSize text = QFontMetrics(font).size(Qt::TextShowMnemonic, " " + item->text);
    const QSize base = QProxyStyle::sizeFromContents(type, option, text, widget);
    return {base.width() + kPictureColumn, std::max(base.height(), 18)};
  }
  return QProxyStyle::sizeFromContents(type, option, size, widget);
}

void ThemeMenuStyle::DrawMenuItem(QPainter& p, const QStyleOptionMenuItem& item, bool topLevel) const {
  MenuItemInput in;
  in.item = ToLayoutRect(item.rect);
  in.topLevel = topLevel;
  in.hasPicture = HasPicture(item);
  in.separator = item.menuItemType == QStyleOptionMenuItem::Separator;
  in.checked = item.checkType != QStyleOptionMenuItem::NotCheckable && item.checked;
  in.selected = (item.state & State_Selected) != 0;
  in.enabled = (item.state & State_Enabled) != 0;
  in.isDefault = item.menuItemType == QStyleOptionMenuItem::DefaultItem;
  in.rightToLeft = item.direction == Qt::RightToLeft;
  const auto layout = LayoutMenuItem(in);

  const QColor& face = face_;
  const QColor ink(Qt::black);
  const QColor grey(0x80, 0x80, 0x80);
  const QColor accent = menuColor_();
  p.save();
  for (const auto& fill : layout.faceFills) p.fillRect(ToQRect(fill), face);
  if (layout.outline) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(accent);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(ToQRect(*layout.outline)).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    p.setRenderHint(QPainter::Antialiasing, false);
  }
  if (in.hasPicture)
    p.drawPixmap(layout.pictureX, layout.pictureY, item.icon.pixmap(QSize(16, 16), p.device()->devicePixelRatio()));
  if (layout.checkMark) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(ink);
    p.setBrush(face);
    p.drawRoundedRect(QRectF(ToQRect(*layout.checkMark)).adjusted(0.5, 0.5, -0.5, -0.5), 1.5, 1.5);
    p.setRenderHint(QPainter::Antialiasing, false);
  }
  if (in.separator) {
    p.setPen(grey);
    p.drawLine(layout.lineLeft, layout.lineY, layout.lineRight, layout.lineY);
    p.restore();
    return;
  }

  QFont font = item.font;
  font.setFamily("Tahoma");
  p.setFont(font);
  const qsizetype tab = item.text.indexOf('\t');
  const QString caption = " " + item.text.left(tab);
  const QString shortcut = (tab < 0 ? QString() : item.text.mid(tab + 1)) + " ";
  const int textAlign = (in.rightToLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop | Qt::TextShowMnemonic;
  const int shortcutAlign = (in.rightToLeft ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignTop;
  if (layout.shadow) {
    p.setPen(grey);
    p.drawText(ToQRect(*layout.shadow), textAlign, caption);
  }
  p.setPen(layout.ink == MenuInk::Accent ? accent : layout.ink == MenuInk::Grey ? grey : ink);
  const QRect text = ToQRect(layout.text);
  p.drawText(text, textAlign, caption);
  p.drawText(text, shortcutAlign, shortcut);
  p.restore();
}

void SetupMenuDrawing(QMenuBar& bar, ThemeMenuStyle& style) {
  bar.setStyle(&style);
  for (QMenu* menu : bar.findChildren<QMenu*>()) menu->setStyle(&style);
  bar.update();
}

}  // namespace lumivra
