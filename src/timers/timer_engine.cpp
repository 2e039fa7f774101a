// The state of the two stopwatches and two countdowns, and the update that
// turns the timer clock into their counts.
#include "timers/timer_engine.h"

#include <cstdio>

TimerRecord timers[kTimerCount] = {};
char timerText[136] = "";
HWND timersDialog = reinterpret_cast<HWND>(static_cast<std::intptr_t>(-1));

namespace {

constexpr std::int64_t kMillisecondsPerMinute = 60000;
constexpr int kFinishBeepHz = 200;
constexpr int kFinishBeepMs = 100;
constexpr int kLongBeepCount = 85;
constexpr int kShortBeepCount = 10;

// The timer clock is the layer's monotonic clock: it never wraps, and setting
// the wall clock does not move running stopwatches or countdowns.
std::int64_t TimerClockMs() { return static_cast<std::int64_t>(GetTickCount64()); }

bool IsValidIndex(int index) { return index >= 0 && index < kTimerCount; }

void SoundFinishBeeps(const TimerRecord& timer) {
  if (timer.beepWhenFinished == 0) return;
  // Both pitches sound the same tone; only the length of the alert differs.
  const int count = timer.beepDuration == kTimerBeepLong ? kLongBeepCount : kShortBeepCount;
  for (int i = 0; i < count; ++i) Beep(kFinishBeepHz, kFinishBeepMs);
}

// running is cleared first: the notice is modal, ticks go on behind it and
// update the timers again, and each finish must be handled exactly once.
void FinishCountdown(int index, HWND window) {
  TimerRecord& timer = timers[index];
  timer.running = 0;
  SoundFinishBeeps(timer);
  char notice[64];
  std::snprintf(notice, sizeof notice, "Countdown timer %d finished.", TimerNumber(index));
  MessageBox(window, notice, "Horatick", MB_OK | MB_ICONINFORMATION);
  SendMessage(window, WM_TIMER_FINISHED, 0, 0);
}

void UpdateTimer(int index, HWND window) {
  TimerRecord& timer = timers[index];
  timer.hours = 0;
  timer.minutes = 0;
  timer.seconds = 0;
  const std::int64_t now = TimerClockMs();
  std::int64_t total = 0;
  if (IsCountdown(index)) {
    if (timer.reference >= now) total = (timer.reference - now) / 1000;
    // Less than one whole second left counts as finished.
    if (total == 0) FinishCountdown(index, window);
  } else if (now > timer.reference) {
    total = (now - timer.reference) / 1000;
  }
  SplitTimerCount(total, timer);
}

}  // namespace

bool IsCountdown(int index) { return index >= kFirstCountdown; }

int TimerNumber(int index) { return IsCountdown(index) ? index - kFirstCountdown + 1 : index + 1; }

void SplitTimerCount(std::int64_t totalSeconds, TimerRecord& timer) {
  if (totalSeconds < 0) totalSeconds = 0;
  const std::int64_t totalMinutes = totalSeconds / 60;
  timer.seconds = static_cast<std::uint8_t>(totalSeconds % 60);
  timer.minutes = static_cast<std::uint8_t>(totalMinutes % 60);
  timer.hours = static_cast<std::uint8_t>((totalMinutes / 60) % 256);
  if (timer.hours == 255) timer.hours = 0;
}

void SetTimersStartState() {
  for (int i = 0; i < kTimerCount; ++i) {
    timers[i] = {};
    timers[i].showTimer = 1;
    timers[i].showSeconds = 1;
    if (IsCountdown(i)) {
      timers[i].beepDuration = kTimerBeepShort;
      timers[i].beepPitch = kTimerPitchHi;
    }
  }
}

// Each timer reads the clock anew: a notice of an earlier countdown may have
// held the update for a long time.
int UpdateTimers(HWND window) {
  for (int i = 0; i < kTimerCount; ++i) {
    if (timers[i].running != 0) UpdateTimer(i, window);
  }
  return 1;
}

void StartStopwatch(int index) {
  if (!IsValidIndex(index)) return;
  timers[index].reference = TimerClockMs();
  timers[index].running = 1;
}

void StartCountdown(int index, std::int32_t minutes) {
  if (!IsValidIndex(index)) return;
  timers[index].reference = TimerClockMs() + static_cast<std::int64_t>(minutes) * kMillisecondsPerMinute;
  timers[index].running = 1;
}

void StopTimer(int index) {
  if (!IsValidIndex(index)) return;
  timers[index].running = 0;
}

void ResetTimerState() {
  for (TimerRecord& timer : timers) timer = {};
  timerText[0] = '\0';
  timersDialog = reinterpret_cast<HWND>(static_cast<std::intptr_t>(-1));
}
