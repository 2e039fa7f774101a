// The service that sets the machine's clock, as a driver offers it. Its calls
// answer later (the desktop may first ask the user for authorisation): each
// calls `done` once, on the program's thread, from the work of an event
// source (platform/kernel/event_sources.h), or at once when it cannot start.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/win32.h"

namespace platform {

struct ClockServiceAnswer {
  DWORD error = ERROR_SUCCESS;  // a Win32 error code
  std::string reason;           // what went wrong, in plain words; empty on success
  bool value = false;           // ReadNetworkTime's answer
};

using ClockServiceDone = std::function<void(const ClockServiceAnswer&)>;

class SystemClockService {
 public:
  virtual ~SystemClockService() = default;
  // Whether the clock is kept from the network by the machine itself.
  virtual void ReadNetworkTime(ClockServiceDone done) = 0;
  virtual void SetNetworkTime(bool on, ClockServiceDone done) = 0;
  // Sets the clock to this instant (microseconds since 1970 UTC).
  virtual void SetTime(std::int64_t utcMicroseconds, ClockServiceDone done) = 0;
};

// The instant of a local time in the time zone in force (TZ), in microseconds
// since 1970 UTC: the first one in the hour that autumn repeats; empty for a
// time that does not exist (out of the calendar, or in a spring-forward gap)
// or lies before 1970.
std::optional<std::int64_t> LocalTimeToUtcMicroseconds(const SYSTEMTIME& local);

}  // namespace platform
