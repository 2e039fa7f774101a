#include "alarms/clock_jump.h"

#include "settings/alarm_record.h"
#include "alarms/alarm_scan.h"
#include "alarms/calendar.h"
#include "alarms/schedule.h"

namespace {

// What is remembered of one alarm.
struct AlarmJumpMemory {
  std::int64_t rangMinute = kNoLocalMinute;      // the local minute the scan last rang it at
  std::int64_t examinedMinute = kNoLocalMinute;  // the local minute the scan last examined it at
  // The one before: a scan that an earlier alarm's beeps carried into the
  // next minute examines the alarm again there, and the minute examined
  // first must still count as examined.
  std::int64_t earlierExaminedMinute = kNoLocalMinute;
  std::int64_t passedByMinute = kNoLocalMinute;  // the scan's minute when it last passed it by
  bool catchUpPending = false;
  std::int64_t catchUpMinute = kNoLocalMinute;
};

std::int64_t lastScanMinute = kNoLocalMinute;
AlarmJumpMemory memory[kAlarmCount];

// The minute in (after, before) at which the alarm would have come due, or
// kNoLocalMinute. The span is shorter than a day, so the alarm's time of day
// falls in it at most once.
std::int64_t DueMinuteBetween(const AlarmRecord& r, std::int64_t after, std::int64_t before) {
  if (r.hour >= 24 || r.minute >= 60) return kNoLocalMinute;
  const std::int64_t minuteOfDay = r.hour * 60 + r.minute;
  for (std::int64_t day = LocalDayOf(after); day <= LocalDayOf(before); ++day) {
    const std::int64_t candidate = day * kMinutesPerDay + minuteOfDay;
    if (candidate <= after || candidate >= before) continue;
    ClockDate date{};
    ClockTime time{};
    SplitLocalMinute(candidate, &date, &time);
    if (IsAlarmDueAt(r, date, time, 1) != 0) return candidate;
  }
  return kNoLocalMinute;
}

void MarkCatchUps(std::int64_t after, std::int64_t before) {
  for (int i = 0; i < kAlarmCount; ++i) {
    if (!AlarmWatched(alarms[i])) continue;
    // The previous scan's own minute, for an alarm that scan never came to at it.
    const bool missedAfter = memory[i].examinedMinute != after && memory[i].earlierExaminedMinute != after &&
                             memory[i].passedByMinute != after;
    const std::int64_t due = DueMinuteBetween(alarms[i], missedAfter ? after - 1 : after, before);
    if (due == kNoLocalMinute || AlarmRangAt(i, due)) continue;
    memory[i].catchUpPending = true;
    memory[i].catchUpMinute = due;
  }
}

}  // namespace

void NoteScanMinute(std::int64_t localMinute) {
  const std::int64_t previous = lastScanMinute;
  // Recorded first: a scan nested in the firing of a caught-up alarm must not
  // see the same jump again.
  lastScanMinute = localMinute;
  if (previous == kNoLocalMinute || alarms == nullptr) return;
  const std::int64_t jump = localMinute - previous;
  if (jump >= 1 && jump <= kCatchUpLimitMinutes) MarkCatchUps(previous, localMinute);
}

void NoteAlarmPassedBy(int index) { memory[index].passedByMinute = lastScanMinute; }

bool TakeCatchUp(int index, std::int64_t* dueMinute) {
  if (!memory[index].catchUpPending) return false;
  memory[index].catchUpPending = false;
  *dueMinute = memory[index].catchUpMinute;
  return true;
}

bool ExamineAlarmOnce(int index, std::int64_t localMinute) {
  if (memory[index].examinedMinute == localMinute) return false;
  memory[index].earlierExaminedMinute = memory[index].examinedMinute;
  memory[index].examinedMinute = localMinute;
  return true;
}

bool AlarmRangAt(int index, std::int64_t localMinute) { return memory[index].rangMinute == localMinute; }

void RecordAlarmRang(int index, std::int64_t localMinute) { memory[index].rangMinute = localMinute; }

void ResetClockJumpState() {
  lastScanMinute = kNoLocalMinute;
  for (AlarmJumpMemory& m : memory) m = AlarmJumpMemory{};
}
