#include "content/DisplayOption.h"

#include <array>

namespace lumivra {
namespace {
constexpr std::array<const char*, 3> kNames{
    "Arabic & English Translation",
    "Transliteration & English Translation",
    "English Translation Only",
};
}  // namespace

std::optional<DisplayOption> DisplayOptionFromValue(int value) {
  if (value < kArabicAndTranslation || value > kTranslationOnly) return std::nullopt;
  return static_cast<DisplayOption>(value);
}

std::string DisplayOptionName(int option) {
  if (option < 0 || option > 2) option = 0;
  return kNames[static_cast<size_t>(option)];
}

int DisplayOptionFromName(const std::string& name) {
  for (size_t i = 0; i < kNames.size(); ++i)
    if (name == kNames[i]) return static_cast<int>(i);
  return 0;
}

std::vector<std::string> DisplayOptionNames(bool transliterationAvailable) {
  std::vector<std::string> names{kNames[0]};
  if (transliterationAvailable) names.emplace_back(kNames[1]);
  names.emplace_back(kNames[2]);
  return names;
}

}  // namespace lumivra
