// Small stand-ins for the desktop's services, for the tests: a screen-saver
// service on the session bus, or the time and date service on the system
// bus. Each prints "ready" once its name is taken (a spoofer: once it is on
// the bus), then one line for every call it gets, and takes commands on
// standard input.
//
//   fake_desktop_services saver freedesktop|gnome [active]
//       stdin: "on" / "off" (the state changes, ActiveChanged is sent)
//   fake_desktop_services spoof freedesktop|gnome
//       the same signals from a program that does not own the name
//   fake_desktop_services timedate [ntp] [hold] [fail=NAME] [fail-ntp=NAME]
//       prints "SetTime <usec> <relative> <interactive>", "SetNTP <on> <interactive>";
//       hold: SetTime is answered only after "release" on stdin;
//       fail=NAME: SetTime is answered with that error; fail-ntp=NAME: SetNTP is.
//   fake_desktop_services notifications
//       prints "Notify <app>|<replaces>|<icon>|<summary>|<body>|<actions>|<hints>|<timeout>|<reply>"
//       with line ends shown as "\n", the hints as name=value, and whether the
//       caller asked for a reply ("reply" or "no-reply"); answers with id 1.
#include <poll.h>
#include <systemd/sd-bus.h>
#include <unistd.h>

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

struct Saver {
  const char* path = nullptr;
  const char* interface = nullptr;
  int active = 0;
};

struct Timedate {
  int ntp = 0;
  bool hold = false;
  std::string fail;
  std::string failNtp;
  sd_bus_message* held = nullptr;
};

Saver saver;
Timedate timedate;

