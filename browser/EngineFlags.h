#pragma once
#include <string>

namespace lumivra {

// The browser engine's command line as the reader runs it: `flags` (what
// QTWEBENGINE_CHROMIUM_FLAGS holds) and, each unless already there: one
// renderer process for every view; without the sandbox, no zygote processes
// (they serve only the sandbox); where OpenGL renders in software, no GPU
// rendering (it would run on the processor all the same, for more memory).
std::string ReaderEngineFlags(std::string flags, bool sandboxOff, bool softwareRendering);

// Whether an OpenGL renderer name ("llvmpipe (LLVM 15.0.6, 256 bits)") is one
// that renders in software; an empty name (no OpenGL) counts as one.
bool IsSoftwareRenderer(const std::string& renderer);

}  // namespace lumivra
