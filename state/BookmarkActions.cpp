#include "state/BookmarkActions.h"

#include <QAction>

#include "content/Cp1252.h"

namespace lumivra {

BookmarkMenuModel ReadBookmarkMenu(const TBookmarkActions& actions) {
  BookmarkMenuModel menu;
  if (actions.separator) menu.separatorVisible = actions.separator->isVisible();
  if (actions.deleteItem) menu.deleteEnabled = actions.deleteItem->isEnabled();
  for (size_t i = 0; i < actions.items.size(); ++i) {
    const QAction* action = actions.items[i];
    if (!action) continue;
    auto& item = menu.items[i];
    item.visible = action->isVisible();
    item.caption = Utf8ToCp1252(action->text().toStdString()).value_or("");
    item.tag = action->data().toInt();
  }
  return menu;
}

void ApplyBookmarkMenu(const BookmarkMenuModel& menu, const TBookmarkActions& actions) {
  if (actions.separator) actions.separator->setVisible(menu.separatorVisible);
  if (actions.deleteItem) actions.deleteItem->setEnabled(menu.deleteEnabled);
  for (size_t i = 0; i < actions.items.size(); ++i) {
    QAction* action = actions.items[i];
    if (!action) continue;
    const auto& item = menu.items[i];
    action->setText(QString::fromStdString(Cp1252ToUtf8(item.caption)));
    action->setData(item.tag);
    action->setVisible(item.visible);
  }
}

}  // namespace lumivra
