#include "alarms/clock_jump.h"

#include "settings/alarm_record.h"
#include "alarms/alarm_scan.h"
#include "alarms/calendar.h"
#include "alarms/schedule.h"

namespace {

constexpr std::int64_t kMinutesPerDay = 24 * 60;

// What is remembered of one alarm.
struct AlarmJumpMemory {
  std::int64_t rangMinute = NO_LOCAL_MINUTE;      // the local minute the scan last rang it at
  std::int64_t examinedMinute = NO_LOCAL_MINUTE;  // the local minute the scan last examined it at
  bool catchUpPending = false;
  std::int64_t catchUpMinute = NO_LOCAL_MINUTE;
};

std::int64_t lastScanMinute = NO_LOCAL_MINUTE;
AlarmJumpMemory memory[ALARM_COUNT];

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

// The minute in (after, before) at which the alarm would have come due, or
// NO_LOCAL_MINUTE. The span is shorter than a day, so the alarm's time of day
// falls in it at most once.
std::int64_t DueMinuteBetween(const AlarmRecord& r, std::int64_t after, std::int64_t before) {
  if (r.hour >= 24 || r.minute >= 60) return NO_LOCAL_MINUTE;
  const std::int64_t minuteOfDay = r.hour * 60 + r.minute;
  for (std::int64_t day = FloorDiv(after, kMinutesPerDay); day <= FloorDiv(before, kMinutesPerDay); ++day) {
    const std::int64_t candidate = day * kMinutesPerDay + minuteOfDay;
    if (candidate <= after || candidate >= before) continue;
    ClockDate date{};
    ClockTime time{};
    SplitLocalMinute(candidate, &date, &time);
    if (IsAlarmDueAt(r, date, time, 1) != 0) return candidate;
  }
  return NO_LOCAL_MINUTE;
}

void MarkCatchUps(std::int64_t after, std::int64_t before) {
  for (int i = 0; i < ALARM_COUNT; ++i) {
    if (!AlarmWatched(alarms[i])) continue;
    const std::int64_t due = DueMinuteBetween(alarms[i], after, before);
    if (due == NO_LOCAL_MINUTE || AlarmRangAt(i, due)) continue;
    memory[i].catchUpPending = true;
    memory[i].catchUpMinute = due;
  }
}

}  // namespace

std::int64_t LocalMinuteOf(const ClockDate& date, const ClockTime& time) {
  // The day number of a real date ends in .5; adding 0.5 makes it whole.
  const auto day = static_cast<std::int64_t>(DayNumber(date.year, date.month, date.day) + 0.5);
  return day * kMinutesPerDay + time.hour * 60 + time.minute;
}

void SplitLocalMinute(std::int64_t localMinute, ClockDate* date, ClockTime* time) {
  const std::int64_t day = FloorDiv(localMinute, kMinutesPerDay);
  const std::int64_t minuteOfDay = localMinute - day * kMinutesPerDay;
  if (date != nullptr) {
    const CalendarDay c = CalendarDate(static_cast<double>(day) - 0.5);
    date->day = static_cast<std::uint16_t>(c.day);
    date->month = static_cast<std::uint16_t>(c.month);
    date->year = static_cast<std::uint16_t>(c.year);
    date->weekday = static_cast<std::uint16_t>(c.weekday);
  }
  if (time != nullptr) {
    *time = ClockTime{static_cast<std::uint16_t>(minuteOfDay / 60), static_cast<std::uint16_t>(minuteOfDay % 60), 0,
                      0};
  }
}

void NoteScanMinute(std::int64_t localMinute) {
  const std::int64_t previous = lastScanMinute;
  // Recorded first: a scan nested in the firing of a caught-up alarm must not
  // see the same jump again.
  lastScanMinute = localMinute;
  if (previous == NO_LOCAL_MINUTE || alarms == nullptr) return;
  const std::int64_t jump = localMinute - previous;
  if (jump >= 2 && jump <= CATCH_UP_LIMIT_MINUTES) MarkCatchUps(previous, localMinute);
}

bool TakeCatchUp(int index, std::int64_t* dueMinute) {
  if (!memory[index].catchUpPending) return false;
  memory[index].catchUpPending = false;
  *dueMinute = memory[index].catchUpMinute;
  return true;
}

bool ExamineAlarmOnce(int index, std::int64_t localMinute) {
  if (memory[index].examinedMinute == localMinute) return false;
  memory[index].examinedMinute = localMinute;
  return true;
}

bool AlarmRangAt(int index, std::int64_t localMinute) { return memory[index].rangMinute == localMinute; }

void RecordAlarmRang(int index, std::int64_t localMinute) { memory[index].rangMinute = localMinute; }

void ResetClockJumpState() {
  lastScanMinute = NO_LOCAL_MINUTE;
  for (AlarmJumpMemory& m : memory) m = AlarmJumpMemory{};
}
