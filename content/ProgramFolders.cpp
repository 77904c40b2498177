#include "content/ProgramFolders.h"

#include <filesystem>

namespace lumivra {

std::string ExecutableFolder() {
  std::error_code ec;
  const auto program = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : program.parent_path().string();
}

namespace {
std::vector<std::string> Folders(std::string first, std::string second) {
  std::vector<std::string> folders;
  for (auto* folder : {&first, &second}) {
    if (!folder->empty()) folders.push_back(std::move(*folder));
  }
  return folders;
}
}  // namespace

std::vector<std::string> CoreFileFolders() { return Folders(ExecutableFolder(), "."); }

std::vector<std::string> HelpFileFolders() { return Folders(".", ExecutableFolder()); }

std::string FindFileIn(const std::vector<std::string>& folders, const std::string& file) {
  for (const auto& folder : folders) {
    const std::string path = (std::filesystem::path(folder) / file).string();
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec)) return path;
  }
  return {};
}

}  // namespace lumivra
