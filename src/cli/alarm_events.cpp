#include "cli/alarm_events.h"

#include <cmath>
#include <functional>
#include <numeric>
#include <optional>
#include <set>

#include "alarms/calendar.h"
#include "alarms/schedule.h"
#include "moments/local_time.h"

namespace {

constexpr const char* kDayCodes[7] = {"SU", "MO", "TU", "WE", "TH", "FR", "SA"};
// Every rule of the schedule comes round within this many days (the fifth
// week of a month on a given weekday is the rarest), so a search this long
// finds an occurrence when there is one.
constexpr std::int64_t kSearchDays = 800;

bool Set(std::int32_t flag) { return flag != 0; }

std::int64_t FloorMod(std::int64_t a, std::int64_t n) {
  const std::int64_t r = a % n;
  return r < 0 ? r + n : r;
}

int WeekdayOfDay(std::int64_t day) { return static_cast<int>(FloorMod(day + 1, 7)); }

int DayOfMonth(std::int64_t day) { return static_cast<int>(DateOfLocalDay(day).day); }

bool MonthWeekSet(const AlarmRecord& r, int dayOfMonth) { return Set(r.monthWeek[(dayOfMonth - 1) / 7]); }

// The day the schedule counts for a date, made whole as local days are.
std::int64_t WholeDay(const CalendarDay& d) {
  return static_cast<std::int64_t>(std::floor(DayNumber(d.year, d.month, static_cast<double>(d.day)) + 0.5));
}

bool Writable(std::int64_t day) {
  const CalendarDay c = DateOfLocalDay(day);
  return c.year >= 1 && c.year <= 9999;
}

// The last day no later than fromDay on which the rule holds, else the first
// after it.
std::optional<std::int64_t> StartDay(std::int64_t fromDay, const std::function<bool(std::int64_t)>& holds) {
  for (std::int64_t day = fromDay; day > fromDay - kSearchDays; --day) {
    if (Writable(day) && holds(day)) return day;
  }
  for (std::int64_t day = fromDay + 1; day < fromDay + kSearchDays; ++day) {
    if (Writable(day) && holds(day)) return day;
  }
  return std::nullopt;
}

std::string DayList(const AlarmRecord& r, const std::string& prefix) {
  std::string list;
  for (int w = 0; w < 7; ++w) {
    if (!Set(r.weekday[w])) continue;
    if (!list.empty()) list += ',';
    list += prefix + kDayCodes[w];
  }
  return list;
}

class EventList {
 public:
  EventList(std::vector<AlarmEvent>& events, int number, const AlarmRecord& r, std::int64_t fromDay)
      : events_(events), number_(number), minute_(r.hour * 60 + r.minute), fromDay_(fromDay) {}

  void Add(std::string rule, const std::function<bool(std::int64_t)>& holds) {
    if (const auto start = StartDay(fromDay_, holds)) Single(*start, std::move(rule));
  }
  void Single(std::int64_t day, std::string rule = {}) {
    events_.push_back({number_, part_++, day, minute_, std::move(rule)});
  }

