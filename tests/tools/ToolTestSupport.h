#pragma once
// Temporary folders, running outside programs, and files, for the tools tests.
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace lumivra::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "lumivra-tools-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    path_ = pattern;
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
  std::filesystem::path path_;
};

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

inline std::string ReadFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline void WriteFile(const std::filesystem::path& p, const std::string& bytes) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
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
inline ToolRun RunTool(const TempDir& dir, const std::string& args,
                       const std::filesystem::path& tool = kToolApart) {
  const auto errFile = dir / "stderr.txt";
  auto r = RunCommand("cd " + Quote(dir.path()) + " && " + Quote(tool) + " " + args + " 2>" +
                      Quote(errFile));
  return {r.exitCode, r.out, ReadFile(errFile)};
}

}  // namespace lumivra::testing
