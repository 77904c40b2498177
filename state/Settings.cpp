#include "state/Settings.h"

#include <cstdio>

#include "content/IntConvert.h"
#include "state/Bookmarks.h"

namespace lumivra {
namespace {

std::string TwoDigits(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d", value);
  return buffer;
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  return true;
}

}  // namespace

std::string FormatSettingsTimestamp(const std::tm& when, const std::string& dateSeparator,
                                    const std::string& timeSeparator) {
  char year[16];
  std::snprintf(year, sizeof year, "%04d", when.tm_year + 1900);
  return TwoDigits(when.tm_mday) + dateSeparator + TwoDigits(when.tm_mon + 1) + dateSeparator +
         year + " " + TwoDigits(when.tm_hour) + timeSeparator + TwoDigits(when.tm_min) +
         timeSeparator + TwoDigits(when.tm_sec);
}

StringList BuildSettingsLines(const SettingsValues& values, const std::string& timestamp) {
  StringList lines{
      "[Settings " + timestamp + "]",
      "ViewOption=" + std::to_string(values.viewOption),
      "ThemeType=" + std::to_string(values.themeType),
      "InitODefaultPage=" + std::to_string(values.initODefaultPage),
  };
  if (values.textSize != kNormalTextSize) lines.push_back("TextSize=" + std::to_string(values.textSize));
  if (!values.bookmarks.empty()) {
    lines.emplace_back(" ");
    lines.emplace_back("[Bookmarks]");
    lines.insert(lines.end(), values.bookmarks.begin(), values.bookmarks.end());
  }
  return lines;
}

std::string LookupSettingsValue(const StringList& lines, const std::string& key) {
  for (const auto& line : lines) {
    const size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    if (EqualsIgnoringCase(line.substr(0, eq), key)) return line.substr(eq + 1);
  }
  return "";
}

SettingsReadResult ReadSettingsLines(const StringList& lines, StringList& bookmarks) {
  SettingsReadResult result;
  LoadBookmarks(lines, bookmarks);
  const auto view = ParseInt(LookupSettingsValue(lines, "ViewOption"));
  const auto theme = view ? ParseInt(LookupSettingsValue(lines, "ThemeType")) : std::nullopt;
  if (view && theme) {
    result.viewOption = *view;
    result.themeType = *theme;
  }
  result.initODefaultPage = ParseIntDef(LookupSettingsValue(lines, "InitODefaultPage"), 0);
  const int32_t textSize = ParseIntDef(LookupSettingsValue(lines, "TextSize"), kNormalTextSize);
  result.textSize = IsTextSize(textSize) ? textSize : kNormalTextSize;
  if (result.viewOption >= 0 && result.themeType >= 0) {
    if (result.themeType > 3) result.themeType = 0;
    result.usable = true;
  }
  return result;
}

}  // namespace lumivra
