#pragma once
#include <string>

namespace lumivra {

inline constexpr char kHomeKey[] = "Home";
inline constexpr char kBookKey[] = "Olvar~0";

// "Olvar~" followed by the chapter number (0 names the book node).
std::string ChapterNodeKey(int chapter);

// Field `field` (counting from 1) of `text` split at `separator`; "" when absent.
std::string GetKeyField(const std::string& text, char separator, int field);

}  // namespace lumivra
