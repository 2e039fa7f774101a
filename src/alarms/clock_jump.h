// What the alarm scan remembers about the local clock, so that jumps of that
// clock (daylight saving, a suspend, a clock set by hand) neither ring an
// alarm twice nor lose one.
//
// Local times are counted as the calendar's local minutes.
#pragma once

#include <cstdint>

#include "alarms/calendar.h"

// Stands for "no minute yet".
constexpr std::int64_t kNoLocalMinute = INT64_MIN;
// The longest forward jump whose skipped minutes are still caught up.
constexpr std::int64_t kCatchUpLimitMinutes = 12 * 60;

// Called at the start of every scan with the minute it reads. After a forward
// jump of at most kCatchUpLimitMinutes, each enabled alarm that would have
// come due at a minute strictly between the previous scan's minute and this
// one (and has not rung at that minute) is marked to be caught up. So is one
// due at the previous scan's minute itself that this scan neither examined
// nor passed by at it: the clock had moved on, while an alarm before it rang,
// by the time the scan came to it.
void NoteScanMinute(std::int64_t localMinute);
// The scan passes the alarm by (held back by the screen saver, or off).
void NoteAlarmPassedBy(int index);
// True once for an alarm marked to be caught up; gives the minute it was due at.
bool TakeCatchUp(int index, std::int64_t* dueMinute);

// The tick scan examines each alarm once per local date and minute: a jump of
// whole hours lands on a minute of the hour already seen, yet a minute not
// examined. True when the alarm was not yet examined at this minute, and
// records that it now is.
bool ExamineAlarmOnce(int index, std::int64_t localMinute);

// An alarm goes off at most once per local date and time.
bool AlarmRangAt(int index, std::int64_t localMinute);
void RecordAlarmRang(int index, std::int64_t localMinute);

void ResetClockJumpState();
