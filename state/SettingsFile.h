#pragma once
#include <optional>
#include <string>

#include "content/StringList.h"
#include "state/Settings.h"

namespace lumivra {

// The lines of the file at `path`; nullopt when it does not exist, cannot be
// read or holds no line.
std::optional<StringList> ReadSettingsFile(const std::string& path);

// Replaces the file at `path` with `bytes` as a whole: the bytes go to a
// temporary file "<path>.<process id>.tmp" in the same folder, are flushed to
// disk and the temporary file is renamed over the old one, so the old file
// stays intact until the new one is complete, even when the process is killed.
// Temporary files of processes that no longer run (killed during a save) are
// removed first. Throws ContentError("Cannot create file <path>") when that
// fails; the old file is then left as it was.
void ReplaceFileContents(const std::string& path, const std::string& bytes);

// Writes `values` to the settings file at `path` with the header `timestamp`,
// replacing it as ReplaceFileContents does.
void WriteSettingsFile(const std::string& path, const SettingsValues& values,
                       const std::string& timestamp);

}  // namespace lumivra
