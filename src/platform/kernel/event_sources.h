// Connections of the layer to services outside the process (the desktop's
// message buses). Every driver's wait watches them beside its own input, so
// their answers and signals are taken as they come, with no timer of their
// own waking an idle clock.
#pragma once

#include <poll.h>

#include <vector>

namespace platform {

class EventSource {
 public:
  virtual ~EventSource() = default;
  // The descriptor to watch, -1 while there is none.
  virtual int Fd() const = 0;
  // The poll() events wanted now (POLLIN, and POLLOUT while output waits).
  virtual short Events() const = 0;
  // Milliseconds until the source must be looked at even with nothing to read
  // (a call that times out), -1 for never.
  virtual int TimeoutMs() const = 0;
  // Does what is ready without blocking; on the program's thread only.
  virtual void Process() = 0;
};

// Sources register themselves while they are open.
void WatchEventSource(EventSource* source);
void UnwatchEventSource(EventSource* source);
const std::vector<EventSource*>& WatchedEventSources();

// For drivers that wait with poll(): waits on `own` (their own descriptors,
// revents filled in) and on every source at once, at most timeoutMs (-1: no
// limit; a source's timeout shortens it), then lets each source that is ready
// or due do its work. The result is poll()'s.
int PollWithEventSources(std::vector<pollfd>& own, int timeoutMs);

// Lets every source do what is ready, without waiting.
void ProcessEventSources();

}  // namespace platform
