#include "state/Bookmarks.h"

#include <algorithm>

#include "content/ChapterCatalogue.h"
#include "content/ContentError.h"
#include "content/IntConvert.h"
#include "content/NodeKey.h"
#include "content/TextLines.h"

namespace lumivra {

void LoadBookmarks(const StringList& lines, StringList& bookmarks) {
  const auto start =
      std::find_if(lines.begin(), lines.end(), [](const std::string& l) { return Trim(l) == "[Bookmarks]"; });
  for (auto it = start; it != lines.end(); ++it) {
    const std::string trimmed = Trim(*it);
    if (trimmed.empty()) continue;
    if (Trim(GetKeyField(*it, ':', 1)).empty() || Trim(GetKeyField(*it, ':', 2)).empty()) continue;
    if (bookmarks.size() >= kMaxBookmarks) continue;
    bookmarks.push_back(trimmed);
  }
}

BookmarkAddResult AddBookmark(StringList& bookmarks, const std::string& verseRef) {
  if (verseRef.empty()) return BookmarkAddResult::kNoVerse;
  if (bookmarks.size() >= kMaxBookmarks) return BookmarkAddResult::kFull;
  const std::string wanted = Trim(verseRef);
  for (const auto& b : bookmarks)
    if (Trim(b) == wanted) return BookmarkAddResult::kDuplicate;
  bookmarks.push_back(verseRef);
  return BookmarkAddResult::kAdded;
}

void DeleteBookmark(StringList& bookmarks, int index) {
  if (index < 0 || static_cast<size_t>(index) >= bookmarks.size())
    throw ContentError("List index out of bounds (" + std::to_string(index) + ")");
  bookmarks.erase(bookmarks.begin() + index);
}

std::string BookmarkCaption(const std::string& bookmark) {
  return ChapterLongName(GetKeyField(bookmark, ':', 1)) + "... Verse " + GetKeyField(bookmark, ':', 2);
}

std::optional<BookmarkTarget> BookmarkLocation(const std::string& bookmark) {
  const auto chapter = ParseInt(GetKeyField(bookmark, ':', 1));
  if (!chapter || Trim(bookmark).empty()) return std::nullopt;
  // A hand-edited chapter outside the tree leads nowhere.
  if (*chapter < 1 || *chapter > kChapterCount) return std::nullopt;
  return BookmarkTarget{*chapter, bookmark};
}

std::string InitialBookmarkItemCaption(size_t item) {
  const std::string digit(1, static_cast<char>('0' + item % 10));
  return item < 10 ? "B&" + digit + " :" : "C&" + digit;
}

BookmarkMenuModel::BookmarkMenuModel() {
  for (size_t i = 0; i < items.size(); ++i) items[i].caption = InitialBookmarkItemCaption(i);
}

void RefreshBookmarkMenu(BookmarkMenuModel& menu, const StringList& bookmarks) {
  for (auto& item : menu.items) {
    item.visible = false;
    item.caption.clear();
  }
  if (bookmarks.empty()) {
    menu.deleteEnabled = false;
    return;
  }
  menu.separatorVisible = true;
  const size_t shown = std::min(bookmarks.size(), menu.items.size());
  for (size_t i = 0; i < shown; ++i) {
    auto& item = menu.items[i];
    item.visible = true;
    item.tag = static_cast<int>(i);
    item.caption = BookmarkCaption(bookmarks[i]);
  }
  menu.deleteEnabled = true;
}

void ShowAddedBookmark(BookmarkMenuModel& menu, const StringList& bookmarks) {
  if (bookmarks.empty()) return;
  menu.separatorVisible = true;
  const auto hidden = std::find_if(menu.items.begin(), menu.items.end(),
                                   [](const BookmarkMenuItem& item) { return !item.visible; });
  if (hidden != menu.items.end()) {
    hidden->visible = true;
    hidden->tag = static_cast<int>(bookmarks.size() - 1);
    hidden->caption = BookmarkCaption(bookmarks.back());
  }
  menu.deleteEnabled = true;
}

StringList VisibleBookmarkCaptions(const BookmarkMenuModel& menu) {
  StringList captions;
  for (const auto& item : menu.items) {
    if (!item.visible) continue;
    std::string caption = item.caption;
    std::erase(caption, '&');
    captions.push_back(caption);
  }
  return captions;
}

}  // namespace lumivra
