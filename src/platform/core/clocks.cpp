// The wall clock and the timer clock, as the driver reports them.
#include <time.h>

#include <optional>

#include "platform/core/driver.h"
#include "platform/win32.h"

namespace {

void FillSystemTime(const tm& fields, int milliseconds, SYSTEMTIME* out) {
  out->wYear = static_cast<WORD>(fields.tm_year + 1900);
  out->wMonth = static_cast<WORD>(fields.tm_mon + 1);
  out->wDayOfWeek = static_cast<WORD>(fields.tm_wday);
  out->wDay = static_cast<WORD>(fields.tm_mday);
  out->wHour = static_cast<WORD>(fields.tm_hour);
  out->wMinute = static_cast<WORD>(fields.tm_min);
  out->wSecond = static_cast<WORD>(fields.tm_sec);
  out->wMilliseconds = static_cast<WORD>(milliseconds);
}

// Splits an instant into whole seconds and milliseconds, rounding down also
// before 1970.
void SplitMs(std::int64_t utcMs, time_t* seconds, int* milliseconds) {
  std::int64_t whole = utcMs / 1000;
  std::int64_t rest = utcMs % 1000;
  if (rest < 0) {
    rest += 1000;
    whole -= 1;
  }
  *seconds = static_cast<time_t>(whole);
  *milliseconds = static_cast<int>(rest);
}

// The machine's time zone may change while the clock runs: a laptop carried
// across zones, a zone chosen in the desktop's settings. localtime_r never
// looks at it again by itself; tzset does, and reads the zone file anew when
// it has changed (TZ itself is only ever changed by whoever calls tzset).
// Once a second is soon enough and keeps the tick cheap.
void FollowZoneChanges() {
  static std::optional<std::uint64_t> lastLookMs;
  const std::uint64_t nowMs = platform::CurrentDriver().MonotonicNowMs();
  if (lastLookMs && nowMs >= *lastLookMs && nowMs - *lastLookMs < 1000) return;
  lastLookMs = nowMs;
  tzset();
}

}  // namespace

void GetLocalTime(SYSTEMTIME* time) {
  if (time == nullptr) return;
  FollowZoneChanges();
  time_t seconds = 0;
  int milliseconds = 0;
  SplitMs(platform::CurrentDriver().UtcNowMs(), &seconds, &milliseconds);
  tm fields{};
  localtime_r(&seconds, &fields);
  FillSystemTime(fields, milliseconds, time);
}

DWORD GetTickCount() { return static_cast<DWORD>(platform::CurrentDriver().MonotonicNowMs()); }

std::uint64_t GetTickCount64() { return platform::CurrentDriver().MonotonicNowMs(); }
