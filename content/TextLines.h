#pragma once
#include <string>
#include <string_view>

#include "content/StringList.h"

namespace lumivra {

// Splits text into lines: CR, LF and CR LF each end a line, a NUL ends the
// text, a final line break adds no empty line.
StringList SplitLines(std::string_view text);

// Hands out the lines of a text one at a time, split as SplitLines splits
// them, without copying. The text must outlive the reader.
class LineReader {
public:
  explicit LineReader(std::string_view text);
  // The next line; false after the last one.
  bool Next(std::string_view& line);

private:
  const char* at_;
  const char* end_;
  const char* nextCr_;  // the next CR and LF at or after at_ (end_ when none)
  const char* nextLf_;
};

// Joins lines, writing CR LF after each one, the last included.
std::string JoinLines(const StringList& lines);

// Removes leading and trailing characters with codes 0 to 32.
std::string Trim(const std::string& text);

}  // namespace lumivra
