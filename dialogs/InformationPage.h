#pragma once
#include <optional>
#include <string>

#include "content/StringList.h"

namespace lumivra {

// The information key of a tree node: "0" for the book node, "1" … "112" for
// the chapters, "11314" for chapters 113 and 114 (they share one text);
// nullopt for the home node, an empty key or any key that is not "Olvar~…".
std::optional<std::string> InfoKeyForNode(const std::string& nodeKey);

// Whether `key` names an information text: "0", "1" … "112" or "11314".
bool IsInfoKey(const std::string& key);

// The page around an information fragment: head, each line followed by
// CR LF, tail.
std::string BuildInformationPage(const StringList& fragment);

}  // namespace lumivra
