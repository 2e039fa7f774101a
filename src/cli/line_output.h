// Lines for one output descriptor of the terminal clock (standard output or
// standard error), written without ever waiting on whoever reads them.
//
// A reader that stops reading (a status bar busy elsewhere, a pager left
// open) must not stop the clock: its faces, alarms, command socket and
// signals go on. So nothing here blocks:
//   - the inherited descriptor's flags are left alone (a terminal shares its
//     open file with the shell, which would see O_NONBLOCK too); the writer
//     uses a way of its own to the same reader (see line_output.cpp);
//   - a line already partly written is finished before anything else;
//   - a face (PutFace) that cannot be written now waits as the one pending
//     face: a newer face takes its place, so a reader that comes back gets
//     the clock as it is now, not a backlog of old minutes;
//   - lines (PutLine) and text (PutText) are queued in order and never
//     dropped: an alarm's note or a notice must reach the reader;
//   - what waits is written as the reader takes it: the writer is an event
//     source, so the core's wait wakes when the descriptor takes more.
//
// Any thread may put; the wait that watches for POLLOUT is the program's
// thread's, so text another thread puts while the reader is slow goes out
// when that thread's wait next wakes.
//
// Usage:
//   LineOutput out(STDOUT_FILENO);
//   out.OnLost([] { /* end the clock */ });
//   out.PutFace(" 3:05 PM  Mon 12/07/92 ");
//   out.PutLine("Alarm 1 - 7:05: Water the plants");
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>

#include "platform/kernel/event_sources.h"

namespace cli {

class LineOutput final : public platform::EventSource {
 public:
  // fd stays the caller's; it is neither closed nor changed.
  explicit LineOutput(int fd);
  ~LineOutput() override;
  LineOutput(const LineOutput&) = delete;
  LineOutput& operator=(const LineOutput&) = delete;

  // The newest state, of which only the latest matters (the face, or a
  // status bar's whole line): replaces a pending face not yet begun. A line
  // end is added.
  void PutFace(std::string_view line);
  // A line that must be read: queued, never dropped. A line end is added.
  void PutLine(std::string_view line);
  // Bytes as they come (a stream's text, the bell): queued, never dropped.
  void PutText(std::string_view text);

  // Writes what the reader takes now, never waiting. The Put functions call
  // it themselves; the core's wait calls it (Process) once more is taken.
  void Flush();
  // Nothing waits to be written.
  bool Idle() const;
  // The reader has gone (or the output failed for good): everything put
  // since is dropped.
  bool Lost() const;
  // Called once, when the output is lost, on the thread that found it so.
  void OnLost(std::function<void()> onLost);

  // platform::EventSource: the descriptor, watched for POLLOUT while
  // something waits, and always for the reader's end (POLLERR, POLLHUP),
  // which is then noticed at once, not at the next face.
  int Fd() const override;
  short Events() const override;
  int TimeoutMs() const override { return -1; }
  void Process() override;

 private:
  enum class Way {
    Plain,     // a file: a write never waits on a reader
    Socket,    // send with MSG_DONTWAIT
    Reopened,  // a pipe, FIFO or terminal opened anew without blocking
    Polled,    // asked with poll first, then at most PIPE_BUF bytes at a time
  };
  struct Piece {
    std::string bytes;
    bool face = false;
  };

  void Put(std::string bytes, bool face);
  // Marks the output lost; the callback to call, once.
  std::function<void()> LoseLocked();
  // Bytes written now (0 when the reader takes none now), -1 on a failure
  // for good.
  ssize_t WriteSome(const char* data, std::size_t size);

  int fd_;
  int ownFd_ = -1;
  Way way_ = Way::Plain;
  mutable std::mutex mutex_;
  std::deque<Piece> queue_;
  std::size_t headWritten_ = 0;  // of queue_.front()
  bool lost_ = false;
  std::function<void()> onLost_;
};

}  // namespace cli
