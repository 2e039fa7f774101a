// Window timers. The core keeps each timer's deadline on the monotonic clock
// and makes its WM_TIMER when the queue has nothing else: a timer is never
// queued twice, and one that fires late fires once and then keeps its
// interval from that moment.
#include <algorithm>
#include <limits>

#include "platform/user/core_state.h"

namespace platform {

namespace {

// As on Win32: shorter intervals are raised to 10 ms, longer ones cut.
constexpr UINT kShortestIntervalMs = 10;
constexpr UINT kLongestIntervalMs = 0x7FFFFFFF;

}  // namespace

std::optional<std::uint64_t> NextTimerDeadline() {
  const auto& timers = Core().timers;
  if (timers.empty()) return std::nullopt;
  std::uint64_t earliest = std::numeric_limits<std::uint64_t>::max();
  for (const TimerEntry& timer : timers) earliest = std::min(earliest, timer.deadlineMs);
  return earliest;
}

std::optional<std::uint64_t> NextWakeDeadline() {
  const std::optional<std::uint64_t> earliest = NextTimerDeadline();
  const std::uint64_t slackMs = CurrentDriver().TimerSlackMs();
  if (!earliest || slackMs == 0) return earliest;
  // Wake for the last timer due within the slack, so that all of them come
  // in one wakeup; after it they start their intervals together and stay so.
  std::uint64_t wake = *earliest;
  for (const TimerEntry& timer : Core().timers) {
    if (timer.deadlineMs <= *earliest + slackMs) wake = std::max(wake, timer.deadlineMs);
  }
  return wake;
}

// Takes the due timer with the earliest deadline (the older one first on a
// tie), and starts its next interval now.
bool TakeDueTimer(MSG* out, std::uint64_t nowMs, HWND filterWindow) {
  TimerEntry* due = nullptr;
  for (TimerEntry& timer : Core().timers) {
    if (timer.deadlineMs > nowMs) continue;
    if (filterWindow != nullptr && timer.hwnd != filterWindow) continue;
    if (due == nullptr || timer.deadlineMs < due->deadlineMs ||
        (timer.deadlineMs == due->deadlineMs && timer.order < due->order)) {
      due = &timer;
    }
  }
  if (due == nullptr) return false;
  due->deadlineMs = nowMs + due->intervalMs;
  *out = MSG{due->hwnd, WM_TIMER, due->id, reinterpret_cast<LPARAM>(due->proc), static_cast<DWORD>(nowMs), {0, 0}};
  return true;
}

std::size_t TimerCount() { return Core().timers.size(); }

bool TimerIsSet(HWND hwnd, UINT_PTR id) { return TimerInterval(hwnd, id) != 0; }

UINT TimerInterval(HWND hwnd, UINT_PTR id) {
  for (const TimerEntry& timer : Core().timers) {
    if (timer.hwnd == hwnd && timer.id == id) return timer.intervalMs;
  }
  return 0;
}

}  // namespace platform

using platform::Core;

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc) {
  platform::CoreState& core = Core();
  if (hwnd != nullptr && platform::FindWindowEntry(hwnd) == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  // A timer without a window gets an id of its own, as on Win32.
  if (hwnd == nullptr) id = 0x8000 + core.nextThreadTimerId++;
  if (platform::CurrentDriver().RefuseTimer(hwnd, id)) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return 0;
  }
  const UINT interval = std::clamp(elapseMs, platform::kShortestIntervalMs, platform::kLongestIntervalMs);
  const std::uint64_t deadline = platform::CurrentDriver().MonotonicNowMs() + interval;
  for (platform::TimerEntry& timer : core.timers) {
    if (timer.hwnd == hwnd && timer.id == id) {
      timer.intervalMs = interval;
      timer.proc = proc;
      timer.deadlineMs = deadline;
      return id != 0 ? id : 1;
    }
  }
  core.timers.push_back(platform::TimerEntry{hwnd, id, interval, proc, deadline, core.timerOrder++});
  return id != 0 ? id : 1;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
  auto& timers = Core().timers;
  const auto found = std::find_if(timers.begin(), timers.end(), [&](const platform::TimerEntry& timer) {
    return timer.hwnd == hwnd && timer.id == id;
  });
  if (found == timers.end()) return FALSE;
  timers.erase(found);
  return TRUE;
}
