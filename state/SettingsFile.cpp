#include "state/SettingsFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <fstream>
#include <iterator>

#include "content/ContentError.h"
#include "content/TextLines.h"

namespace lumivra {
namespace {

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A save in progress writes "<file>.<pid>.tmp" beside the file.
constexpr char kTempSuffix[] = ".tmp";

std::string TempPath(const std::string& path) { return path + "." + std::to_string(::getpid()) + kTempSuffix; }

// The process id in a temporary file name of `name` ("<name>.<pid>.tmp"); 0 for any other name.
pid_t TempOwner(const std::string& entry, const std::string& name) {
  const size_t suffix = sizeof kTempSuffix - 1;
  if (entry.size() <= name.size() + 1 + suffix || entry.compare(0, name.size(), name) != 0 ||
      entry[name.size()] != '.' || entry.compare(entry.size() - suffix, suffix, kTempSuffix) != 0)
    return 0;
  const std::string digits = entry.substr(name.size() + 1, entry.size() - name.size() - 1 - suffix);
  if (digits.size() > 9) return 0;
  pid_t pid = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return 0;
    pid = pid * 10 + (c - '0');
  }
  return pid;
}

// Removes what saves that were killed half-way left behind: temporary files
// whose process no longer runs.
void RemoveStaleTemporaries(const std::string& path) {
  const std::string folder = FolderOf(path);
  const std::string name = NameOf(path);
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  while (const dirent* entry = ::readdir(dir)) {
    const pid_t owner = TempOwner(entry->d_name, name);
    if (owner <= 0 || owner == ::getpid()) continue;
    if (::kill(owner, 0) != 0 && errno == ESRCH) ::unlinkat(::dirfd(dir), entry->d_name, 0);
  }
  ::closedir(dir);
}

bool WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

// The mode of the file being replaced, which the new one keeps; nullopt when
// there is none.
std::optional<mode_t> ExistingMode(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
  return std::nullopt;
}

}  // namespace

std::optional<StringList> ReadSettingsFile(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  StringList lines = SplitLines(bytes);
  if (lines.empty()) return std::nullopt;
  return lines;
}

void ReplaceFileContents(const std::string& path, const std::string& bytes) {
  const ContentError failure("Cannot create file " + path);
  RemoveStaleTemporaries(path);
  const std::string temp = TempPath(path);
  ::unlink(temp.c_str());  // left by an earlier process that had our id
  // A new file gets the usual mode: the kernel takes the umask from 0666.
  const std::optional<mode_t> mode = ExistingMode(path);
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) throw failure;
  const bool written =
      (!mode || ::fchmod(fd, *mode) == 0) && WriteAll(fd, bytes) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || ::rename(temp.c_str(), path.c_str()) != 0) {
    ::unlink(temp.c_str());
    throw failure;
  }
  // Make the rename itself durable.
  const int dir = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
}

}  // namespace lumivra

namespace lumivra {

void WriteSettingsFile(const std::string& path, const SettingsValues& values,
                       const std::string& timestamp) {
  ReplaceFileContents(path, JoinLines(BuildSettingsLines(values, timestamp)));
}

}  // namespace lumivra
