// The calendar arithmetic of the schedule rules, checked against the
// calendar of <chrono> over every day of the years that matter.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <limits>

#include "alarms/calendar.h"

namespace {

using std::chrono::day;
using std::chrono::days;
using std::chrono::month;
using std::chrono::sys_days;
using std::chrono::year;
using std::chrono::year_month_day;

// The Julian Date of 1 January 1970 at 0 h.
constexpr double kUnixEpochDayNumber = 2440587.5;

TEST(Calendar, DayNumberExamples) {
  struct Case {
    std::int64_t year, month;
    double day;
    double expected;
  };
  const Case cases[] = {
      {2000, 1, 1, 2451544.5},
      {1992, 7, 3, 2448806.5},
      {0, 0, 0, 1721027.5},
      {1970, 1, 1, kUnixEpochDayNumber},
      // Out-of-range months and days roll over into the next ones.
      {1992, 13, 1, 2448988.5},
      {1992, 2, 30, 2448682.5},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DayNumber(c.year, c.month, c.day), c.expected) << c.year << "-" << c.month << "-" << c.day;
  }
}

TEST(Calendar, FirstOfJanuary2000IsASaturday) {
  const CalendarDay d = CalendarDate(2451544.5);
  EXPECT_EQ(d.month, 1);
  EXPECT_EQ(d.day, 1);
  EXPECT_EQ(d.year, 2000);
  EXPECT_EQ(d.weekday, 6);
  EXPECT_EQ(WeekdayOf(1, 1, 2000), 6);
}

TEST(Calendar, AgreesWithChronoForEveryDayFrom1583To2399) {
  const sys_days first{year_month_day{year{1583}, month{1}, day{1}}};
  const sys_days last{year_month_day{year{2399}, month{12}, day{31}}};
  int failures = 0;
  for (sys_days d = first; d <= last && failures < 10; d += days{1}) {
    const year_month_day ymd{d};
    const std::int64_t y = int{ymd.year()};
    const std::int64_t m = unsigned{ymd.month()};
    const std::int64_t dd = unsigned{ymd.day()};
    const double expectedNumber = kUnixEpochDayNumber + static_cast<double>(d.time_since_epoch().count());
    const int expectedWeekday = static_cast<int>(std::chrono::weekday{d}.c_encoding());

    const double number = DayNumber(y, m, static_cast<double>(dd));
    const CalendarDay back = CalendarDate(number);
    const bool ok = number == expectedNumber && back.year == y && back.month == m && back.day == dd &&
                    back.weekday == expectedWeekday && WeekdayOf(m, dd, y) == expectedWeekday;
    if (!ok) {
      ++failures;
      ADD_FAILURE() << y << "-" << m << "-" << dd << ": day number " << number << " (want " << expectedNumber
                    << "), back " << back.year << "-" << back.month << "-" << back.day << " weekday "
                    << back.weekday << " (want " << expectedWeekday << ")";
    }
  }
}

TEST(Calendar, AddDaysAndSameCycleFollowTheCalendar) {
  struct Case {
    int year, month, day;
    std::int64_t n;
  };
  const Case cases[] = {
      {1992, 7, 3, 0},     {1992, 7, 3, 14},   {1992, 7, 3, -14},  {1992, 2, 28, 1},
      {1900, 2, 28, 1},    {2000, 2, 28, 1},   {1999, 12, 31, 1},  {2024, 3, 1, -1},
      {1992, 7, 3, 36525}, {2100, 2, 28, 366}, {1992, 7, 3, -3650},
  };
  for (const Case& c : cases) {
    const sys_days start{year_month_day{year{c.year}, month{static_cast<unsigned>(c.month)},
                                        day{static_cast<unsigned>(c.day)}}};
    const year_month_day want{start + days{c.n}};
    const CalendarDay got = AddDays(c.month, c.day, c.year, c.n);
    EXPECT_EQ(got.year, int{want.year()}) << c.year << "-" << c.month << "-" << c.day << " + " << c.n;
    EXPECT_EQ(got.month, unsigned{want.month()}) << c.year << "-" << c.month << "-" << c.day << " + " << c.n;
    EXPECT_EQ(got.day, unsigned{want.day()}) << c.year << "-" << c.month << "-" << c.day << " + " << c.n;
  }
}

TEST(Calendar, SameCycleCountsWholeMultiplesEitherWay) {
  struct Case {
    int m1, d1, y1, m2, d2, y2;
    std::int64_t n;
    int expected;
  };
  const Case cases[] = {
      {7, 3, 1992, 7, 3, 1992, 14, 1},    // zero cycles
      {7, 3, 1992, 7, 17, 1992, 14, 1},   // one cycle later
      {7, 3, 1992, 6, 19, 1992, 14, 1},   // one cycle earlier
      {7, 3, 1992, 7, 10, 1992, 14, 0},   // half a cycle
      {7, 3, 1992, 7, 24, 1992, 21, 1},   //
      {7, 3, 1992, 7, 31, 1992, 28, 1},   //
      {7, 3, 1992, 7, 31, 1992, 21, 0},   //
      {12, 25, 1999, 1, 8, 2000, 14, 1},  // across a year end
      {7, 3, 1992, 7, 3, 1992, 0, 0},     // a cycle of no days matches nothing
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SameCycle(c.m1, c.d1, c.y1, c.m2, c.d2, c.y2, c.n), c.expected)
        << c.m1 << "-" << c.d1 << "-" << c.y1 << " to " << c.m2 << "-" << c.d2 << "-" << c.y2 << " by " << c.n;
  }
}

// A damaged record may hold any value; the arithmetic gives some date and
// never misbehaves (the sanitizer build turns any undefined behaviour here
// into a failure).
TEST(Calendar, DamagedValuesGiveSomeDate) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  constexpr double kInf = std::numeric_limits<double>::infinity();
  const double numbers[] = {std::nan(""), kInf, -kInf, 1e300, -1e300, 9.3e18, -9.3e18, -1.0, -0.75, 0.0,
                            DayNumber(-2000000000, 200, 255)};
  for (double j : numbers) {
    const CalendarDay d = CalendarDate(j);
    EXPECT_GE(d.weekday, 0) << j;
    EXPECT_LE(d.weekday, 6) << j;
  }
  const std::int64_t values[] = {kMin, kMax, -2000000000, 2147483647, 255, 200, 0, -1};
  for (std::int64_t a : values) {
    for (std::int64_t b : values) {
      const int weekday = WeekdayOf(a, b, a);
      EXPECT_GE(weekday, 0);
      EXPECT_LE(weekday, 6);
      static_cast<void>(AddDays(b, a, b, a));
      static_cast<void>(SameCycle(a, b, a, b, a, b, a));
      static_cast<void>(DayNumber(a, b, static_cast<double>(a)));
    }
  }
}

}  // namespace
