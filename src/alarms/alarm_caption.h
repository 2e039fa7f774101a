// The title of an alarm's message.
#pragma once

#include <cstddef>

#include "settings/alarm_record.h"
#include "base/time_source.h"

// Alarm number index + 1 and the alarm's time; a one-date alarm adds
// "(One Date)", any other today's date as month-day-year with the year
// counted from 1900.
void FormatAlarmCaption(char* buffer, std::size_t size, const AlarmRecord& r, int index, const ClockDate& today);
