#include "browser/EngineFlags.h"

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
  if (sandboxOff || HasFlag(flags, "--no-sandbox")) AddFlag(flags, "--no-zygote");
  if (softwareRendering) AddFlag(flags, "--disable-gpu");
  return flags;
}

bool IsSoftwareRenderer(const std::string& renderer) {
  if (renderer.empty()) return true;
  for (const char* name : {"llvmpipe", "softpipe", "swrast", "SwiftShader", "Software Rasterizer"})
    if (renderer.find(name) != std::string::npos) return true;
  return false;
}

}  // namespace lumivra
