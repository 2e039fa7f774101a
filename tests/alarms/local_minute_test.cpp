// Local minutes: the count the alarm scan uses to see jumps of the local clock.
#include <gtest/gtest.h>

#include <chrono>

#include "alarms/calendar.h"

namespace {

TEST(LocalMinute, SplitsBackIntoTheSameDateAndTime) {
  using namespace std::chrono;
  // Every day of a leap year and its neighbours, at a few times of day.
  for (sys_days d = sys_days{year{1999} / 12 / 30}; d <= sys_days{year{2001} / 1 / 2}; d += days{1}) {
    const year_month_day ymd{d};
    for (int minuteOfDay : {0, 1, 59, 60, 12 * 60, 23 * 60 + 59}) {
      ClockDate date{static_cast<std::uint16_t>(unsigned{ymd.day()}),
                     static_cast<std::uint16_t>(unsigned{ymd.month()}),
                     static_cast<std::uint16_t>(int{ymd.year()}),
                     static_cast<std::uint16_t>(weekday{d}.c_encoding())};
      ClockTime time{static_cast<std::uint16_t>(minuteOfDay / 60), static_cast<std::uint16_t>(minuteOfDay % 60), 30,
                     500};
      const std::int64_t minute = LocalMinuteOf(date, time);
      ClockDate dateBack{};
      ClockTime timeBack{};
      SplitLocalMinute(minute, &dateBack, &timeBack);
      EXPECT_EQ(dateBack.day, date.day);
      EXPECT_EQ(dateBack.month, date.month);
      EXPECT_EQ(dateBack.year, date.year);
      EXPECT_EQ(dateBack.weekday, date.weekday);
      EXPECT_EQ(timeBack.hour, time.hour);
      EXPECT_EQ(timeBack.minute, time.minute);
    }
  }
}

TEST(LocalMinute, ConsecutiveMinutesAcrossMidnightDifferByOne) {
  const ClockDate dec31{31, 12, 1999, 5};
  const ClockDate jan1{1, 1, 2000, 6};
  EXPECT_EQ(LocalMinuteOf(jan1, ClockTime{0, 0, 0, 0}) - LocalMinuteOf(dec31, ClockTime{23, 59, 59, 999}), 1);
}

}  // namespace
