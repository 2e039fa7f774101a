// The enabled alarms as calendar events: a first local date and time and,
// for an alarm that repeats, a recurrence rule, so that a calendar shows each
// alarm on the days the clock sets it off and on no other.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "settings/alarm_record.h"

struct AlarmEvent {
  int alarmNumber;        // 1 to 10
  int part;               // which of its alarm's events, from 0
  std::int64_t startDay;  // the first occurrence's day, as local days count
  int minuteOfDay;
  std::string rule;  // the recurrence rule (RRULE value); empty for one occurrence
};

// The events of the enabled alarms. A repeating alarm's events start on their
// last day no later than the day of `fromWallMinute`; a one-date alarm, which
// is retired at its first ring, is one event at the first minute it is due
// from `fromWallMinute` on by any of its rules (else at its date).
std::vector<AlarmEvent> AlarmEvents(const AlarmRecord* table, std::int64_t fromWallMinute);
