// olvar-tool: packs the core files and shows, on standard output, what the
// reader would show.
#include <cstring>
#include <exception>
#include <iostream>

#include "tools/olvar-tool/Commands.h"

using namespace lumivra::tool;

namespace {

void PrintHelp(std::ostream& out) {
  out << "Usage: olvar-tool COMMAND [ARGUMENTS]\n\n"
         "Commands that read the core files look for each one beside olvar-tool first,\n"
         "then in the current folder, as the reader does. Output is Windows-1252 text.\n\n";
  for (const auto& c : AllCommands()) {
    out << "  olvar-tool " << c.name << ' ' << c.usage << '\n';
    std::string summary = c.summary;
    size_t start = 0;
    while (start <= summary.size()) {
      size_t end = summary.find('\n', start);
      if (end == std::string::npos) end = summary.size();
      out << "      " << summary.substr(start, end - start) << '\n';
      start = end + 1;
    }
    out << '\n';
  }
  out << "  olvar-tool --help\n      Shows this text.\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    PrintHelp(std::cerr);
    return 1;
  }
  if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0 ||
      std::strcmp(argv[1], "help") == 0) {
    PrintHelp(std::cout);
    return 0;
  }
  for (const auto& c : AllCommands()) {
    if (std::strcmp(argv[1], c.name) != 0) continue;
    Args args(argv + 2, argv + argc);
    try {
      return c.run(args);
    } catch (const std::exception& e) {
      return Fail(e.what());
    }
  }
  return Fail(std::string("unknown command \"") + argv[1] + "\"; see olvar-tool --help");
}
