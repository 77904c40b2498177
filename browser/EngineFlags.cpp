#include "browser/EngineFlags.h"

#include <unistd.h>

#include <filesystem>
#include <sstream>

namespace lumivra {
namespace {

bool HasFlag(const std::string& flags, const std::string& name) {
  std::istringstream words(flags);
  for (std::string word; words >> word;)
    if (word == name || word.rfind(name + "=", 0) == 0) return true;
  return false;
}

void AddFlag(std::string& flags, const std::string& name, const std::string& value = "") {
  if (HasFlag(flags, name)) return;
  if (!flags.empty()) flags += ' ';
  flags += value.empty() ? name : name + "=" + value;
}

}  // namespace

std::string ReaderEngineFlags(std::string flags, bool sandboxOff, bool softwareRendering) {
  AddFlag(flags, "--renderer-process-limit", "1");
  AddFlag(flags, "--js-flags", "--expose-gc,--lite-mode,--no-expose-wasm");
  if (sandboxOff || HasFlag(flags, "--no-sandbox")) AddFlag(flags, "--no-zygote");
  else AddFlag(flags, "--no-unsandboxed-zygote");
  if (softwareRendering) AddFlag(flags, "--disable-gpu");
  return flags;
}

bool IsSoftwareRenderer(const std::string& renderer) {
  if (renderer.empty()) return true;
  for (const char* name : {"llvmpipe", "softpipe", "swrast", "SwiftShader", "Software Rasterizer"})
    if (renderer.find(name) != std::string::npos) return true;
  return false;
}

bool HasGraphicsDevice(const std::string& dev) {
  const std::filesystem::path root(dev);
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(root / "dri", error))
    if (access(entry.path().c_str(), R_OK | W_OK) == 0) return true;
  return access((root / "nvidiactl").c_str(), R_OK | W_OK) == 0;
}

}  // namespace lumivra
