#pragma once
#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "content/StringList.h"

namespace lumivra {

inline constexpr size_t kMaxBookmarks = 20;

inline constexpr char kBookmarkLimitMessage[] =
    "Enable to add bookmark : A maximum of 20 bookmarks are allowed.";
inline constexpr char kBookmarkPresentMessage[] =
    "Enable to add bookmark : Bookmark is already present.";

// Appends the bookmarks of a settings file to `bookmarks`: every non-blank
// line from the first "[Bookmarks]" line on whose first and second
// ":"-fields are non-blank, trimmed, up to 20 entries in all.
void LoadBookmarks(const StringList& lines, StringList& bookmarks);

enum class BookmarkAddResult {
  kAdded,
  kNoVerse,    // the entry named a chapter only; nothing to say
  kFull,       // kBookmarkLimitMessage
  kDuplicate,  // kBookmarkPresentMessage
};

// Appends `verseRef` unless it is empty, the list is full or the same text
// (both trimmed) is already there.
BookmarkAddResult AddBookmark(StringList& bookmarks, const std::string& verseRef);

// Removes entry `index`, keeping the order of the rest. Throws ContentError
// "List index out of bounds (index)" when there is no such entry.
void DeleteBookmark(StringList& bookmarks, int index);

// "7. Al-A'râf : The Purgatory... Verse 86" for "7:86".
std::string BookmarkCaption(const std::string& bookmark);

// Where following a bookmark leads: the chapter node and the text searched
// for on its page.
struct BookmarkTarget {
  int chapter = 0;
  std::string text;
};

// nullopt when the chapter part is not an integer, or names no chapter.
std::optional<BookmarkTarget> BookmarkLocation(const std::string& bookmark);

// The bookmark items of the "&Bookmarks" menu: the separator, the delete
// command and the twenty items B0 … B9, C01 … C91 (item i shows bookmark i).
struct BookmarkMenuItem {
  bool visible = false;
  std::string caption;
  int tag = 0;
};

struct BookmarkMenuModel {
  BookmarkMenuModel();  // as the menu starts: everything hidden, delete disabled
  bool separatorVisible = false;
  bool deleteEnabled = false;
  std::array<BookmarkMenuItem, kMaxBookmarks> items;
};

// The captions the bookmark items start with: "B&0 :" … "B&9 :", "C&0" … "C&9".
std::string InitialBookmarkItemCaption(size_t item);

// Rebuilds every item from `bookmarks`.
void RefreshBookmarkMenu(BookmarkMenuModel& menu, const StringList& bookmarks);

// Shows the entry just appended to `bookmarks` in the first hidden item.
void ShowAddedBookmark(BookmarkMenuModel& menu, const StringList& bookmarks);

// The captions of the visible items in menu order, every "&" removed.
StringList VisibleBookmarkCaptions(const BookmarkMenuModel& menu);

}  // namespace lumivra
