#pragma once
#include <cstdint>
#include <ctime>
#include <string>

#include "content/TextSizes.h"
#include "content/StringList.h"

namespace lumivra {

inline constexpr char kSettingsFileName[] = "Settings.ini";

// The values kept from one run to the next.
struct SettingsValues {
  int32_t viewOption = 0;
  int32_t themeType = 0;
  int32_t initODefaultPage = 0;
  StringList bookmarks;
  // The main pane's text size; saved only when it is not 100.
  int32_t textSize = kNormalTextSize;
};

// Outcome of reading the lines of a settings file.
struct SettingsReadResult {
  // "ViewOption" and "ThemeType" were both read as integers and neither is
  // negative; only then are the values usable.
  bool usable = false;
  int32_t viewOption = -1;
  int32_t themeType = -1;  // mapped to 0 when above 3
  int32_t initODefaultPage = 0;
  // "TextSize": 100 when missing, not an integer or not a text size.
  int32_t textSize = kNormalTextSize;
};

// "dd/mm/yyyy hh:nn:ss" of `when`, with `dateSeparator` for each "/" and
// `timeSeparator` for each ":".
std::string FormatSettingsTimestamp(const std::tm& when, const std::string& dateSeparator,
                                    const std::string& timeSeparator);

// The lines of the file, header first; "TextSize=" only when the size is not
// 100; the bookmark section only when there are bookmarks.
StringList BuildSettingsLines(const SettingsValues& values, const std::string& timestamp);

// The text after the first "=" of the first line whose text before that "="
// equals `key` regardless of letter case; "" when no line matches.
std::string LookupSettingsValue(const StringList& lines, const std::string& key);

// Reads the bookmarks of `lines` into `bookmarks` (appending) and the
// numbers.
SettingsReadResult ReadSettingsLines(const StringList& lines, StringList& bookmarks);

}  // namespace lumivra
