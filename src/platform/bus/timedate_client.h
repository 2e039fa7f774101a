// The machine's clock set through the system's time and date service,
// org.freedesktop.timedate1 on the system bus. Calls that change something
// are interactive, so the desktop asks the user for authorisation as its own
// settings do; every call answers through the drivers' waits, never blocking.
#pragma once

#include <systemd/sd-bus.h>

#include <memory>

#include "platform/bus/bus_connection.h"
#include "platform/kernel/system_clock.h"

namespace platform::bus {

class TimedateClient final : public SystemClockService {
 public:
  // Connects to the system bus at the first call, so a clock that never sets
  // the time never holds a connection to it.
  TimedateClient() = default;
  ~TimedateClient() override;

  void ReadNetworkTime(ClockServiceDone done) override;
  void SetNetworkTime(bool on, ClockServiceDone done) override;
  void SetTime(std::int64_t utcMicroseconds, ClockServiceDone done) override;

 private:
  // The message to send, or nullptr (with done already answered) when there
  // is no system bus.
  sd_bus_message* NewCall(const char* interface, const char* member, const ClockServiceDone& done);
  void Send(sd_bus_message* call, bool interactive, ClockServiceDone done, bool readsValue);

  std::unique_ptr<BusConnection> connection_;
};

// What an error answer of the service means for the program: a Win32 error
// code and the reason in plain words.
ClockServiceAnswer AnswerForError(const char* name, const char* message);

}  // namespace platform::bus
