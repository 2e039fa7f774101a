#include "cli/autostart.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/terminal_text.h"
#include "cli/desktop_exec.h"
#include "platform/kernel/profile_file.h"
#include "platform/session/settings_folder.h"
#include "settings/error_text.h"

namespace cli {

namespace {

constexpr char kEntryName[] = "/autostart/horatick.desktop";

const char* NonEmptyEnv(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? value : nullptr;
}

std::string UserConfigFolder() {
  // XDG says a relative path in these variables is to be ignored.
  if (const char* config = NonEmptyEnv("XDG_CONFIG_HOME"); config != nullptr && config[0] == '/') return config;
  if (const char* home = NonEmptyEnv("HOME")) return std::string(home) + "/.config";
  if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir != nullptr) {
    return std::string(entry->pw_dir) + "/.config";
  }
  return "/.config";
}

// The entries the system gives every user ($XDG_CONFIG_DIRS), which the
// user's own entry of the same name overrides.
std::vector<std::string> SystemEntries() {
  std::vector<std::string> entries;
  std::stringstream dirs(NonEmptyEnv("XDG_CONFIG_DIRS") ? NonEmptyEnv("XDG_CONFIG_DIRS") : "/etc/xdg");
  for (std::string dir; std::getline(dirs, dir, ':');) {
    if (!dir.empty() && dir[0] == '/') entries.push_back(dir + kEntryName);
  }
  return entries;
}

bool SameFile(const std::string& a, const std::string& b) {
  struct stat first {};
  struct stat second {};
  return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
         first.st_ino == second.st_ino;
}

std::string ThisProgram() {
  char path[4096];
  const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return {};
  return std::string(path, static_cast<std::size_t>(length));
}

// "horatick" when that name, looked up on $PATH as a session would, runs
// this very program; else the program's absolute path.
std::string ProgramToStart() {
  const std::string self = ThisProgram();
  std::stringstream path(NonEmptyEnv("PATH") ? NonEmptyEnv("PATH") : "");
  for (std::string dir; std::getline(path, dir, ':');) {
    // A relative entry means nothing to the session that reads the entry.
    if (dir.empty() || dir[0] != '/') continue;
    const std::string candidate = dir + "/horatick";
    if (::access(candidate.c_str(), X_OK) != 0) continue;
    return SameFile(candidate, self) ? "horatick" : self;
  }
  return self;
}

bool Failed(const char* doing, const std::string& file, const std::string& reason) {
  std::fprintf(stderr, "horatick: cannot %s %s: %s\n", doing, TerminalLine(file).c_str(), reason.c_str());
  return false;
}

// An entry is off when it exists but is hidden, as the XDG rules and the
// desktops' own startup tools mark one they keep but do not run.
enum class EntryState { Missing, On, Off };

EntryState StateOf(const std::string& file) {
  std::ifstream in(file);
  if (!in) return EntryState::Missing;
  for (std::string line; std::getline(in, line);) {
    if (line == "Hidden=true" || line == "X-GNOME-Autostart-enabled=false") return EntryState::Off;
  }
  return EntryState::On;
}

// The entry that starts the clock at login, if one does: the user's own, else
// the first of the system's.
std::optional<std::string> StartingEntry(const std::string& userEntry) {
  std::vector<std::string> entries = {userEntry};
  for (const std::string& entry : SystemEntries()) entries.push_back(entry);
  for (const std::string& entry : entries) {
    const EntryState state = StateOf(entry);
    if (state == EntryState::On) return entry;
    if (state == EntryState::Off) return std::nullopt;
  }
  return std::nullopt;
}

bool MakeFolders(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0) {
    if (!S_ISDIR(info.st_mode)) errno = ENOTDIR;
    return S_ISDIR(info.st_mode);
  }
  const std::size_t slash = path.find_last_of('/');
  if (slash != std::string::npos && slash > 0 && !MakeFolders(path.substr(0, slash))) return false;
  return ::mkdir(path.c_str(), 0700) == 0 || errno == EEXIST;
}

// Writes the entry as the settings files are written: a new file of a unique
// name, created exclusively without following links, renamed over the entry
// when complete, so a session never reads half an entry and nothing planted
// beside it is written through.
bool WriteEntry(const std::string& file, const std::string& text) {
  if (!MakeFolders(file.substr(0, file.find_last_of('/')))) return Failed("write", file, std::strerror(errno));
  if (!platform::profile::ReplaceFile(file, text)) return Failed("write", file, LastErrorText());
  return true;
}

}  // namespace

int RunAutostart(std::optional<bool> turnOn, bool settingsFolderNamed) {
  const std::string entry = UserConfigFolder() + kEntryName;
  if (turnOn == true) {
    std::vector<std::string> arguments = {ProgramToStart()};
    if (settingsFolderNamed) {
      arguments.push_back("--settings-dir");
      arguments.push_back(platform::SettingsFolderPath());
    }
    const auto exec = DesktopExecLine(arguments);
    if (!exec) {
      std::fputs("horatick: a login entry cannot name a path with a line break, a control character or bytes "
                 "that are not UTF-8\n",
                 stderr);
      return 1;
    }
    const std::string text =
        "# Starts the clock at login; written by horatick --autostart on, removed by horatick --autostart off.\n"
        "[Desktop Entry]\n"
        "Type=Application\n"
        "Name=Horatick\n"
        "Comment=A small always-on-top clock with alarms, stopwatches and countdowns\n"
        "Exec=" + *exec + "\n"
        "Icon=horatick\n"
        "Terminal=false\n"
        "StartupNotify=false\n";
    if (!WriteEntry(entry, text)) return 1;
  } else if (turnOn == false) {
    if (::unlink(entry.c_str()) != 0 && errno != ENOENT) {
      Failed("remove", entry, std::strerror(errno));
      return 1;
    }
    // An entry of the system's still runs unless the user's own hides it.
    if (StartingEntry(entry) &&
        !WriteEntry(entry, "[Desktop Entry]\nType=Application\nName=Horatick\nExec=horatick\nHidden=true\n")) {
      return 1;
    }
  }
  if (const auto starting = StartingEntry(entry)) {
    std::printf("autostart is on: the clock starts at login (%s)\n", starting->c_str());
  } else {
    std::puts("autostart is off: the clock does not start at login");
  }
  return 0;
}

}  // namespace cli
