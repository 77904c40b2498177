#pragma once
#include <string>

namespace lumivra {

// The browser engine's command line as the reader runs it: `flags` (what
// QTWEBENGINE_CHROMIUM_FLAGS holds) and, each unless already there: one
// renderer process for every view; the script engine in its lean mode (the
// pages run little script: no optimising compiler, no WebAssembly) with its
// collector open to them (a written page lets go of the last one's memory,
// PagePresentationScript);
// without the sandbox, no zygote processes
// (they serve only the sandbox), with it only the sandboxed one (the other
// serves helper processes the reader never starts, which start without it);
// where OpenGL renders in software, no GPU rendering (it would run on the
// processor all the same, for more memory).
std::string ReaderEngineFlags(std::string flags, bool sandboxOff, bool softwareRendering);

// Whether an OpenGL renderer name ("llvmpipe (LLVM 15.0.6, 256 bits)") is one
// that renders in software; an empty name (no OpenGL) counts as one.
bool IsSoftwareRenderer(const std::string& renderer);

// Whether the device folder `dev` holds a graphics device this user may open
// (a node of dev/dri, or NVIDIA's dev/nvidiactl). Without one, OpenGL can only
// render in software.
bool HasGraphicsDevice(const std::string& dev = "/dev");

}  // namespace lumivra
