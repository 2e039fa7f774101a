// Whether an alarm is due.
#pragma once

#include <cstdint>

#include "alarms/calendar.h"
#include "settings/alarm_record.h"
#include "base/time_source.h"

// 1 while the screen saver runs, as the tick scan last saw it; alarms that
// do not ring through the screen saver are held back meanwhile.
extern std::int32_t screenSaverActive;

// Due now, by the local clock; checkTime 0 ignores the time of day.
int IsAlarmDue(int index, int checkTime);
// The same rule for a given record and moment.
int IsAlarmDueAt(const AlarmRecord& r, const ClockDate& today, const ClockTime& now, int checkTime);
// The first date on or after the alarm's start date that falls on the
// weekday (0 = Sunday): the interval rules match the days a whole number of
// cycles from it, before the start date as well as after.
CalendarDay IntervalFirstDate(const AlarmRecord& r, int weekday);
// Whether the tick scan looks at this alarm now: enabled, and not held back
// by an active screen saver.
bool AlarmWatched(const AlarmRecord& r);
