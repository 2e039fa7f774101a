#include "moments/local_time.h"

#include <ctime>

#include "alarms/calendar.h"
#include "alarms/clock_jump.h"

std::int64_t WallMinuteOf(const LocalMoment& m) {
  return LocalMinuteAt(m.year, m.month, m.day, m.hour * 60 + m.minute);
}

LocalMoment MomentOfWallMinute(std::int64_t wallMinute) {
  const std::int64_t day = LocalDayOf(wallMinute);
  const std::int64_t minuteOfDay = wallMinute - day * kMinutesPerDay;
  const CalendarDay date = DateOfLocalDay(day);
  LocalMoment m;
  m.year = static_cast<int>(date.year);
  m.month = static_cast<int>(date.month);
  m.day = static_cast<int>(date.day);
  m.hour = static_cast<int>(minuteOfDay / 60);
  m.minute = static_cast<int>(minuteOfDay % 60);
  return m;
}

namespace {

std::tm TmOf(const LocalMoment& m, int isDst) {
  std::tm t{};
  t.tm_year = m.year - 1900;
  t.tm_mon = m.month - 1;
  t.tm_mday = m.day;
  t.tm_hour = m.hour;
  t.tm_min = m.minute;
  t.tm_sec = m.second;
  t.tm_isdst = isDst;
  return t;
}

bool ShowsAs(std::time_t instant, const LocalMoment& m) {
  std::tm shown{};
  if (localtime_r(&instant, &shown) == nullptr) return false;
  return shown.tm_year == m.year - 1900 && shown.tm_mon == m.month - 1 && shown.tm_mday == m.day &&
         shown.tm_hour == m.hour && shown.tm_min == m.minute;
}

}  // namespace

LocalMoment LocalMomentOfUtcMs(std::int64_t utcMs) {
  // Whole seconds toward the past, so that an instant before 1970 keeps a
  // millisecond from 0 to 999.
  std::int64_t seconds = utcMs / 1000;
  std::int64_t rest = utcMs % 1000;
  if (rest < 0) {
    rest += 1000;
    seconds -= 1;
  }
  const auto instant = static_cast<std::time_t>(seconds);
  std::tm shown{};
  localtime_r(&instant, &shown);
  return {shown.tm_year + 1900, shown.tm_mon + 1, shown.tm_mday, shown.tm_hour, shown.tm_min, shown.tm_sec,
          static_cast<int>(rest)};
}

std::int64_t WallMinuteOfUtc(std::int64_t utcSeconds) { return WallMinuteOf(LocalMomentOfUtcMs(utcSeconds * 1000)); }

bool WallMinuteExists(std::int64_t wallMinute) {
  const LocalMoment m = MomentOfWallMinute(wallMinute);
  // Try both readings of the offset: in the repeated hour only one of them is
  // what mktime picks by itself.
  for (int isDst : {-1, 0, 1}) {
    std::tm t = TmOf(m, isDst);
    const std::time_t instant = std::mktime(&t);
    if (instant != static_cast<std::time_t>(-1) && ShowsAs(instant, m)) return true;
  }
  return false;
}

std::optional<std::int64_t> UtcMsOfLocal(const LocalMoment& m) {
  std::optional<std::int64_t> earliest;
  for (int isDst : {0, 1}) {
    std::tm t = TmOf(m, isDst);
    const std::time_t instant = std::mktime(&t);
    if (instant == static_cast<std::time_t>(-1) || !ShowsAs(instant, m)) continue;
    const std::int64_t ms = static_cast<std::int64_t>(instant) * 1000 + m.millisecond;
    if (!earliest || ms < *earliest) earliest = ms;
  }
  if (earliest) return earliest;
  // A moment in a gap: the clock jumps from just before it to the gap's end.
  std::int64_t wall = WallMinuteOf(m);
  const std::int64_t giveUp = wall + 2 * 1440;
  while (!WallMinuteExists(wall)) {
    if (++wall > giveUp) return std::nullopt;
  }
  const LocalMoment after = MomentOfWallMinute(wall);
  std::tm end = TmOf(after, -1);
  const std::time_t endInstant = std::mktime(&end);
  if (endInstant == static_cast<std::time_t>(-1)) return std::nullopt;
  return static_cast<std::int64_t>(endInstant) * 1000;
}

std::optional<std::int64_t> NoticedAt(std::int64_t wallMinute) {
  if (WallMinuteExists(wallMinute)) return wallMinute;
  for (std::int64_t later = wallMinute + 1; later <= wallMinute + kCatchUpLimitMinutes; ++later) {
    if (WallMinuteExists(later)) return later;
  }
  return std::nullopt;
}
