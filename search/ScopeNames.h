#pragma once
#include <string>
#include <vector>

namespace lumivra {

// The items of the search scope list: "Lumivra" (all chapters), then the
// short names "1 Al-Fatiha" … "114 An-Nas". Item n is chapter n.
const std::vector<std::string>& ChapterScopeNames();

}  // namespace lumivra
