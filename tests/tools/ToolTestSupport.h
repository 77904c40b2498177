#pragma once
// Running outside programs and olvar-tool, for the tools tests.
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

#include "support/TestFolder.h"

namespace lumivra::testing {

struct CommandResult {
  int exitCode = -1;
  std::string out;  // standard output (standard error too when asked)
};

// Runs a shell command and collects its standard output.
inline CommandResult RunCommand(const std::string& command) {
  CommandResult result;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return result;
  std::array<char, 65536> buf;
  size_t n;
  while ((n = std::fread(buf.data(), 1, buf.size(), pipe)) > 0) result.out.append(buf.data(), n);
  const int status = pclose(pipe);
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

inline std::string Quote(const std::filesystem::path& p) {
  std::string s = "'";
  for (char c : p.string()) s += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return s + "'";
}

// The result of one olvar-tool run, with standard error kept apart.
struct ToolRun {
  int exitCode;
  std::string out;
  std::string err;
};

// A copy of olvar-tool with no core files beside it: it reads the ones of
// its working folder.
inline const char kToolApart[] = LUMIVRA_TOOL_APART;

// Runs olvar-tool (`tool`) with `args` in `dir`, as the reader would run there.
inline ToolRun RunTool(const TestFolder& dir, const std::string& args,
                       const std::filesystem::path& tool = kToolApart) {
  const auto errFile = dir / "stderr.txt";
  auto r = RunCommand("cd " + Quote(dir.path()) + " && " + Quote(tool) + " " + args + " 2>" +
                      Quote(errFile));
  return {r.exitCode, r.out, ReadBytes(errFile)};
}

}  // namespace lumivra::testing