 private:
  std::vector<AlarmEvent>& events_;
  int number_;
  int minute_;
  std::int64_t fromDay_;
  int part_ = 0;
};

// The interval rules of one weekday. Their days are those a whole number of
// cycles from one first date, so every fourth week lies within every other
// week, and two cycles together repeat after their least common multiple:
// one event for each day of that longer cycle on which either falls, so no
// day comes twice. Days the weeks of the month already cover are left out of
// them (by the days of the month, which a daily rule may limit to).
void AddIntervalEvents(EventList& list, const AlarmRecord& r, int weekday) {
  std::vector<std::int64_t> cycles;
  if (Set(r.everyOtherWeek)) cycles.push_back(14);
  if (Set(r.everyThirdWeek)) cycles.push_back(21);
  if (Set(r.everyFourthWeek) && !Set(r.everyOtherWeek)) cycles.push_back(28);
  if (cycles.empty()) return;
  std::int64_t length = cycles.front();
  for (std::int64_t cycle : cycles) length = std::lcm(length, cycle);

  const std::int64_t first = WholeDay(IntervalFirstDate(r, weekday));
  // A start date the calendar cannot hold may put the phase on another
  // weekday; then no day of this weekday is ever in phase.
  if (WeekdayOfDay(first) != weekday) return;
  std::set<std::int64_t> phases;
  for (std::int64_t cycle : cycles) {
    for (std::int64_t k = 0; k < length; k += cycle) phases.insert(FloorMod(first + k, length));
  }

  bool anyMonthWeek = false;
  std::string monthDays;
  for (int d = 1; d <= 31; ++d) {
    if (MonthWeekSet(r, d)) {
      anyMonthWeek = true;
      continue;
    }
    if (!monthDays.empty()) monthDays += ',';
    monthDays += std::to_string(d);
  }
  if (monthDays.empty()) return;
  for (std::int64_t phase : phases) {
    std::string rule = anyMonthWeek ? "FREQ=DAILY;INTERVAL=" + std::to_string(length) + ";BYMONTHDAY=" + monthDays
                                    : "FREQ=WEEKLY;INTERVAL=" + std::to_string(length / 7) + ";BYDAY=" + kDayCodes[weekday];
    list.Add(std::move(rule), [&r, phase, length](std::int64_t day) {
      return FloorMod(day - phase, length) == 0 && !MonthWeekSet(r, DayOfMonth(day));
    });
  }
}

void AddRepeatingEvents(EventList& list, const AlarmRecord& r) {
  auto dayPicked = [&r](std::int64_t day) { return Set(r.weekday[WeekdayOfDay(day)]); };
  if (Set(r.everyWeek)) {
    list.Add("FREQ=WEEKLY;BYDAY=" + DayList(r, ""), dayPicked);
    return;
  }
  std::string monthly;
  for (int week = 1; week <= 5; ++week) {
    if (!Set(r.monthWeek[week - 1])) continue;
    if (!monthly.empty()) monthly += ',';
    monthly += DayList(r, std::to_string(week));
  }
  if (!monthly.empty()) {
    list.Add("FREQ=MONTHLY;BYDAY=" + monthly,
             [&r, dayPicked](std::int64_t day) { return dayPicked(day) && MonthWeekSet(r, DayOfMonth(day)); });
  }
  for (int w = 0; w < 7; ++w) {
    if (Set(r.weekday[w])) AddIntervalEvents(list, r, w);
  }
}

ClockDate ClockDateOfDay(std::int64_t day) {
  const CalendarDay c = DateOfLocalDay(day);
  return ClockDate{static_cast<std::uint16_t>(c.day), static_cast<std::uint16_t>(c.month),
                   static_cast<std::uint16_t>(c.year), static_cast<std::uint16_t>(c.weekday)};
}

// The first day from fromWallMinute on whose due minute the clock notices,
// by whichever rule; the same search as the list of coming alarms.
std::optional<std::int64_t> FirstDueDay(const AlarmRecord& r, std::int64_t fromWallMinute) {
  const std::int64_t fromDay = LocalDayOf(fromWallMinute);
  const ClockTime time{r.hour, r.minute, 0, 0};
  for (std::int64_t day = fromDay - 1; day < fromDay + kSearchDays; ++day) {
    if (!Writable(day) || !IsAlarmDueAt(r, ClockDateOfDay(day), time, 1)) continue;
    const auto noticed = NoticedAt(day * kMinutesPerDay + r.hour * 60 + r.minute);
    if (noticed && *noticed >= fromWallMinute) return day;
  }
  return std::nullopt;
}

bool RealDate(const AlarmRecord& r) {
  return r.year >= 1 && r.year <= 9999 && r.month >= 1 && r.month <= 12 && r.day >= 1 &&
         r.day <= DaysInMonth(r.year, r.month);
}

}  // namespace

std::vector<AlarmEvent> AlarmEvents(const AlarmRecord* table, std::int64_t fromWallMinute) {
  std::vector<AlarmEvent> events;
  const std::int64_t fromDay = LocalDayOf(fromWallMinute);
  for (int i = 0; i < kAlarmCount; ++i) {
    const AlarmRecord& r = table[i];
    if (r.enabled != 1 || r.hour > 23 || r.minute > 59) continue;
    EventList list(events, i + 1, r, fromDay);
    if (r.dateMode == kAlarmOneDate) {
      if (const auto day = FirstDueDay(r, fromWallMinute)) {
        list.Single(*day);
      } else if (RealDate(r)) {
        list.Single(LocalDayOf(LocalMinuteAt(r.year, r.month, r.day, 0)));
      }
      continue;
    }
    AddRepeatingEvents(list, r);
  }
  return events;
}
