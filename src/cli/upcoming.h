// When the enabled alarms go off, by the schedule rules and the local clock.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/alarm_record.h"

struct Occurrence {
  std::int64_t wallMinute;  // local wall-clock minute (days * 1440 + minute of the day)
  int alarmNumber;          // 1 to 10
};

// Every moment from the local minute `fromWallMinute` (included) for `days`
// days at which the clock sets an enabled alarm off, in time order and by
// alarm number within a minute. In a zone with daylight saving this is what
// the clock does: a repeated minute rings once, a skipped one rings at the
// first minute after the gap (when the gap is no longer than the clock catches up).
// A one-date alarm comes once at most: the clock retires it at its first ring.
std::vector<Occurrence> UpcomingAlarms(const AlarmRecord* table, std::int64_t fromWallMinute, int days);

// "YYYY-MM-DD HH:MM alarm N"
std::string FormatOccurrence(const Occurrence& occurrence);

// The --upcoming mode on the saved settings; the exit code.
int RunUpcoming(const struct CommandLine& commandLine);
