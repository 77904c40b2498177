#include "content/TextLines.h"

#include <cstring>

namespace lumivra {

namespace {

const char* Find(const char* from, const char* end, char c) {
  if (from == end) return end;
  const void* hit = std::memchr(from, c, static_cast<size_t>(end - from));
  return hit ? static_cast<const char*>(hit) : end;
}

}  // namespace

LineReader::LineReader(std::string_view text) {
  at_ = text.data();
  end_ = Find(at_, at_ + text.size(), '\0');
  nextCr_ = Find(at_, end_, '\r');
  nextLf_ = Find(at_, end_, '\n');
}

bool LineReader::Next(std::string_view& line) {
  if (at_ >= end_) return false;
  // Each of the two scans moves forward only, so a text is read once for each.
  if (nextCr_ < at_) nextCr_ = Find(at_, end_, '\r');
  if (nextLf_ < at_) nextLf_ = Find(at_, end_, '\n');
  const char* stop = nextCr_ < nextLf_ ? nextCr_ : nextLf_;
  line = std::string_view(at_, static_cast<size_t>(stop - at_));
  at_ = stop == end_ ? end_ : stop + 1;
  if (stop == nextCr_ && at_ < end_ && *at_ == '\n') ++at_;
  return true;
}

StringList SplitLines(std::string_view text) {
  StringList lines;
  LineReader reader(text);
  std::string_view line;
  while (reader.Next(line)) lines.emplace_back(line);
  return lines;
}

std::string JoinLines(const StringList& lines) {
  size_t size = 0;
  for (const auto& l : lines) size += l.size() + 2;
  std::string out;
  out.reserve(size);
  for (const auto& l : lines) {
    out += l;
    out += "\r\n";
  }
  return out;
}

std::string Trim(const std::string& text) {
  size_t b = 0, e = text.size();
  while (b < e && static_cast<unsigned char>(text[b]) <= 32) ++b;
  while (e > b && static_cast<unsigned char>(text[e - 1]) <= 32) --e;
  return text.substr(b, e - b);
}

}  // namespace lumivra
