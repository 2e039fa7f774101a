// Calendar arithmetic of the schedule rules.
#pragma once

#include <cstdint>

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
