// The enabled alarms as an iCalendar file, for a calendar to show or import.
#pragma once

#include <cstdint>
#include <string>

#include "settings/alarm_record.h"

// The whole file, CRLF line ends. Times are floating (the local clock's, with
// no zone), as the clock rings them; each event reminds with the alarm's note.
// stampUtcSeconds is the moment the file is written (its DTSTAMPs).
std::string IcsCalendar(const AlarmRecord* table, std::int64_t fromWallMinute, std::int64_t stampUtcSeconds);
