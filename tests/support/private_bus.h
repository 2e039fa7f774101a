// A private D-Bus daemon for one test, and the test's fake desktop services
// on it, so that no test ever reaches the machine's real buses or services.
//
//   PrivateBus session;                          // a bus of its own
//   ScopedBusAddress use("DBUS_SESSION_BUS_ADDRESS", session.address());
//   FakeService saver(session, {"saver", "gnome", "active"});
//   saver.command("off");                        // ActiveChanged(false)
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/kernel/event_sources.h"
#include "support/temp_folder.h"
#include "support/wait_until.h"

namespace busfake {

// Runs argv with the environment changes, stdin and stdout on pipes; returns the pid.
inline pid_t Spawn(const std::vector<std::string>& args, const std::vector<std::pair<std::string, std::string>>& env,
                   int* toChild, int* fromChild, bool quiet = false) {
  int in[2];
  int out[2];
  if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0) return -1;
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(in[0], STDIN_FILENO);
    ::dup2(out[1], STDOUT_FILENO);
    if (quiet) {
      const int nowhere = ::open("/dev/null", O_WRONLY);
      ::dup2(nowhere, STDERR_FILENO);
    }
    for (const auto& [name, value] : env) ::setenv(name.c_str(), value.c_str(), 1);
    std::vector<char*> argv;
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  ::close(in[0]);
  ::close(out[1]);
  *toChild = in[1];
  *fromChild = out[0];
  return pid;
}

// One line from fd within the limit; empty on the limit or at the end.
inline std::string ReadLine(int fd, std::string& buffered, int limitMs = 10'000) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
  for (;;) {
    const std::size_t end = buffered.find('\n');
    if (end != std::string::npos) {
      std::string line = buffered.substr(0, end);
      buffered.erase(0, end + 1);
      return line;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
    pollfd watched{fd, POLLIN, 0};
    // A limit of 0 still takes what has come by now.
    if (::poll(&watched, 1, static_cast<int>(std::max<long long>(left.count(), 0))) <= 0) return {};
    char chunk[256];
    const ssize_t got = ::read(fd, chunk, sizeof chunk);
    if (got <= 0) return {};
    buffered.append(chunk, static_cast<std::size_t>(got));
  }
}

class Child {
 public:
  Child() = default;
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;
  ~Child() { Stop(); }

  void Start(const std::vector<std::string>& args, const std::vector<std::pair<std::string, std::string>>& env,
             bool quiet = false) {
    pid_ = Spawn(args, env, &in_, &out_, quiet);
  }
  void Stop() {
    if (pid_ > 0) {
      ::kill(pid_, SIGTERM);
      ::waitpid(pid_, nullptr, 0);
      pid_ = -1;
    }
    if (in_ >= 0) ::close(in_);
    if (out_ >= 0) ::close(out_);
    in_ = out_ = -1;
  }
  std::string Line(int limitMs = 10'000) { return ReadLine(out_, buffered_, limitMs); }
  void Write(const std::string& line) {
    const std::string text = line + "\n";
    [[maybe_unused]] const ssize_t put = ::write(in_, text.data(), text.size());
  }

 private:
  pid_t pid_ = -1;
  int in_ = -1;
  int out_ = -1;
  std::string buffered_;
};

// A dbus-daemon of the test's own, listening in a fresh folder.
class PrivateBus {
 public:
  PrivateBus() {
    const std::string config = folder_ / "bus.conf";
    std::ofstream(config) << "<busconfig><type>session</type><listen>unix:dir=" << folder_.path()
                          << "</listen><auth>EXTERNAL</auth><policy context=\"default\"><allow send_destination=\"*\" "
                             "eavesdrop=\"true\"/><allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>";
    daemon_.Start({"/usr/bin/dbus-daemon", "--nofork", "--config-file=" + config, "--print-address=1"}, {}, true);
    address_ = daemon_.Line();
  }
  ~PrivateBus() { daemon_.Stop(); }
  PrivateBus(const PrivateBus&) = delete;
  PrivateBus& operator=(const PrivateBus&) = delete;

  const std::string& address() const { return address_; }

 private:
  // Under /tmp: the bus's socket is made in it.
  TempFolder folder_{"/tmp"};
  std::string address_;
  Child daemon_;
};

// Sets an environment variable for the life of the object.
class ScopedBusAddress {
 public:
  ScopedBusAddress(const char* name, const std::string& value) : name_(name) {
    if (const char* old = ::getenv(name)) old_ = old;
    ::setenv(name, value.c_str(), 1);
  }
  ~ScopedBusAddress() {
    if (old_) {
      ::setenv(name_, old_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }
  ScopedBusAddress(const ScopedBusAddress&) = delete;
  ScopedBusAddress& operator=(const ScopedBusAddress&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// The fake services program on a bus: started with `args`, ready once it
// has taken its name. Lines are what it printed of the calls it got.
class FakeService {
 public:
  // systemBus: the bus is given as the system bus, else as the session bus.
  FakeService(const PrivateBus& bus, std::vector<std::string> args, bool systemBus = false) {
    args.insert(args.begin(), HORATICK_FAKE_SERVICES);
    child_.Start(args, {{systemBus ? "DBUS_SYSTEM_BUS_ADDRESS" : "DBUS_SESSION_BUS_ADDRESS", bus.address()}});
    ready_ = child_.Line() == "ready";
  }
  bool ready() const { return ready_; }
  // Sends a command and waits until the service has carried it out.
  void command(const std::string& line) {
    child_.Write(line);
    while (true) {
      const std::string said = child_.Line();
      if (said.empty() || said == "done " + line) return;
      calls_.push_back(said);
    }
  }
  // The next call line, waiting for it (empty when none comes).
  std::string nextCall(int limitMs = 10'000) {
    if (!calls_.empty()) {
      std::string call = calls_.front();
      calls_.erase(calls_.begin());
      return call;
    }
    return child_.Line(limitMs);
  }
  void stop() { child_.Stop(); }

 private:
  Child child_;
  bool ready_ = false;
  std::vector<std::string> calls_;
};

// Waits on the layer's event sources and lets `work` run after each
// wake-up, until `done` holds or the guard passes (a failure, not a hang).
inline bool WorkUntil(const std::function<bool()>& done, const std::function<void()>& work, int limitMs = 10'000) {
  return WaitUntil(
      done,
      [&] {
        std::vector<pollfd> fds;
        for (platform::EventSource* source : platform::WatchedEventSources()) {
          fds.push_back(pollfd{source->Fd(), source->Events(), 0});
        }
        ::poll(fds.data(), fds.size(), 50);
        work();
      },
      std::chrono::milliseconds(limitMs));
}

}  // namespace busfake
