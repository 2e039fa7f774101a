// One connection to a D-Bus message bus (the session's or the system's),
// through sd-bus, watched by the drivers' waits as an event source: its
// answers and signals are taken when its socket has something, never by
// polling on a timer.
#pragma once

#include <systemd/sd-bus.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/kernel/event_sources.h"

namespace platform::bus {

enum class BusKind { Session, System };

class BusConnection final : public EventSource {
 public:
  // The bus named by DBUS_SESSION_BUS_ADDRESS or DBUS_SYSTEM_BUS_ADDRESS, or
  // the standard places; nullptr when there is none to connect to.
  static std::unique_ptr<BusConnection> Open(BusKind kind);
  ~BusConnection() override;
  BusConnection(const BusConnection&) = delete;
  BusConnection& operator=(const BusConnection&) = delete;

  sd_bus* Bus() const { return bus_; }
  // False once the bus went away; every call in flight has had its answer.
  bool Connected() const { return bus_ != nullptr; }
  // Called once when the connection is lost.
  void OnLost(std::function<void()> lost) { lost_ = std::move(lost); }

  int Fd() const override;
  short Events() const override;
  int TimeoutMs() const override;
  void Process() override;

 private:
  explicit BusConnection(sd_bus* bus);
  void Close();

  sd_bus* bus_;
  std::function<void()> lost_;
};

// "org.freedesktop.DBus.Error.ServiceUnknown" and the like, for an error
// answer; empty when the message is no error.
std::string ErrorName(sd_bus_message* reply);

}  // namespace platform::bus
