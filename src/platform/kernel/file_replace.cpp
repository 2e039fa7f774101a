#include "platform/kernel/file_replace.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace platform {
namespace {

// Longer chains than this are a loop or a trap; the path itself is replaced then.
constexpr int kLongestLinkChain = 16;

int temporaryCounter = 0;

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string BaseOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// ".BASE" and the tail, built by appending: GCC 12 at -O3 takes
// "." + std::string for an overlapping copy (a false -Wrestrict).
std::string HiddenName(const std::string& path, const char* tail) {
  std::string name(1, '.');
  name += BaseOf(path);
  name += tail;
  return name;
}

std::string Joined(const std::string& folder, const std::string& name) {
  return folder == "/" ? "/" + name : folder + "/" + name;
}

// The process number in a name ".BASE.tmp-PID-N", or 0 when the name is not one.
pid_t TemporaryOwner(const std::string& name, const std::string& prefix) {
  if (name.compare(0, prefix.size(), prefix) != 0) return 0;
  const char* digits = name.c_str() + prefix.size();
  char* end = nullptr;
  errno = 0;
  const long pid = std::strtol(digits, &end, 10);
  if (errno != 0 || end == digits || *end != '-' || pid <= 0 || pid > INT_MAX) return 0;
  const char* counter = end + 1;
  if (*counter == '\0') return 0;
  for (const char* p = counter; *p != '\0'; ++p) {
    if (*p < '0' || *p > '9') return 0;
  }
  return static_cast<pid_t>(pid);
}

bool ProcessRuns(pid_t pid) { return ::kill(pid, 0) == 0 || errno == EPERM; }

bool WriteAll(int fd, const char* bytes, std::size_t size) {
  while (size > 0) {
    const ssize_t put = ::write(fd, bytes, size);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    bytes += put;
    size -= static_cast<std::size_t>(put);
  }
  return true;
}

// The copy for a target on another file system: written whole and synced
// beside the target, then renamed over it.
bool CopyOver(const std::string& replacement, const std::string& target) {
  const int in = ::open(replacement.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (in < 0) return false;
  struct stat info {};
  if (::fstat(in, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(in);
    errno = EACCES;
    return false;
  }
  const std::string temporary = TemporaryNameBeside(target);
  const int out = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (out < 0) {
    const int error = errno;
    ::close(in);
    errno = error;
    return false;
  }
  bool ok = ::fchmod(out, info.st_mode & 07777) == 0;
  char buffer[8192];
  while (ok) {
    const ssize_t got = ::read(in, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      ok = got == 0;
      break;
    }
    ok = WriteAll(out, buffer, static_cast<std::size_t>(got));
  }
  ok = ok && ::fsync(out) == 0;
  int error = errno;
  ::close(in);
  ok = ::close(out) == 0 && ok;
  ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
  if (!ok) {
    error = errno != 0 ? errno : error;
    ::unlink(temporary.c_str());
    errno = error;
    return false;
  }
  ::unlink(replacement.c_str());
  return true;
}

}  // namespace

std::string WriteTargetOf(const std::string& path) {
  std::string current = path;
  for (int hops = 0; hops < kLongestLinkChain; ++hops) {
    struct stat link {};
    if (::lstat(current.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return current;
    if (link.st_uid != ::getuid()) return current;
    char destination[PATH_MAX];
    const ssize_t length = ::readlink(current.c_str(), destination, sizeof destination - 1);
    if (length <= 0) return current;
    const std::string next(destination, static_cast<std::size_t>(length));
    current = next.front() == '/' ? next : Joined(FolderOf(current), next);
  }
  return path;
}

std::string TemporaryNameBeside(const std::string& path) {
  char suffix[48];
  std::snprintf(suffix, sizeof suffix, ".tmp-%ld-%d", static_cast<long>(::getpid()), ++temporaryCounter);
  const std::string name = HiddenName(path, suffix);
  return path.find('/') == std::string::npos ? name : Joined(FolderOf(path), name);
}

void TakeOverMode(const std::string& replacement, const std::string& replaced) {
  struct stat old {};
  if (::lstat(replaced.c_str(), &old) != 0 || !S_ISREG(old.st_mode)) return;
  const int fd = ::open(replacement.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return;
  struct stat now {};
  if (::fstat(fd, &now) == 0 && S_ISREG(now.st_mode)) ::fchmod(fd, old.st_mode & 07777);
  ::close(fd);
}

bool RenameOver(const std::string& replacement, const std::string& target) {
  if (::rename(replacement.c_str(), target.c_str()) == 0) return true;
  return errno == EXDEV && CopyOver(replacement, target);
}

void RemoveStaleTemporaries(const std::string& path) {
  const std::string folder = FolderOf(path);
  const std::string prefix = HiddenName(path, ".tmp-");
  DIR* listing = ::opendir(folder.c_str());
  if (listing == nullptr) return;
  while (const dirent* entry = ::readdir(listing)) {
    const std::string name = entry->d_name;
    const pid_t owner = TemporaryOwner(name, prefix);
    if (owner == 0 || owner == ::getpid() || ProcessRuns(owner)) continue;
    ::unlinkat(::dirfd(listing), name.c_str(), 0);
  }
  ::closedir(listing);
}

}  // namespace platform
