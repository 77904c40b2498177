#pragma once
#include <string>
#include <vector>

namespace lumivra {

// The folder of the running program; empty when the system cannot tell.
std::string ExecutableFolder();

// Where the core files are looked for, in order: beside the program, then the
// working folder.
std::vector<std::string> CoreFileFolders();

// Where the help file is looked for, in order: the working folder, then
// beside the program.
std::vector<std::string> HelpFileFolders();

// `file` in the first of `folders` that holds it as a regular file; empty
// when none does.
std::string FindFileIn(const std::vector<std::string>& folders, const std::string& file);

}  // namespace lumivra
