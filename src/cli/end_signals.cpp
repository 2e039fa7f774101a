// The signals are taken by a thread of their own with sigwaitinfo, never by
// a handler: the thread may use the core's inbox, which a handler may not.
#include "cli/end_signals.h"

#include <pthread.h>
#include <signal.h>

#include <atomic>
#include <cerrno>
#include <thread>

#include "platform/kernel/driver.h"

namespace cli {
namespace {

std::thread watcher;
std::atomic<bool> stopping{false};
sigset_t waitedSignals;
sigset_t previousMask;

// Sent to the thread itself to end its wait, so that it sleeps without a
// timeout and costs the idle clock no wakeups at all.
constexpr int kStopSignal = SIGUSR2;

void Watch() {
  for (;;) {
    siginfo_t info{};
    const int signal = sigwaitinfo(&waitedSignals, &info);
    if (signal < 0) continue;  // interrupted; wait again
    if (signal == kStopSignal) {
      if (stopping.load()) return;
      continue;  // not ours to act on
    }
    platform::PostInput(platform::input::EndSession{});
  }
}

}  // namespace

void StartEndSignalWatch() {
  if (watcher.joinable()) return;
  sigemptyset(&waitedSignals);
  sigaddset(&waitedSignals, SIGTERM);
  sigaddset(&waitedSignals, SIGHUP);
  sigaddset(&waitedSignals, SIGINT);
  sigaddset(&waitedSignals, kStopSignal);
  // Blocked before the thread starts, so every thread inherits the block and
  // only the watcher's wait ever takes these signals.
  pthread_sigmask(SIG_BLOCK, &waitedSignals, &previousMask);
  stopping = false;
  watcher = std::thread(Watch);
}

void StopEndSignalWatch() {
  if (!watcher.joinable()) return;
  stopping = true;
  pthread_kill(watcher.native_handle(), kStopSignal);
  watcher.join();
  pthread_sigmask(SIG_SETMASK, &previousMask, nullptr);
}

}  // namespace cli
