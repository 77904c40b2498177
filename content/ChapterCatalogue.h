#pragma once
#include <string>

namespace lumivra {

inline constexpr int kChapterCount = 114;

// "001 - Al-Fâtihah" for index 0 … "114 - An-Nâs" for index 113; "" otherwise.
std::string ChapterListName(int index);

// "1. Al-Fâtihah : The Opening" for the chapter text "1"; "Not Known." for 115,
// "Not Known" for anything else.
std::string ChapterLongName(const std::string& chapter);

// The bare transliterated name ("Al-Fâtihah") and English title ("The Opening")
// of chapter 1 … 114; "" outside that range.
std::string ChapterName(int chapter);
std::string ChapterTitle(int chapter);

}  // namespace lumivra
