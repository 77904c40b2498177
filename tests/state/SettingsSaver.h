#pragma once
// The two settings settings_saver writes in turn; the kill test expects one
// of them whole after every kill.
#include <string>

#include "state/Settings.h"

namespace lumivra::testing {

inline SettingsValues SaverValues(int which) {
  SettingsValues values;
  values.viewOption = which;
  values.themeType = 3 - which;
  if (which == 1)
    for (int verse = 1; verse <= 20; ++verse) values.bookmarks.push_back("2:" + std::to_string(verse * 10));
  return values;
}

inline std::string SaverStamp(int which) { return which == 0 ? "01/01/2001 01:01:01" : "02/02/2002 02:02:02"; }

}  // namespace lumivra::testing
