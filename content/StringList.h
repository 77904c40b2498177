#pragma once
#include <string>
#include <vector>

namespace lumivra {

// An ordered list of 8-bit (Windows-1252) lines.
using StringList = std::vector<std::string>;

}  // namespace lumivra
