// Serving the command socket on the program's thread. Every read is
// non-blocking and each call does a bounded amount of work, so no peer (a
// slow one, a silent one, or hundreds of them) holds up a face or an alarm:
// a connection gets a short deadline to send its line, and the connections
// kept at once are capped, the oldest giving way to a new one.
//
// Drivers watch one descriptor, an epoll set of the listening socket, the
// connections and a timer armed for the nearest deadline, so that a peer that
// never sends is dropped on time without the driver knowing about deadlines.
#include "platform/session/command_socket.h"

#include <sys/epoll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/timerfd.h>
#include <sys/un.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <deque>
#include <vector>

#include "platform/session/single_instance.h"

namespace platform {
namespace {

constexpr std::uint64_t kPeerDeadlineMs = 500;
constexpr std::size_t kMostConnections = 32;
constexpr int kAcceptsPerTurn = 8;
constexpr std::size_t kLongestCommand = 64;

struct Connection {
  int fd;
  std::uint64_t deadlineMs;
  std::string received;
};

int listenFd = -1;
int watchFd = -1;
int timerFd = -1;
std::string boundPath;
std::deque<Connection> connections;

std::uint64_t NowMs() {
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<std::uint64_t>(now.tv_sec) * 1000u + static_cast<std::uint64_t>(now.tv_nsec) / 1'000'000u;
}

void Watch(int fd) {
  epoll_event event{};
  event.events = EPOLLIN;
  event.data.fd = fd;
  ::epoll_ctl(watchFd, EPOLL_CTL_ADD, fd, &event);
}

void Drop(const Connection& connection) {
  ::epoll_ctl(watchFd, EPOLL_CTL_DEL, connection.fd, nullptr);
  ::close(connection.fd);
}

bool PeerIsThisUser(int fd) {
  ucred peer{};
  socklen_t length = sizeof peer;
  return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0 && peer.uid == ::getuid();
}

void AcceptWaiting(std::uint64_t nowMs) {
  for (int i = 0; i < kAcceptsPerTurn; ++i) {
    const int fd = ::accept4(listenFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) {
      if (errno == EINTR) continue;
      return;  // EAGAIN: nothing more waiting
    }
    if (!PeerIsThisUser(fd)) {
      ::close(fd);
      continue;
    }
    if (connections.size() >= kMostConnections) {
      Drop(connections.front());
      connections.pop_front();
    }
    connections.push_back(Connection{fd, nowMs + kPeerDeadlineMs, {}});
    Watch(fd);
  }
}

enum class Progress { Waiting, Line, Done };

// What one non-blocking read brings: more of the line, the whole line, or
// the end of a peer that hung up or sent more than a command.
Progress ReadSome(Connection& connection) {
  char chunk[kLongestCommand + 2];
  const ssize_t got = ::recv(connection.fd, chunk, sizeof chunk, MSG_DONTWAIT);
  if (got < 0) return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR ? Progress::Waiting : Progress::Done;
  if (got == 0) return Progress::Done;
  connection.received.append(chunk, static_cast<std::size_t>(got));
  const std::size_t end = connection.received.find('\n');
  if (end != std::string::npos) {
    connection.received.resize(end);
    return end <= kLongestCommand ? Progress::Line : Progress::Done;
  }
  return connection.received.size() > kLongestCommand ? Progress::Done : Progress::Waiting;
}

void ArmTimer() {
  std::uint64_t nearest = 0;
  for (const Connection& connection : connections) {
    if (nearest == 0 || connection.deadlineMs < nearest) nearest = connection.deadlineMs;
  }
  itimerspec when{};  // all zero disarms it
  if (nearest != 0) {
    when.it_value.tv_sec = static_cast<time_t>(nearest / 1000u);
    when.it_value.tv_nsec = static_cast<long>((nearest % 1000u) * 1'000'000u);
  }
  ::timerfd_settime(timerFd, TFD_TIMER_ABSTIME, &when, nullptr);
}

}  // namespace

namespace command_socket {

bool Open(const std::string& path) {
  sockaddr_un address{};
  if (path.empty() || path.size() >= sizeof address.sun_path) return false;
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return false;
  // Holding the lock, any socket file left there is a dead copy's.
  ::unlink(path.c_str());
  const mode_t oldMask = ::umask(0077);
  const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  ::umask(oldMask);
  watchFd = ::epoll_create1(EPOLL_CLOEXEC);
  timerFd = ::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
  if (!bound || ::chmod(path.c_str(), 0600) != 0 || ::listen(fd, 16) != 0 || watchFd < 0 || timerFd < 0) {
    if (bound) ::unlink(path.c_str());
    ::close(fd);
    Close();
    return false;
  }
  listenFd = fd;
  boundPath = path;
  Watch(listenFd);
  Watch(timerFd);
  return true;
}

void Close() {
  for (const Connection& connection : connections) ::close(connection.fd);
  connections.clear();
  if (listenFd >= 0) {
    ::close(listenFd);
    ::unlink(boundPath.c_str());
  }
  for (int* fd : {&listenFd, &watchFd, &timerFd}) {
    if (*fd >= 0) ::close(*fd);
    *fd = -1;
  }
  boundPath.clear();
}

}  // namespace command_socket

int SingleInstanceSocketFd() { return listenFd >= 0 ? watchFd : -1; }

void PollInstanceCommands(const std::function<void(const std::string& command)>& onCommand) {
  if (listenFd < 0) return;
  std::uint64_t expirations = 0;
  [[maybe_unused]] const ssize_t drained = ::read(timerFd, &expirations, sizeof expirations);
  const std::uint64_t nowMs = NowMs();
  AcceptWaiting(nowMs);
  std::vector<std::string> commands;
  for (auto it = connections.begin(); it != connections.end();) {
    const Progress progress = ReadSome(*it);
    if (progress == Progress::Line) {
      ::send(it->fd, "ok\n", 3, MSG_DONTWAIT | MSG_NOSIGNAL);
      commands.push_back(it->received);
    }
    if (progress != Progress::Waiting || it->deadlineMs <= nowMs) {
      Drop(*it);
      it = connections.erase(it);
    } else {
      ++it;
    }
  }
  ArmTimer();
  // Last, when the connections are in order: a command only posts to the core.
  if (onCommand) {
    for (const std::string& command : commands) onCommand(command);
  }
}

}  // namespace platform
