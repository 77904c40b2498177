#include "content/NodeKey.h"

namespace lumivra {

std::string ChapterNodeKey(int chapter) { return "Olvar~" + std::to_string(chapter); }

std::string GetKeyField(const std::string& text, char separator, int field) {
  if (field < 1) return {};
  size_t start = 0;
  for (int k = 1; k < field; ++k) {
    start = text.find(separator, start);
    if (start == std::string::npos) return {};
    ++start;
  }
  return text.substr(start, text.find(separator, start) - start);
}

}  // namespace lumivra
