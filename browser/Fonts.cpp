#include "browser/Fonts.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace lumivra {

void ConfigureFonts() {
  if (std::getenv("FONTCONFIG_FILE")) return;
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return;
  const std::filesystem::path conf = exe.parent_path() / "fonts.conf";
  if (!std::filesystem::is_regular_file(conf, ec)) return;
  setenv("FONTCONFIG_FILE", conf.c_str(), 0);
}

}  // namespace lumivra
