// The program's one calendar: day numbers for the schedule rules, and local
// minutes for the alarm scan's catch-up rule and the list of coming alarms,
// so that what the scan rings and what the list shows never drift apart.
#pragma once

#include <cstdint>

#include "base/time_source.h"

struct CalendarDay {
  std::int64_t month;
  std::int64_t day;
  std::int64_t year;
  int weekday;  // 0 = Sunday
};

double DayNumber(std::int64_t year, std::int64_t month, double day);
CalendarDay CalendarDate(double dayNumber);
int WeekdayOf(std::int64_t month, std::int64_t day, std::int64_t year);
CalendarDay AddDays(std::int64_t month, std::int64_t day, std::int64_t year, std::int64_t n);
int SameCycle(std::int64_t month1, std::int64_t day1, std::int64_t year1, std::int64_t month2, std::int64_t day2,
              std::int64_t year2, std::int64_t n);
// 28 to 31; month is 1 to 12.
int DaysInMonth(std::int64_t year, int month);

// Local minutes count the minutes of the local clock as it shows them: the
// date's day number made whole (that of a real date ends in .5) times 1440,
// plus the minute of the day. The count is not monotonic in real time: it
// runs back over the repeated hour in autumn and skips the missing hour in
// spring.
constexpr std::int64_t kMinutesPerDay = 24 * 60;

std::int64_t LocalMinuteAt(std::int64_t year, std::int64_t month, std::int64_t day, std::int64_t minuteOfDay);
std::int64_t LocalMinuteOf(const ClockDate& date, const ClockTime& time);
// The whole day number a local minute falls on, and that day's date.
std::int64_t LocalDayOf(std::int64_t localMinute);
CalendarDay DateOfLocalDay(std::int64_t localDay);
// The date (with its weekday) and time of day of a local minute.
void SplitLocalMinute(std::int64_t localMinute, ClockDate* date, ClockTime* time);
