#pragma once
#include <optional>
#include <string>
#include <vector>

namespace lumivra {

enum DisplayOption : int {
  kArabicAndTranslation = 0,
  kTransliterationAndTranslation = 1,
  kTranslationOnly = 2,
};

// The option numbered `value` (as the settings keep it); nullopt for any
// other number.
std::optional<DisplayOption> DisplayOptionFromValue(int value);

// Display name of option 0, 1 or 2; any other number names option 0.
std::string DisplayOptionName(int option);

// Exact, case-sensitive lookup; an unknown name gives 0.
int DisplayOptionFromName(const std::string& name);

// The names offered to the user, in order; the transliteration entry only
// when its core file is there.
std::vector<std::string> DisplayOptionNames(bool transliterationAvailable);

}  // namespace lumivra
