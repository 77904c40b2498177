#pragma once
#include <optional>
#include <string>

namespace lumivra {

// The go-to field holds at most this many characters.
inline constexpr int kGotoTextMaxLength = 6;
inline constexpr int kHighestVerse = 286;

// A go-to entry split at its separator ("." before "," before ":" before a
// blank); `verseText` is empty when there is none.
struct GotoParts {
  std::string chapterText;
  std::string verseText;
};

GotoParts SplitGotoText(const std::string& text);

// A valid entry: the chapter number and the verse label to look for
// ("7:86" for 7.86, 7,86, 7 86 or 7:86; "" when only a chapter was given).
struct GotoTarget {
  int chapter = 0;
  std::string verseRef;
};

// nullopt for an empty, out-of-range or incomplete entry. Throws ContentError
// "'<text>' is not a valid integer value" when a part is not a number (text
// that was pasted past the key filter).
std::optional<GotoTarget> ValidateGotoText(const std::string& text);

enum class GotoKeyAction {
  kInsert,   // let the character in
  kSwallow,  // drop it
  kAccept,   // drop it and run OK
};

// What a character typed into the go-to field does, given the field's text
// before it: digits, Backspace and at most one separator get in; Enter in a
// non-empty field is OK.
GotoKeyAction GotoKeyPress(const std::string& currentText, char key);

}  // namespace lumivra
