#include "NodeKey.h"

namespace lumivra {

std::string ChapterNodeKey(int chapter) { return "Olvar~" + std::to_string(chapter); }

std::string GetKeyField(const std::string& text, char separator, int field) {
  std::string result;
  int counter = 1;
  for (char c : text) {
    if (c == separator)
      ++counter;
    else if (counter == field)
      result += c;
  }
  return result;
}

}  // namespace lumivra
