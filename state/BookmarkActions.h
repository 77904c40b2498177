#pragma once
#include <array>

#include "state/Bookmarks.h"

class QAction;

namespace lumivra {

// The menu items the bookmark menu model is shown on.
struct TBookmarkActions {
  QAction* separator = nullptr;    // N3
  QAction* deleteItem = nullptr;   // "&Delete Bookmarks..."
  std::array<QAction*, kMaxBookmarks> items{};  // B0 … B9, C01 … C91
};

// The state the items show now; the tag of an item is its data().
BookmarkMenuModel ReadBookmarkMenu(const TBookmarkActions& actions);

// Shows `menu` on the items.
void ApplyBookmarkMenu(const BookmarkMenuModel& menu, const TBookmarkActions& actions);

}  // namespace lumivra
