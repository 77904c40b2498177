#pragma once

class QWebEngineProfile;

namespace lumivra {

// The profile of every browser view of the reader: in memory only, serving
// res://Olvar.exe/..., refusing the network, with the page compatibility
// scripts. Created on first use, lives until the application ends; before
// it, the engine's command line gets the reader's flags (EngineFlags.h) and
// its accessibility is switched on when assistive technology runs
// (AssistiveTechnology.h); the focus entering a view is reported on its page.
QWebEngineProfile* ReaderBrowserProfile();

// Before the application object exists: the reader's fonts, the res scheme,
// for root only the browser engine without its sandbox (it refuses to start
// otherwise), and, on a machine without a graphics device, rendering without
// OpenGL.
void PrepareBrowserEngine();

}  // namespace lumivra
