#pragma once
#include <string>
#include <string_view>

#include "StringList.h"

namespace lumivra {

// Splits text into lines: CR, LF and CR LF each end a line, a NUL ends the
// text, a final line break adds no empty line.
StringList SplitLines(std::string_view text);

// Joins lines, writing CR LF after each one, the last included.
std::string JoinLines(const StringList& lines);

// Removes leading and trailing characters with codes 0 to 32.
std::string Trim(const std::string& text);

}  // namespace lumivra
