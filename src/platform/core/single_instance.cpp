// The lock and the command socket of the running copy.
#include "platform/core/single_instance.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/core/settings_folder.h"

namespace platform {
namespace {

int lockFd = -1;
int listenFd = -1;
std::string boundSocketPath;

// How long each side waits for the other's line; a local peer answers at once.
constexpr int kPeerWaitMs = 300;
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

bool FitsSocketAddress(const std::string& path) { return path.size() < sizeof(sockaddr_un{}.sun_path); }

bool MakeAddress(const std::string& path, sockaddr_un& address) {
  if (!FitsSocketAddress(path)) return false;
  std::memset(&address, 0, sizeof address);
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  return true;
}

// Waits until fd is ready for events, for at most waitMs.
bool WaitFor(int fd, short events, int waitMs) {
  pollfd entry{fd, events, 0};
  int ready;
  do {
    ready = ::poll(&entry, 1, waitMs);
  } while (ready < 0 && errno == EINTR);
  return ready > 0;
}

// One line of at most kLongestCommand bytes, without its '\n'.
bool ReadLine(int fd, int waitMs, std::string& line) {
  line.clear();
  char c;
  while (line.size() <= kLongestCommand) {
    if (!WaitFor(fd, POLLIN, waitMs)) return false;
    const ssize_t got = ::read(fd, &c, 1);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    if (c == '\n') return true;
    line.push_back(c);
  }
  return false;
}

bool WriteAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t put = ::send(fd, text.data() + done, text.size() - done, MSG_NOSIGNAL);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    done += static_cast<std::size_t>(put);
  }
  return true;
}

bool PeerIsThisUser(int fd) {
  ucred peer{};
  socklen_t length = sizeof peer;
  return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0 && peer.uid == ::getuid();
}

void OpenCommandSocket() {
  const std::string path = InstanceSocketPath();
  sockaddr_un address{};
  if (!MakeAddress(path, address)) return;
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return;
  // Holding the lock, any socket file left there is a dead copy's.
  ::unlink(path.c_str());
  const mode_t oldMask = ::umask(0077);
  const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  ::umask(oldMask);
  if (!bound || ::chmod(path.c_str(), 0600) != 0 || ::listen(fd, 8) != 0) {
    if (bound) ::unlink(path.c_str());
    ::close(fd);
    return;
  }
  listenFd = fd;
  boundSocketPath = path;
}

}  // namespace

std::string InstanceSocketPath() {
  const std::string folder = SettingsFolderPath();
  const std::string inFolder = folder + "/horatick.sock";
  if (FitsSocketAddress(inFolder)) return inFolder;
  char name[64];
  std::snprintf(name, sizeof name, "horatick-%016" PRIx64 ".sock", Fnv1a(folder));
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime != nullptr && runtime[0] == '/') {
    const std::string candidate = std::string(runtime) + "/" + name;
    if (FitsSocketAddress(candidate)) return candidate;
  }
  // No runtime folder: a name of this user's in /tmp; the socket's mode and
  // the peer check keep other users out.
  char fallback[96];
  std::snprintf(fallback, sizeof fallback, "/tmp/horatick-%u-%016" PRIx64 ".sock", static_cast<unsigned>(::getuid()),
                Fnv1a(folder));
  return fallback;
}

bool AcquireSingleInstance() {
  if (lockFd >= 0) return true;
  EnsureSettingsFolder();
  const std::string lockPath = SettingsFolderPath() + "/horatick.lock";
  const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return true;  // no lock can be made here; the clock runs without one
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const bool held = errno == EWOULDBLOCK;
    ::close(fd);
    return !held;
  }
  lockFd = fd;
  OpenCommandSocket();
  return true;
}

int SingleInstanceSocketFd() { return listenFd; }

void PollInstanceCommands(const std::function<void(const std::string& command)>& onCommand) {
  if (listenFd < 0) return;
  for (;;) {
    const int peer = ::accept4(listenFd, nullptr, nullptr, SOCK_CLOEXEC);
    if (peer < 0) {
      if (errno == EINTR) continue;
      return;  // EAGAIN: nothing more waiting
    }
    std::string command;
    if (PeerIsThisUser(peer) && ReadLine(peer, kPeerWaitMs, command)) {
      WriteAll(peer, "ok\n");
      ::close(peer);
      if (onCommand) onCommand(command);
      continue;
    }
    ::close(peer);
  }
}

bool SendInstanceCommand(const char* command) {
  if (command == nullptr || std::strchr(command, '\n') != nullptr || std::strlen(command) > kLongestCommand) {
    return false;
  }
  sockaddr_un address{};
  if (!MakeAddress(InstanceSocketPath(), address)) return false;
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  bool answered = false;
  std::string answer;
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
      WriteAll(fd, std::string(command) + "\n") && ReadLine(fd, kAnswerWaitMs, answer)) {
    answered = answer == "ok";
  }
  ::close(fd);
  return answered;
}

void ReleaseSingleInstance() {
  if (listenFd >= 0) {
    ::close(listenFd);
    ::unlink(boundSocketPath.c_str());
    listenFd = -1;
    boundSocketPath.clear();
  }
  if (lockFd >= 0) {
    ::close(lockFd);  // closing the only descriptor drops the flock
    lockFd = -1;
  }
}

}  // namespace platform
