// The rule that decides whether an alarm is due on a given day and minute.
#include "alarms/schedule.h"

#include "alarms/calendar.h"

std::int32_t screenSaverActive = 0;

namespace {

bool Set(std::int32_t flag) { return flag != 0; }

// Whether today lies a whole number of cycles of cycleDays after F, the first
// date on or after the alarm's start date that falls on today's weekday. Only
// the distance modulo the cycle counts, so in-phase days before the start
// date match as well.
struct IntervalPhase {
  CalendarDay first;

  IntervalPhase(const AlarmRecord& r, const ClockDate& today) : first(IntervalFirstDate(r, today.weekday)) {}

  bool InCycle(const ClockDate& today, int cycleDays) const {
    return SameCycle(first.month, first.day, first.year, today.month, today.day, today.year, cycleDays) != 0;
  }
};

bool MonthWeekMatches(const AlarmRecord& r, int dayOfMonth) {
  if (dayOfMonth < 1 || dayOfMonth > 31) return false;
  // Days 1-7 are the first week, 8-14 the second, ... 29-31 the fifth.
  return Set(r.monthWeek[(dayOfMonth - 1) / 7]);
}

}  // namespace

CalendarDay IntervalFirstDate(const AlarmRecord& r, int weekday) {
  const int startWeekday = WeekdayOf(r.month, r.day, r.year);
  int k = (weekday - startWeekday) % 7;
  if (k < 0) k += 7;
  return AddDays(r.month, r.day, r.year, k);
}

int IsAlarmDueAt(const AlarmRecord& r, const ClockDate& today, const ClockTime& now, int checkTime) {
  const bool timeOk = checkTime == 0 || (r.minute == now.minute && r.hour == now.hour);
  if (!timeOk) return 0;

  if (r.dateMode == kAlarmOneDate && r.month == today.month && r.day == today.day && r.year == today.year) {
    return 1;
  }

  // Every other rule needs today's weekday ticked.
  const bool dayPicked = today.weekday < 7 && Set(r.weekday[today.weekday]);
  if (!dayPicked) return 0;

  if (Set(r.everyWeek)) return 1;
  if (MonthWeekMatches(r, today.day)) return 1;

  if (Set(r.everyOtherWeek) || Set(r.everyThirdWeek) || Set(r.everyFourthWeek)) {
    const IntervalPhase phase(r, today);
    if (Set(r.everyOtherWeek) && phase.InCycle(today, 14)) return 1;
    if (Set(r.everyThirdWeek) && phase.InCycle(today, 21)) return 1;
    if (Set(r.everyFourthWeek) && phase.InCycle(today, 28)) return 1;
  }
  return 0;
}

int IsAlarmDue(int index, int checkTime) {
  if (alarms == nullptr || index < 0 || index >= kAlarmCount) return 0;
  ClockTime now{};
  ClockDate today{};
  GetClockTime(&now, &today);
  return IsAlarmDueAt(alarms[index], today, now, checkTime);
}

bool AlarmWatched(const AlarmRecord& r) {
  if (screenSaverActive != 0 && r.evenIfScreenSaver == 0) return false;
  return r.enabled == 1;
}