void Say(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

int GetActive(sd_bus_message* call, void*, sd_bus_error*) { return sd_bus_reply_method_return(call, "b", saver.active); }

const sd_bus_vtable kSaverTable[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_METHOD("GetActive", "", "b", GetActive, 0),
    SD_BUS_SIGNAL("ActiveChanged", "b", 0),
    SD_BUS_VTABLE_END,
};

int Refuse(sd_bus_message* call, const std::string& name) {
  return sd_bus_reply_method_errorf(call, name.c_str(), "Refused by the test service (%s)", name.c_str());
}

int SetTime(sd_bus_message* call, void*, sd_bus_error*) {
  std::int64_t usec = 0;
  int relative = 0;
  int interactive = 0;
  if (sd_bus_message_read(call, "xbb", &usec, &relative, &interactive) < 0) return -EINVAL;
  char line[96];
  std::snprintf(line, sizeof line, "SetTime %" PRId64 " %d %d", usec, relative, interactive);
  Say(line);
  if (!timedate.fail.empty()) return Refuse(call, timedate.fail);
  if (timedate.hold) {
    timedate.held = sd_bus_message_ref(call);
    return 1;
  }
  return sd_bus_reply_method_return(call, "");
}

int SetNtp(sd_bus_message* call, void*, sd_bus_error*) {
  int on = 0;
  int interactive = 0;
  if (sd_bus_message_read(call, "bb", &on, &interactive) < 0) return -EINVAL;
  Say("SetNTP " + std::to_string(on) + " " + std::to_string(interactive));
  if (!timedate.failNtp.empty()) return Refuse(call, timedate.failNtp);
  timedate.ntp = on;
  return sd_bus_reply_method_return(call, "");
}

int GetNtp(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply, void*, sd_bus_error*) {
  return sd_bus_message_append(reply, "b", timedate.ntp);
}

const sd_bus_vtable kTimedateTable[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_PROPERTY("NTP", "b", GetNtp, 0, SD_BUS_VTABLE_PROPERTY_EMITS_CHANGE),
    SD_BUS_METHOD("SetTime", "xbb", "", SetTime, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("SetNTP", "bb", "", SetNtp, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_VTABLE_END,
};

std::string OneLine(const char* text) {
  std::string out;
  for (const char* c = text; *c != '\0'; ++c) {
    if (*c == '\n') {
      out += "\\n";
    } else {
      out += *c;
    }
  }
  return out;
}

// The hints a{sv}, as far as the clock sends them (bytes, strings, booleans).
std::string ReadHints(sd_bus_message* call) {
  std::string hints;
  if (sd_bus_message_enter_container(call, 'a', "{sv}") < 0) return "?";
  while (sd_bus_message_enter_container(call, 'e', "sv") > 0) {
    const char* name = nullptr;
    const char* type = nullptr;
    sd_bus_message_read(call, "s", &name);
    sd_bus_message_peek_type(call, nullptr, &type);
    std::string value = "?";
    sd_bus_message_enter_container(call, 'v', type);
    if (std::strcmp(type, "y") == 0) {
      std::uint8_t byte = 0;
      sd_bus_message_read(call, "y", &byte);
      value = std::to_string(byte);
    } else if (std::strcmp(type, "s") == 0) {
      const char* text = nullptr;
      sd_bus_message_read(call, "s", &text);
      value = text;
    } else {
      sd_bus_message_skip(call, type);
    }
    sd_bus_message_exit_container(call);
    sd_bus_message_exit_container(call);
    if (!hints.empty()) hints += ',';
    hints += std::string(name) + "=" + value;
  }
  sd_bus_message_exit_container(call);
  return hints;
}

int Notify(sd_bus_message* call, void*, sd_bus_error*) {
  const char* app = nullptr;
  std::uint32_t replaces = 0;
  const char* icon = nullptr;
  const char* summary = nullptr;
  const char* body = nullptr;
  if (sd_bus_message_read(call, "susss", &app, &replaces, &icon, &summary, &body) < 0) return -EINVAL;
  std::string actions;
  sd_bus_message_enter_container(call, 'a', "s");
  for (const char* action = nullptr; sd_bus_message_read(call, "s", &action) > 0;) actions += std::string(action) + ",";
  sd_bus_message_exit_container(call);
  const std::string hints = ReadHints(call);
  std::int32_t timeout = 0;
  sd_bus_message_read(call, "i", &timeout);
  Say("Notify " + OneLine(app) + "|" + std::to_string(replaces) + "|" + OneLine(icon) + "|" + OneLine(summary) + "|" +
      OneLine(body) + "|" + actions + "|" + hints + "|" + std::to_string(timeout) + "|" +
      (sd_bus_message_get_expect_reply(call) ? "reply" : "no-reply"));
  return sd_bus_reply_method_return(call, "u", 1u);
}

const sd_bus_vtable kNotificationsTable[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_METHOD("Notify", "susssasa{sv}i", "u", Notify, 0),
    SD_BUS_VTABLE_END,
};

void Command(sd_bus* bus, const std::string& command) {
  if (command == "on" || command == "off") {
    saver.active = command == "on";
    sd_bus_emit_signal(bus, saver.path, saver.interface, "ActiveChanged", "b", saver.active);
  } else if (command == "release" && timedate.held != nullptr) {
    sd_bus_reply_method_return(timedate.held, "");
    timedate.held = sd_bus_message_unref(timedate.held);
  }
  sd_bus_flush(bus);
  Say("done " + command);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const std::string kind = argv[1];
  sd_bus* bus = nullptr;
  const char* name = nullptr;
  const bool spoof = kind == "spoof";
  if ((kind == "saver" || spoof) && argc >= 3) {
    const bool gnome = std::strcmp(argv[2], "gnome") == 0;
    name = gnome ? "org.gnome.ScreenSaver" : "org.freedesktop.ScreenSaver";
    saver.path = gnome ? "/org/gnome/ScreenSaver" : "/org/freedesktop/ScreenSaver";
    saver.interface = name;
    saver.active = argc >= 4 && std::strcmp(argv[3], "active") == 0;
    if (sd_bus_open_user(&bus) < 0) return 1;
    if (!spoof) sd_bus_add_object_vtable(bus, nullptr, saver.path, saver.interface, kSaverTable, nullptr);
  } else if (kind == "timedate") {
    for (int i = 2; i < argc; ++i) {
      const std::string arg = argv[i];
      if (arg == "ntp") timedate.ntp = 1;
      if (arg == "hold") timedate.hold = true;
      if (arg.rfind("fail=", 0) == 0) timedate.fail = arg.substr(5);
      if (arg.rfind("fail-ntp=", 0) == 0) timedate.failNtp = arg.substr(9);
    }
    name = "org.freedesktop.timedate1";
    if (sd_bus_open_system(&bus) < 0) return 1;
    sd_bus_add_object_vtable(bus, nullptr, "/org/freedesktop/timedate1", name, kTimedateTable, nullptr);
  } else if (kind == "notifications") {
    name = "org.freedesktop.Notifications";
    if (sd_bus_open_user(&bus) < 0) return 1;
    sd_bus_add_object_vtable(bus, nullptr, "/org/freedesktop/Notifications", name, kNotificationsTable, nullptr);
  } else {
    return 2;
  }
  if (!spoof && sd_bus_request_name(bus, name, 0) < 0) return 1;
  Say("ready");
  std::string pending;
  for (;;) {
    while (sd_bus_process(bus, nullptr) > 0) {
    }
    pollfd fds[2] = {{sd_bus_get_fd(bus), static_cast<short>(sd_bus_get_events(bus)), 0}, {STDIN_FILENO, POLLIN, 0}};
    if (poll(fds, 2, -1) < 0) continue;
    if (fds[1].revents != 0) {
      char buffer[256];
      const ssize_t got = read(STDIN_FILENO, buffer, sizeof buffer);
      if (got <= 0) break;  // the test has gone
      pending.append(buffer, static_cast<std::size_t>(got));
      for (std::size_t end; (end = pending.find('\n')) != std::string::npos; pending.erase(0, end + 1)) {
        Command(bus, pending.substr(0, end));
      }
    }
  }
  sd_bus_flush_close_unref(bus);
  return 0;
}
