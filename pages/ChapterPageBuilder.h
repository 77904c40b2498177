#pragma once
#include <optional>
#include <string>

#include "content/StringList.h"

namespace lumivra {

// The opening line shown under every chapter title but those of chapters 1 and 9.
inline constexpr char kOpeningLine[] =
    "In the Name of Allah, the Most Beneficent, the Most Merciful.";

std::string BuildPageHeader(const std::string& chapter);
std::string BuildPageFooter();
std::string BuildDualVerseBlock(const std::string& first, const std::string& second,
                                const std::string& label, const std::string& firstClass,
                                const std::string& secondClass);
std::string BuildSingleVerseBlock(const std::string& text, const std::string& label,
                                  const std::string& cls);

// The page of one chapter for display option 0, 1 or 2; nullopt for any other
// option. Throws ContentError "List index out of bounds (%d)" when `first` is
// shorter than `translation` (options 0 and 1).
std::optional<std::string> BuildChapterPage(int option, const std::string& chapter,
                                            const StringList& first,
                                            const StringList& translation);

}  // namespace lumivra
