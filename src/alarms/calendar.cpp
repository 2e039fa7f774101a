// Julian day numbers and back, as the schedule rules count days, and the
// local minutes counted on them.
//
// The formulas are the classic ones with integer divisions that truncate
// toward zero. Every intermediate is 64-bit and every input is first held to a
// range in which no product can overflow, so a damaged record (month 200, year
// -2,000,000,000) yields some date instead of undefined behaviour; for every
// real date nothing is clamped and the results are those of the formulas.
#include "alarms/calendar.h"

#include <cmath>
#include <cstdint>

namespace {

// Far beyond any real year, and small enough that 36525 x year and
// 100 x day number stay well inside 64 bits.
constexpr std::int64_t kYearLimit = std::int64_t{1} << 40;
constexpr double kDayNumberLimit = 1125899906842624.0;  // 2^50

std::int64_t Clamp(std::int64_t v, std::int64_t limit) {
  if (v > limit) return limit;
  if (v < -limit) return -limit;
  return v;
}

// A double turned into an integer only once it is known to fit; NaN counts as 0.
double ClampDayNumber(double j) {
  if (std::isnan(j)) return 0.0;
  if (j > kDayNumberLimit) return kDayNumberLimit;
  if (j < -kDayNumberLimit) return -kDayNumberLimit;
  return j;
}

std::int64_t FloorMod(std::int64_t a, std::int64_t n) {
  std::int64_t r = a % n;
  return r < 0 ? r + n : r;
}

}  // namespace

double DayNumber(std::int64_t year, std::int64_t month, double day) {
  year = Clamp(year, kYearLimit);
  month = Clamp(month, kYearLimit);
  std::int64_t y = year + 4800;
  if (year < 0) y += 1;
  std::int64_t m = month;
  if (month <= 2) {
    m = month + 12;
    y = y - 1;
  }
  const std::int64_t c = y / 100;
  const std::int64_t s = (306 * (m + 1)) / 10 + (36525 * y) / 100 + (c / 4 - c);
  return static_cast<double>(s) + day - 32167.5;
}

CalendarDay CalendarDate(double dayNumber) {
  const double j = ClampDayNumber(dayNumber);
  const bool early = j < 1721425.5;
  const std::int64_t z = static_cast<std::int64_t>(j + 0.5);
  const std::int64_t alpha = (100 * z + 3204500) / 3652425;
  const std::int64_t a = z + 1486 + alpha - alpha / 4;
  const std::int64_t c = (100 * a - 12210) / 36525;
  const std::int64_t d = (36525 * c) / 100;
  const std::int64_t e = (100 * (a - d)) / 3061;
  const std::int64_t dayWhole = (a - d) - (306 * e) / 10;

  CalendarDay out{};
  out.month = e > 13 ? e - 13 : e - 1;
  out.year = c - 4715;
  if (out.month > 2) out.year -= 1;
  out.weekday = static_cast<int>(FloorMod(z + 1, 7));
  out.day = static_cast<std::int64_t>(static_cast<double>(dayWhole) + (j - static_cast<double>(z)) + 0.5);
  if (early) out.year = 1 - out.year;
  return out;
}

int WeekdayOf(std::int64_t month, std::int64_t day, std::int64_t year) {
  return CalendarDate(DayNumber(year, month, static_cast<double>(day))).weekday;
}

CalendarDay AddDays(std::int64_t month, std::int64_t day, std::int64_t year, std::int64_t n) {
  return CalendarDate(DayNumber(year, month, static_cast<double>(day)) + static_cast<double>(n));
}

int SameCycle(std::int64_t month1, std::int64_t day1, std::int64_t year1, std::int64_t month2, std::int64_t day2,
              std::int64_t year2, std::int64_t n) {
  // No distance is a whole number of cycles of length zero.
  if (n == 0) return 0;
  const double difference = DayNumber(year2, month2, static_cast<double>(day2)) -
                            DayNumber(year1, month1, static_cast<double>(day1));
  // fmod is exact, so a whole multiple (negative ones and zero included) leaves exactly 0.
  return std::fmod(difference, static_cast<double>(n)) == 0.0 ? 1 : 0;
}

int DaysInMonth(std::int64_t year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

std::int64_t LocalMinuteAt(std::int64_t year, std::int64_t month, std::int64_t day, std::int64_t minuteOfDay) {
  const auto dayNumber = static_cast<std::int64_t>(DayNumber(year, month, static_cast<double>(day)) + 0.5);
  return dayNumber * kMinutesPerDay + minuteOfDay;
}

std::int64_t LocalMinuteOf(const ClockDate& date, const ClockTime& time) {
  return LocalMinuteAt(date.year, date.month, date.day, time.hour * 60 + time.minute);
}

std::int64_t LocalDayOf(std::int64_t localMinute) {
  std::int64_t day = localMinute / kMinutesPerDay;
  if (localMinute % kMinutesPerDay < 0) --day;
  return day;
}

CalendarDay DateOfLocalDay(std::int64_t localDay) { return CalendarDate(static_cast<double>(localDay) - 0.5); }

void SplitLocalMinute(std::int64_t localMinute, ClockDate* date, ClockTime* time) {
  const std::int64_t day = LocalDayOf(localMinute);
  const std::int64_t minuteOfDay = localMinute - day * kMinutesPerDay;
  if (date != nullptr) {
    const CalendarDay c = DateOfLocalDay(day);
    date->day = static_cast<std::uint16_t>(c.day);
    date->month = static_cast<std::uint16_t>(c.month);
    date->year = static_cast<std::uint16_t>(c.year);
    date->weekday = static_cast<std::uint16_t>(c.weekday);
  }
  if (time != nullptr) {
    *time = ClockTime{static_cast<std::uint16_t>(minuteOfDay / 60), static_cast<std::uint16_t>(minuteOfDay % 60), 0, 0};
  }
}
