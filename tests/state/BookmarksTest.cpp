#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "content/ContentError.h"
#include "state/Bookmarks.h"

using namespace lumivra;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

namespace {

StringList Numbered(int count) {
  StringList list;
  for (int i = 1; i <= count; ++i) list.push_back(std::to_string(i) + ":1");
  return list;
}

}  // namespace

TEST(BookmarkLoading, HandEditedLines) {
  StringList bookmarks;
  LoadBookmarks({"7:86", "ViewOption=1", "  [Bookmarks]  ", "  2:255  ", "", "\t", "abc:def", "7:",
                 ":86", " :86", "7: ", "nocolon", "1:2:3", "[Bookmarks]", "2:255"},
                bookmarks);
  EXPECT_EQ(bookmarks, (StringList{"2:255", "abc:def", "1:2:3", "2:255"}));

  StringList none;
  LoadBookmarks({"7:86", "[bookmarks]", "2:255"}, none);
  EXPECT_TRUE(none.empty());
}

TEST(BookmarkLoading, OnlyTheFirstTwentyAreKept) {
  StringList lines{"[Bookmarks]"};
  for (int i = 1; i <= 25; ++i) lines.push_back(std::to_string(i) + ":5");
  StringList bookmarks;
  LoadBookmarks(lines, bookmarks);
  ASSERT_EQ(bookmarks.size(), 20u);
  EXPECT_EQ(bookmarks.front(), "1:5");
  EXPECT_EQ(bookmarks.back(), "20:5");
}

TEST(BookmarkAdding, DuplicatesLimitAndChapterOnly) {
  StringList bookmarks{" 2:255 "};
  EXPECT_EQ(AddBookmark(bookmarks, ""), BookmarkAddResult::kNoVerse);
  EXPECT_EQ(AddBookmark(bookmarks, "2:255"), BookmarkAddResult::kDuplicate);
  EXPECT_EQ(AddBookmark(bookmarks, "7:86"), BookmarkAddResult::kAdded);
  EXPECT_EQ(AddBookmark(bookmarks, "7:86"), BookmarkAddResult::kDuplicate);
  EXPECT_EQ(AddBookmark(bookmarks, "007:86"), BookmarkAddResult::kAdded);
  EXPECT_EQ(bookmarks, (StringList{" 2:255 ", "7:86", "007:86"}));

  StringList full = Numbered(20);
  EXPECT_EQ(AddBookmark(full, "99:9"), BookmarkAddResult::kFull);
  EXPECT_EQ(AddBookmark(full, "1:1"), BookmarkAddResult::kFull);
  EXPECT_EQ(full, Numbered(20));
}

TEST(BookmarkDeleting, KeepsOrderAndRejectsBadIndex) {
  StringList bookmarks = Numbered(5);
  DeleteBookmark(bookmarks, 2);
  EXPECT_EQ(bookmarks, (StringList{"1:1", "2:1", "4:1", "5:1"}));
  EXPECT_THROW(DeleteBookmark(bookmarks, 4), ContentError);
  EXPECT_THAT([&] { DeleteBookmark(bookmarks, -1); },
              ThrowsMessage<ContentError>(StrEq("List index out of bounds (-1)")));
  EXPECT_EQ(bookmarks.size(), 4u);
}

TEST(BookmarkFollowing, ChapterAndSearchText) {
  const auto target = BookmarkLocation("7:86");
  ASSERT_TRUE(target);
  EXPECT_EQ(target->chapter, 7);
  EXPECT_EQ(target->text, "7:86");
  EXPECT_EQ(BookmarkLocation("007:86")->chapter, 7);
  EXPECT_EQ(BookmarkLocation("007:86")->text, "007:86");
  EXPECT_FALSE(BookmarkLocation("abc:def"));
  EXPECT_FALSE(BookmarkLocation("0:1"));
  EXPECT_FALSE(BookmarkLocation("115:1"));
  EXPECT_EQ(BookmarkCaption("7:86"), "7. Al-A'r\xE2" "f : The Purgatory... Verse 86");
  EXPECT_EQ(BookmarkCaption("abc:def"), "Not Known... Verse def");
}

TEST(BookmarkMenu, AddShowsItemsInOrderWithTags) {
  BookmarkMenuModel menu;
  EXPECT_FALSE(menu.separatorVisible);
  EXPECT_FALSE(menu.deleteEnabled);
  EXPECT_EQ(menu.items[0].caption, "B&0 :");
  EXPECT_EQ(menu.items[19].caption, "C&9");

  StringList bookmarks;
  for (int i = 1; i <= 12; ++i) {
    ASSERT_EQ(AddBookmark(bookmarks, std::to_string(i) + ":3"), BookmarkAddResult::kAdded);
    ShowAddedBookmark(menu, bookmarks);
  }
  EXPECT_TRUE(menu.separatorVisible);
  EXPECT_TRUE(menu.deleteEnabled);
  for (size_t i = 0; i < 20; ++i) {
    EXPECT_EQ(menu.items[i].visible, i < 12);
    if (i < 12) {
      EXPECT_EQ(menu.items[i].tag, static_cast<int>(i));
    }
  }
  EXPECT_EQ(menu.items[11].caption, BookmarkCaption("12:3"));  // shown by C11
}

TEST(BookmarkMenu, DeletingRenumbersAndTheLastLeavesTheSeparator) {
  StringList bookmarks = Numbered(5);
  BookmarkMenuModel menu;
  RefreshBookmarkMenu(menu, bookmarks);
  const auto captions = VisibleBookmarkCaptions(menu);
  ASSERT_EQ(captions.size(), 5u);
  EXPECT_EQ(captions[0], "1. Al-F\xE2tihah : The Opening... Verse 1");

  DeleteBookmark(bookmarks, 2);
  RefreshBookmarkMenu(menu, bookmarks);
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_TRUE(menu.items[i].visible);
    EXPECT_EQ(menu.items[i].tag, static_cast<int>(i));
    EXPECT_EQ(menu.items[i].caption, BookmarkCaption(bookmarks[i]));
  }
  EXPECT_FALSE(menu.items[4].visible);
  EXPECT_TRUE(menu.items[4].caption.empty());

  bookmarks.clear();
  RefreshBookmarkMenu(menu, bookmarks);
  EXPECT_TRUE(menu.separatorVisible);
  EXPECT_FALSE(menu.deleteEnabled);
  EXPECT_TRUE(VisibleBookmarkCaptions(menu).empty());
}

TEST(BookmarkMenu, AmpersandsLeaveTheDeleteList) {
  BookmarkMenuModel menu;
  menu.items[0].visible = true;
  menu.items[0].caption = "&7. Al-A'r\xE2" "f && more";
  menu.items[2].visible = true;
  menu.items[2].caption = "x";
  EXPECT_EQ(VisibleBookmarkCaptions(menu), (StringList{"7. Al-A'r\xE2" "f  more", "x"}));
}
