#pragma once
#include <optional>
#include <string>
#include <vector>

#include "content/ContentStore.h"
#include "content/ProgramFolders.h"

namespace lumivra::tool {

using Args = std::vector<std::string>;

struct Command {
  const char* name;
  const char* usage;    // arguments, e.g. "OPTION CHAPTER"
  const char* summary;  // one paragraph for --help
  int (*run)(const Args& args);
};

// Every command, in the order --help lists them.
const std::vector<Command>& AllCommands();

// Prints "olvar-tool: TEXT" to standard error and returns 1.
int Fail(const std::string& text);

// A chapter argument: 1 to 114 in plain decimal digits, the form in which the
// reader passes a chapter on ("7", not "07", "+7" or "7.0").
std::optional<int> ChapterArgument(const std::string& text);

// A search scope argument: "0" (all chapters) or a chapter argument;
// otherwise nullopt, after saying why on standard error.
std::optional<int> ScopeArgument(const std::string& text);

// Writes bytes to standard output unchanged.
void WriteOut(const std::string& bytes);

// A search text argument as the dialog hands it on: one holding an Arabic
// letter stays UTF-8 (`arabic`: the Arabic search); any other is taken from
// the terminal's UTF-8 into Windows-1252, bytes that are not UTF-8 as they are.
struct SearchText {
  std::string text;
  bool arabic = false;
};
SearchText SearchTextArgument(const std::string& argument);

// Start-up warnings of the core-file check go to standard error, after the
// tool's name as every line it writes there.
class StderrWarnings : public StartupWarnings {
public:
  void Warn(const std::string& text) override;
};

// The command implementations.
int RunPage(const Args& args);
int RunResource(const Args& args);
int RunPack(const Args& args);
int RunInfo(const Args& args);
int RunView(const Args& args);
int RunReport(const Args& args);
int RunSearch(const Args& args);

}  // namespace lumivra::tool
