// The wall clock and the timer clock, as the driver reports them.
#include <time.h>

#include <cstring>
#include <optional>

#include "platform/kernel/driver.h"
#include "platform/kernel/zone_change.h"
#include "platform/win32.h"

namespace {

platform::ZoneChangeListener zoneChangeListener = nullptr;

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
// Once a second is soon enough and keeps the tick cheap. Every top-level
// window hears of a change at once, as on Win32, since a face that shows
// only minutes would otherwise keep the old hour until the next minute.
void FollowZoneChanges(time_t now) {
  static std::optional<std::uint64_t> lastLookMs;
  const std::uint64_t nowMs = platform::CurrentDriver().MonotonicNowMs();
  if (lastLookMs && nowMs >= *lastLookMs && nowMs - *lastLookMs < 1000) return;
  lastLookMs = nowMs;
  tm before{};
  localtime_r(&now, &before);
  tzset();
  tm after{};
  localtime_r(&now, &after);
  const bool sameName = before.tm_zone == nullptr || after.tm_zone == nullptr
                            ? before.tm_zone == after.tm_zone
                            : std::strcmp(before.tm_zone, after.tm_zone) == 0;
  const bool sameZone = sameName && before.tm_gmtoff == after.tm_gmtoff;
  if (sameZone) return;
  if (zoneChangeListener != nullptr) zoneChangeListener();
}

}  // namespace

void platform::SetZoneChangeListener(ZoneChangeListener listener) { zoneChangeListener = listener; }

void GetLocalTime(SYSTEMTIME* time) {
  if (time == nullptr) return;
  time_t seconds = 0;
  int milliseconds = 0;
  SplitMs(platform::CurrentDriver().UtcNowMs(), &seconds, &milliseconds);
  FollowZoneChanges(seconds);
  tm fields{};
  localtime_r(&seconds, &fields);
  FillSystemTime(fields, milliseconds, time);
}

DWORD GetTickCount() { return static_cast<DWORD>(platform::CurrentDriver().MonotonicNowMs()); }

std::uint64_t GetTickCount64() { return platform::CurrentDriver().MonotonicNowMs(); }
