// The one place the program reads the time of day and the date from.
#pragma once

#include <cstdint>

struct ClockTime {
  std::uint16_t hour;
  std::uint16_t minute;
  std::uint16_t second;
  std::uint16_t millisecond;
};

struct ClockDate {
  std::uint16_t day;
  std::uint16_t month;
  std::uint16_t year;
  std::uint16_t weekday;  // 0 = Sunday
};

static_assert(sizeof(ClockTime) == 8);
static_assert(sizeof(ClockDate) == 8);

// Fills whichever records are given from one reading of the local clock.
int GetClockTime(ClockTime* time, ClockDate* date);
// Composes a time from the records but leaves the machine's clock alone.
int SetClockTime(const ClockTime* time, const ClockDate* date);
