// Desktop notifications (org.freedesktop.Notifications) on the session bus.
// A notification is sent and forgotten: the message asks for no answer, so
// the clock never waits for one, and with no notification service (or no
// session bus) nothing happens beyond the clock's own output.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/bus/bus_connection.h"

namespace platform::bus {

enum class Urgency : unsigned char { Low = 0, Normal = 1, Critical = 2 };

class DesktopNotifier {
 public:
  // Connects to the session bus; without one, Notify does nothing.
  DesktopNotifier();
  ~DesktopNotifier();
  DesktopNotifier(const DesktopNotifier&) = delete;
  DesktopNotifier& operator=(const DesktopNotifier&) = delete;

  // The summary is shown as it is, the body as markup, so it is escaped
  // here. Both must be UTF-8. True when the message was handed to the bus.
  bool Notify(const std::string& summary, std::string_view body, Urgency urgency);

 private:
  std::unique_ptr<BusConnection> connection_;
};

// Text with &, < and > escaped as the notification servers' markup needs.
std::string EscapeMarkup(std::string_view text);

}  // namespace platform::bus
