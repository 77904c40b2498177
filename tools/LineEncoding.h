#pragma once
#include <string>

namespace lumivra {

// Turns one line of source text (UTF-8) into the Windows-1252 bytes of a
// core-file line. `where` names the line in error texts ("chapter 2, verse
// 5: the translation"). Both throw PackError for malformed UTF-8 and for a
// control character other than TAB: a CR, LF or NUL inside would change the
// verse count of the resource.

// Arabic: printable ASCII stays as it is, except the markup characters
// < > & ", which become references like every other character (&#1576;).
// The older open-tanween marks become their dedicated code points.
// The result is pure ASCII.
std::string EncodeArabicLine(const std::string& utf8, const std::string& where);

// Translation and transliteration: each character as its Windows-1252 byte,
// so that the search finds it. A character Windows-1252 cannot hold, and the
// markup characters < and &, stop the packer.
std::string EncodeCp1252Line(const std::string& utf8, const std::string& where);

// "U+0101" for error texts.
std::string CodePointName(char32_t cp);

}  // namespace lumivra
