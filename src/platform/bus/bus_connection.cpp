#include "platform/bus/bus_connection.h"

#include <time.h>

#include <climits>
#include <cstdint>

namespace platform::bus {

std::unique_ptr<BusConnection> BusConnection::Open(BusKind kind) {
  sd_bus* bus = nullptr;
  const int result = kind == BusKind::Session ? sd_bus_open_user(&bus) : sd_bus_open_system(&bus);
  if (result < 0 || bus == nullptr) return nullptr;
  return std::unique_ptr<BusConnection>(new BusConnection(bus));
}

BusConnection::BusConnection(sd_bus* bus) : bus_(bus) { WatchEventSource(this); }

BusConnection::~BusConnection() {
  UnwatchEventSource(this);
  if (bus_ != nullptr) sd_bus_flush_close_unref(bus_);
}

void BusConnection::Close() {
  UnwatchEventSource(this);
  sd_bus* bus = bus_;
  bus_ = nullptr;
  // Closing answers each call in flight with an error, through its callback.
  sd_bus_close(bus);
  while (sd_bus_process(bus, nullptr) > 0) {
  }
  sd_bus_unref(bus);
  if (lost_) lost_();
}

int BusConnection::Fd() const { return bus_ != nullptr ? sd_bus_get_fd(bus_) : -1; }

short BusConnection::Events() const {
  if (bus_ == nullptr) return 0;
  const int events = sd_bus_get_events(bus_);
  return static_cast<short>(events > 0 ? events : POLLIN);
}

int BusConnection::TimeoutMs() const {
  std::uint64_t deadlineUs = 0;
  if (bus_ == nullptr || sd_bus_get_timeout(bus_, &deadlineUs) < 0 || deadlineUs == UINT64_MAX) return -1;
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  const std::uint64_t nowUs = static_cast<std::uint64_t>(now.tv_sec) * 1'000'000 + now.tv_nsec / 1000;
  if (deadlineUs <= nowUs) return 0;
  const std::uint64_t leftMs = (deadlineUs - nowUs + 999) / 1000;
  return leftMs > INT_MAX ? INT_MAX : static_cast<int>(leftMs);
}

void BusConnection::Process() {
  if (bus_ == nullptr) return;
  int result = 0;
  while ((result = sd_bus_process(bus_, nullptr)) > 0) {
    if (bus_ == nullptr) return;
  }
  if (result < 0 || !sd_bus_is_open(bus_)) Close();
}

std::string ErrorName(sd_bus_message* reply) {
  const sd_bus_error* error = sd_bus_message_get_error(reply);
  return error != nullptr && error->name != nullptr ? error->name : std::string();
}

}  // namespace platform::bus
