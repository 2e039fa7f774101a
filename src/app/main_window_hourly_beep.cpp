// The hourly beep: two short beeps when the local hour changes, while
// "H&ourly beep" is checked (alarm 1's flag).
#include <cstdint>

#include "settings/alarm_record.h"
#include "app/main_window_parts.h"
#include "base/time_source.h"

namespace {

constexpr DWORD kBeepHz = 200;
constexpr DWORD kBeepMs = 100;
constexpr int kBeepCount = 2;

// The hours already sounded, as year, month, day and hour in one number. A
// clock set back and forth again, or a repeated hour when daylight saving
// ends, must not sound the same local hour twice; a day's worth is plenty.
constexpr int kSoundedMemory = 24;

int hourLastSeen = -1;
std::int64_t soundedHours[kSoundedMemory] = {};
int soundedNext = 0;

std::int64_t HourKey(const ClockDate& date, const ClockTime& time) {
  return ((static_cast<std::int64_t>(date.year) * 100 + date.month) * 100 + date.day) * 100 + time.hour;
}

bool AlreadySounded(std::int64_t key) {
  for (std::int64_t sounded : soundedHours) {
    if (sounded == key) return true;
  }
  return false;
}

}  // namespace

void ResetHourlyBeepState() {
  hourLastSeen = -1;
  for (std::int64_t& sounded : soundedHours) sounded = 0;
  soundedNext = 0;
}

void StartHourlyBeepWatch() {
  ClockTime time{};
  GetClockTime(&time, nullptr);
  hourLastSeen = time.hour;
}

void CheckHourlyBeep() {
  ClockTime time{};
  ClockDate date{};
  GetClockTime(&time, &date);
  if (time.hour == hourLastSeen) return;
  hourLastSeen = time.hour;
  if (alarms[0].hourlyBeep != 1) return;
  const std::int64_t key = HourKey(date, time);
  if (AlreadySounded(key)) return;
  soundedHours[soundedNext] = key;
  soundedNext = (soundedNext + 1) % kSoundedMemory;
  for (int i = 0; i < kBeepCount; ++i) Beep(kBeepHz, kBeepMs);
}
