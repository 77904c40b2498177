// Any bytes as "Settings.ini": read as a start reads it, the bookmarks put on
// the menu and followed, and saved again: what was read reads back the same.
#include <cstdint>
#include <string_view>

#include "content/TextSizes.h"
#include "content/TextLines.h"
#include "state/Bookmarks.h"
#include "state/Settings.h"

using namespace lumivra;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  StringList bookmarks;
  const SettingsReadResult read =
      ReadSettingsLines(SplitLines(std::string_view(reinterpret_cast<const char*>(data), size)), bookmarks);
  if (bookmarks.size() > kMaxBookmarks) __builtin_trap();

  BookmarkMenuModel menu;
  RefreshBookmarkMenu(menu, bookmarks);
  if (VisibleBookmarkCaptions(menu).size() != bookmarks.size()) __builtin_trap();
  for (const auto& bookmark : bookmarks) {
    BookmarkCaption(bookmark);
    const auto target = BookmarkLocation(bookmark);
    if (target && (target->chapter < 1 || target->chapter > 114)) __builtin_trap();
  }

  if (!IsTextSize(read.textSize)) __builtin_trap();
  const SettingsValues values{read.viewOption, read.themeType, read.initODefaultPage, bookmarks,
                              read.textSize};
  StringList again;
  const SettingsReadResult reread =
      ReadSettingsLines(SplitLines(JoinLines(BuildSettingsLines(values, "01/01/2001 00:00:00"))), again);
  if (again != bookmarks || reread.usable != read.usable ||
      reread.initODefaultPage != read.initODefaultPage || reread.textSize != read.textSize)
    __builtin_trap();
  if (read.usable && (reread.viewOption != read.viewOption || reread.themeType != read.themeType))
    __builtin_trap();
  return 0;
}
