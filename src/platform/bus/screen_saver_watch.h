// Whether the desktop session's screen saver is active, as the session's
// screen-saver services say: org.freedesktop.ScreenSaver (KDE, Xfce and
// others) and org.gnome.ScreenSaver. Each is asked once (GetActive) when it
// is there, and followed by its ActiveChanged signal and by its name coming
// and going on the bus, so that reading the state costs no round trip. No
// session bus, or no service, means not active. Any program on the session
// bus may send a signal of that name; only the one from the name's current
// owner is taken, or anyone could keep alarms silent.
#pragma once

#include <systemd/sd-bus.h>

#include <cstdint>
#include <memory>
#include <string>

#include "platform/bus/bus_connection.h"

namespace platform::bus {

class ScreenSaverWatch {
 public:
  // Connects to the session bus; without one the saver is never active.
  ScreenSaverWatch();
  ~ScreenSaverWatch();
  ScreenSaverWatch(const ScreenSaverWatch&) = delete;
  ScreenSaverWatch& operator=(const ScreenSaverWatch&) = delete;

  bool Active() const;
  bool Connected() const { return connection_ != nullptr && connection_->Connected(); }

  // One service: its bus name, object and interface, and what is known of it.
  struct Service {
    const char* name;
    const char* path;
    const char* interface;
    bool active = false;
    // Counts the signals and owner changes seen, so that an answer to a
    // GetActive asked before the latest of them is not taken over it.
    std::uint64_t news = 0;
    // The unique name of the connection that owns the name now, empty while
    // nobody does (or it is not known yet): from the answer to GetActive,
    // then from NameOwnerChanged.
    std::string owner{};
  };

 private:
  static int OnActiveChanged(sd_bus_message* message, void* userdata, sd_bus_error* error);
  static int OnOwnerChanged(sd_bus_message* message, void* userdata, sd_bus_error* error);

  std::unique_ptr<BusConnection> connection_;
  Service services_[2];
};

}  // namespace platform::bus
