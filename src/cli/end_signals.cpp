// The signals are taken by a thread of their own with sigtimedwait, never by
// a handler: the thread may use the core's inbox, which a handler may not.
#include "cli/end_signals.h"

#include <pthread.h>
#include <signal.h>

#include <atomic>
#include <cerrno>
#include <ctime>
#include <thread>

#include "platform/core/driver.h"

namespace cli {
namespace {

std::thread watcher;
std::atomic<bool> stopping{false};
sigset_t endSignals;
sigset_t previousMask;

// How often the thread looks whether it is to stop.
constexpr long kStopCheckNs = 100'000'000;

void Watch() {
  const timespec wait{0, kStopCheckNs};
  while (!stopping.load()) {
    siginfo_t info{};
    if (sigtimedwait(&endSignals, &info, &wait) > 0) platform::PostInput(platform::input::EndSession{});
  }
}

}  // namespace

void StartEndSignalWatch() {
  if (watcher.joinable()) return;
  sigemptyset(&endSignals);
  sigaddset(&endSignals, SIGTERM);
  sigaddset(&endSignals, SIGHUP);
  sigaddset(&endSignals, SIGINT);
  pthread_sigmask(SIG_BLOCK, &endSignals, &previousMask);
  stopping = false;
  watcher = std::thread(Watch);
}

void StopEndSignalWatch() {
  if (!watcher.joinable()) return;
  stopping = true;
  watcher.join();
  pthread_sigmask(SIG_SETMASK, &previousMask, nullptr);
}

}  // namespace cli
