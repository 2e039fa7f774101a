// The default driver: the machine's clocks, real waiting, and nothing shown.
#include "platform/kernel/driver.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "platform/kernel/programs.h"

namespace platform {

namespace {

RealClock& MachineClock() {
  static RealClock clock;
  return clock;
}

// The wake-up of the default wait: WakeUp may come from any thread.
struct Alarm {
  std::mutex mutex;
  std::condition_variable condition;
  bool woken = false;
};

Alarm& DefaultAlarm() {
  static Alarm alarm;
  return alarm;
}

Driver& DefaultDriver() {
  static Driver driver;
  return driver;
}

Driver* installed = nullptr;

}  // namespace

std::int64_t Driver::UtcNowMs() { return MachineClock().UtcNowMs(); }

std::uint64_t Driver::MonotonicNowMs() { return MachineClock().MonotonicNowMs(); }

void Driver::WaitForInput(std::optional<std::uint64_t> deadlineMs) {
  Alarm& alarm = DefaultAlarm();
  std::unique_lock lock(alarm.mutex);
  if (!alarm.woken) {
    if (deadlineMs) {
      const std::uint64_t now = MonotonicNowMs();
      if (*deadlineMs > now) {
        alarm.condition.wait_for(lock, std::chrono::milliseconds(*deadlineMs - now), [&] { return alarm.woken; });
      }
    } else {
      alarm.condition.wait(lock, [&] { return alarm.woken; });
    }
  }
  alarm.woken = false;
}

void Driver::WakeUp() {
  Alarm& alarm = DefaultAlarm();
  {
    std::lock_guard lock(alarm.mutex);
    alarm.woken = true;
  }
  alarm.condition.notify_all();
}

BOOL Driver::Beep(DWORD, DWORD) { return TRUE; }

UINT Driver::WinExec(const char* commandLine, UINT) {
  // Above 31 is WinExec's answer for a program started, an error's number
  // for one that did not start.
  return commandLine != nullptr && SpawnDetached(commandLine) ? 33 : ERROR_FILE_NOT_FOUND;
}

BOOL Driver::WinHelp(HWND, const char*, UINT, UINT_PTR) { return FALSE; }

SHORT Driver::KeyState(int) { return 0; }

DisplayMetrics Driver::Metrics() { return DisplayMetrics{}; }

Driver& CurrentDriver() { return installed != nullptr ? *installed : DefaultDriver(); }

void InstallDriver(Driver* driver) { installed = driver; }

}  // namespace platform
