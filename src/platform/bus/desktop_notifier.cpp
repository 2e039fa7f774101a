#include "platform/bus/desktop_notifier.h"

#include <cstdint>

namespace platform::bus {

namespace {

constexpr char kService[] = "org.freedesktop.Notifications";
constexpr char kPath[] = "/org/freedesktop/Notifications";
constexpr char kAppName[] = "Horatick";
// The icon theme's name of the clock's icon.
constexpr char kIcon[] = "horatick";
// The server's own time for the bubble to stay.
constexpr std::int32_t kServerTimeout = -1;

}  // namespace

DesktopNotifier::DesktopNotifier() : connection_(BusConnection::Open(BusKind::Session)) {}

DesktopNotifier::~DesktopNotifier() = default;

bool DesktopNotifier::Notify(const std::string& summary, std::string_view body, Urgency urgency) {
  if (connection_ == nullptr || !connection_->Connected()) return false;
  const std::string markup = EscapeMarkup(body);
  // No callback and no slot: the message goes out flagged as wanting no
  // reply, and is written as the bus takes it while the clock waits anyway.
  // Notify(app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout)
  return sd_bus_call_method_async(connection_->Bus(), nullptr, kService, kPath, kService, "Notify", nullptr, nullptr,
                                  "susssasa{sv}i", kAppName, std::uint32_t{0}, kIcon, summary.c_str(), markup.c_str(),
                                  0u, 1u, "urgency", "y", static_cast<int>(urgency), kServerTimeout) >= 0;
}

std::string EscapeMarkup(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == '&') {
      out += "&amp;";
    } else if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace platform::bus
