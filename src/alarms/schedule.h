// Whether an alarm is due.
#pragma once

#include <cstdint>

#include "settings/alarm_record.h"
#include "base/time_source.h"

// 1 while the screen saver runs, as the tick scan last saw it; alarms that
// do not ring through the screen saver are held back meanwhile.
extern std::int32_t screenSaverActive;

// Due now, by the local clock; checkTime 0 ignores the time of day.
int IsAlarmDue(int index, int checkTime);
// The same rule for a given record and moment.
int IsAlarmDueAt(const AlarmRecord& r, const ClockDate& today, const ClockTime& now, int checkTime);
// Whether the tick scan looks at this alarm now: enabled, and not held back
// by an active screen saver.
bool AlarmWatched(const AlarmRecord& r);
