// How the writer reaches its reader without blocking and without touching
// the inherited descriptor's flags. O_NONBLOCK belongs to the open file
// description, which the clock shares with whoever gave it the descriptor
// (the shell's terminal, the status bar's pipe): setting it there would make
// their reads and writes fail with EAGAIN too. So, by what the descriptor is:
//   - a socket (a service manager's log stream): send() with MSG_DONTWAIT,
//     which is non-blocking for that one call only;
//   - a pipe, FIFO or terminal: /proc/self/fd/N opened anew. That gives a new
//     open file description of the same pipe or terminal, whose O_NONBLOCK is
//     the clock's alone; a write there takes what fits and says EAGAIN for
//     the rest;
//   - where that open fails (no /proc, a FIFO whose reader has gone): poll()
//     for POLLOUT first, then at most PIPE_BUF bytes, which a pipe with room
//     for one more buffer takes whole without waiting;
//   - a regular file or block device: a plain write, which never waits on a
//     reader.
#include "cli/line_output.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <string>
#include <utility>

namespace cli {

LineOutput::LineOutput(int fd) : fd_(fd) {
  struct stat info {};
  if (::fstat(fd, &info) == 0) {
    if (S_ISSOCK(info.st_mode)) {
      way_ = Way::Socket;
    } else if (S_ISFIFO(info.st_mode) || S_ISCHR(info.st_mode)) {
      const std::string path = "/proc/self/fd/" + std::to_string(fd);
      ownFd_ = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
      way_ = ownFd_ >= 0 ? Way::Reopened : Way::Polled;
    }
  }
  platform::WatchEventSource(this);
}

LineOutput::~LineOutput() {
  platform::UnwatchEventSource(this);
  if (ownFd_ >= 0) ::close(ownFd_);
}

void LineOutput::PutFace(std::string_view line) { Put(std::string(line) + '\n', true); }

void LineOutput::PutLine(std::string_view line) { Put(std::string(line) + '\n', false); }

void LineOutput::PutText(std::string_view text) {
  if (!text.empty()) Put(std::string(text), false);
}

void LineOutput::Put(std::string bytes, bool face) {
  {
    const std::lock_guard<std::mutex> hold(mutex_);
    if (lost_) return;
    if (face) {
      // The face waiting unbegun is out of date; one partly written is finished.
      const auto unbegun = std::find_if(queue_.begin(), queue_.end(), [&](const Piece& piece) {
        return piece.face && (&piece != &queue_.front() || headWritten_ == 0);
      });
      if (unbegun != queue_.end()) {
        if (unbegun == queue_.begin()) headWritten_ = 0;
        queue_.erase(unbegun);
      }
    }
    queue_.push_back(Piece{std::move(bytes), face});
  }
  Flush();
}

ssize_t LineOutput::WriteSome(const char* data, std::size_t size) {
  ssize_t put = -1;
  switch (way_) {
    case Way::Socket:
      put = ::send(fd_, data, size, MSG_DONTWAIT | MSG_NOSIGNAL);
      break;
    case Way::Reopened:
      put = ::write(ownFd_, data, size);
      break;
    case Way::Polled: {
      pollfd entry{fd_, POLLOUT, 0};
      if (::poll(&entry, 1, 0) <= 0) return 0;
      // POLLERR and POLLHUP are written into too, so that the write says what went wrong.
      put = ::write(fd_, data, std::min<std::size_t>(size, PIPE_BUF));
      break;
    }
    case Way::Plain:
      put = ::write(fd_, data, size);
      break;
  }
  if (put >= 0) return put;
  if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) return 0;
  return -1;
}

void LineOutput::Flush() {
  std::function<void()> tell;
  {
    const std::lock_guard<std::mutex> hold(mutex_);
    while (!queue_.empty() && !lost_) {
      const std::string& head = queue_.front().bytes;
      const ssize_t put = WriteSome(head.data() + headWritten_, head.size() - headWritten_);
      if (put < 0) {
        // EPIPE (the reader closed its end, SIGPIPE being ignored), EIO (a
        // terminal hung up), ENOSPC: nobody will read what comes after.
        tell = LoseLocked();
        break;
      }
      if (put == 0) break;  // the reader takes no more now: the wait watches for POLLOUT
      headWritten_ += static_cast<std::size_t>(put);
      if (headWritten_ == head.size()) {
        queue_.pop_front();
        headWritten_ = 0;
      }
    }
  }
  if (tell) tell();
}

std::function<void()> LineOutput::LoseLocked() {
  lost_ = true;
  queue_.clear();
  headWritten_ = 0;
  return std::move(onLost_);
}

void LineOutput::Process() {
  const int fd = Fd();
  if (fd < 0) return;
  if (!Idle()) {
    Flush();
    return;
  }
  // Nothing to write, and the descriptor woke the wait: the reader has gone
  // (a pipe's POLLERR, a terminal's or socket's POLLHUP).
  pollfd entry{fd, 0, 0};
  if (::poll(&entry, 1, 0) <= 0 || (entry.revents & (POLLERR | POLLHUP)) == 0) return;
  std::function<void()> tell;
  {
    const std::lock_guard<std::mutex> hold(mutex_);
    if (!lost_) tell = LoseLocked();
  }
  if (tell) tell();
}

bool LineOutput::Idle() const {
  const std::lock_guard<std::mutex> hold(mutex_);
  return queue_.empty();
}

bool LineOutput::Lost() const {
  const std::lock_guard<std::mutex> hold(mutex_);
  return lost_;
}

void LineOutput::OnLost(std::function<void()> onLost) {
  const std::lock_guard<std::mutex> hold(mutex_);
  onLost_ = std::move(onLost);
}

int LineOutput::Fd() const {
  const std::lock_guard<std::mutex> hold(mutex_);
  if (lost_) return -1;
  return way_ == Way::Reopened ? ownFd_ : fd_;
}

short LineOutput::Events() const {
  const std::lock_guard<std::mutex> hold(mutex_);
  return queue_.empty() ? 0 : POLLOUT;
}

}  // namespace cli
