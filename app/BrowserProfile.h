#pragma once

class QWebEngineProfile;

// The profile of every browser view of the reader: in memory only, serving
// res://Olvar.exe/..., refusing the network, with the page compatibility
// scripts. Created on first use, lives until the application ends.
QWebEngineProfile* ReaderBrowserProfile();
