// The lock of the running copy, and the client side of its command socket.
#include "platform/session/single_instance.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cinttypes>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/session/command_socket.h"
#include "platform/session/folder_lock.h"
#include "platform/session/runtime_folder.h"
#include "platform/session/settings_folder.h"

namespace platform {
namespace {

int lockFd = -1;
FolderLock folderLock;

// How long the sending side waits for the running copy; a local peer answers at once.
constexpr int kAnswerWaitMs = 3000;
constexpr std::size_t kLongestCommand = 64;

std::uint64_t Fnv1a(const std::string& text) {
  std::uint64_t hash = 14695981039346656037ull;
  for (unsigned char c : text) {
    hash ^= c;
    hash *= 1099511628211ull;
  }
  return hash;
}

// The settings folder as the file system knows it, so that two names for one
// folder (a link, a "..") name one lock.
std::string RealSettingsFolder() {
  const std::string folder = SettingsFolderPath();
  char real[PATH_MAX];
  return ::realpath(folder.c_str(), real) != nullptr ? std::string(real) : folder;
}

std::string InstanceFilePath(const char* extension, std::string* problem) {
  const auto runtime = RuntimeFolder(problem);
  if (!runtime) return {};
  char name[64];
  std::snprintf(name, sizeof name, "/horatick-%016" PRIx64 ".%s", Fnv1a(RealSettingsFolder()), extension);
  return *runtime + name;
}

bool WaitFor(int fd, short events, int waitMs) {
  pollfd entry{fd, events, 0};
  int ready;
  do {
    ready = ::poll(&entry, 1, waitMs);
  } while (ready < 0 && errno == EINTR);
  return ready > 0;
}

bool SendAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t put = ::send(fd, text.data() + done, text.size() - done, MSG_NOSIGNAL);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    done += static_cast<std::size_t>(put);
  }
  return true;
}

// The answer line, waited for as long as a local peer can take.
bool ReadAnswer(int fd, std::string& line) {
  line.clear();
  char c;
  while (line.size() <= kLongestCommand) {
    if (!WaitFor(fd, POLLIN, kAnswerWaitMs)) return false;
    const ssize_t got = ::read(fd, &c, 1);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    if (c == '\n') return true;
    line.push_back(c);
  }
  return false;
}

bool PeerIsThisUser(int fd) {
  ucred peer{};
  socklen_t length = sizeof peer;
  return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0 && peer.uid == ::getuid();
}

}  // namespace

std::string InstanceLockPath() { return InstanceFilePath("lock", nullptr); }

std::string InstanceSocketPath() { return InstanceFilePath("sock", nullptr); }

InstanceStart AcquireSingleInstance(std::string* problem) {
  if (lockFd >= 0) return InstanceStart::Alone;
  EnsureSettingsFolder();
  std::string reason;
  const std::string lockPath = InstanceFilePath("lock", &reason);
  const int fd = lockPath.empty() ? -1 : ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) {
    if (problem != nullptr) {
      *problem = !reason.empty() ? reason : "cannot make the lock " + lockPath + ": " + std::strerror(errno);
    }
    return InstanceStart::NoLock;
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    ::close(fd);
    if (error == EWOULDBLOCK) return InstanceStart::AnotherRuns;
    if (problem != nullptr) *problem = "cannot lock " + lockPath + ": " + std::strerror(error);
    return InstanceStart::NoLock;
  }
  // The runtime folder depends on the environment (XDG_RUNTIME_DIR, TMPDIR)
  // and may be cleaned at logout, so the settings folder itself is locked
  // too: two clocks on one folder never run, whatever their environments
  // say. Where the folder cannot be locked, the runtime lock decides alone.
  const std::string folder = SettingsFolderPath();
  folderLock = LockFolder(folder);
  if (folderLock.state == FolderLockState::HeldByAnother || folderLock.state == FolderLockState::Moved) {
    ::close(fd);
    if (folderLock.state == FolderLockState::HeldByAnother) return InstanceStart::AnotherRuns;
    if (problem != nullptr) *problem = "the settings folder " + folder + " was replaced while it was being locked";
    return InstanceStart::NoLock;
  }
  lockFd = fd;
  // Without a socket the clock runs on; only --show cannot reach it.
  command_socket::Open(InstanceFilePath("sock", nullptr));
  return InstanceStart::Alone;
}

SendResult SendInstanceCommand(const char* command) {
  if (command == nullptr || std::strchr(command, '\n') != nullptr || std::strlen(command) > kLongestCommand) {
    return SendResult::NoClock;
  }
  std::string problem;
  const std::string path = InstanceFilePath("sock", &problem);
  if (path.empty()) return SendResult::PermissionDenied;
  sockaddr_un address{};
  if (path.size() >= sizeof address.sun_path) return SendResult::NoClock;
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return SendResult::NoClock;
  // A running copy whose backlog is full must not hold this side for ever.
  const timeval limit{kAnswerWaitMs / 1000, 0};
  ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
  SendResult result = SendResult::NoClock;
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    if (errno == EACCES || errno == EPERM) result = SendResult::PermissionDenied;
  } else if (!PeerIsThisUser(fd)) {
    // Whoever listens there is not our clock; it hears nothing from us.
    result = SendResult::PermissionDenied;
  } else {
    std::string answer;
    if (SendAll(fd, std::string(command) + "\n") && ReadAnswer(fd, answer) && answer == "ok") {
      result = SendResult::Answered;
    }
  }
  ::close(fd);
  return result;
}

void ReleaseSingleInstance() {
  command_socket::Close();
  if (lockFd >= 0) {
    ::close(lockFd);  // closing the only descriptor drops the flock
    lockFd = -1;
  }
  ReleaseFolderLock(folderLock);
}

}  // namespace platform
