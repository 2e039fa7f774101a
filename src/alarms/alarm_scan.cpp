// The two alarm scans: the one every timer message of the clock window runs,
// and the start-up reminder.
#include "alarms/alarm_scan.h"

#include <cstring>

#include "alarms/clock_jump.h"
#include "alarms/schedule.h"
#include "base/clock_app.h"
#include "base/time_source.h"

std::uint8_t alarmMinuteSeen[10] = {99, 99, 99, 99, 99, 99, 99, 99, 99, 99};

namespace {

// False when the tick cannot be started again.
bool RingWithTickStopped(HWND window, TickTimer tick, int index) {
  KillTimer(window, tick.id);
  return FireAlarm(window, index, &tick);
}

}  // namespace

// One reading of the clock serves every alarm until one of them goes off:
// the minute an alarm is recorded as examined is then always the minute it
// was matched against. Firing takes time, so the clock is read again after it.
bool CheckAlarms(HWND window, TickTimer tick) {
  if (alarms == nullptr) return false;
  // An active screen saver holds back every alarm not marked to ring through it.
  BOOL saverRunning = FALSE;
  screenSaverActive = SystemParametersInfo(SPI_GETSCREENSAVERRUNNING, 0, &saverRunning, 0) && saverRunning ? 1 : 0;
  ClockDate today{};
  GetClockTime(&nowTime, &today);
  NoteScanMinute(LocalMinuteOf(today, nowTime));

  for (int i = 0; i < kAlarmCount; ++i) {
    const AlarmRecord& r = alarms[i];
    // An alarm whose minute a forward jump of the clock skipped goes off
    // first, once, with its usual message. The clock may have moved since,
    // while another alarm was ringing: set back behind that minute, the alarm
    // waits for its minute to come again; carried on by more than the
    // catch-up limit, the minute is too long past to ring for.
    std::int64_t skippedMinute = kNoLocalMinute;
    const std::int64_t scanMinute = LocalMinuteOf(today, nowTime);
    if (TakeCatchUp(i, &skippedMinute) && AlarmWatched(r) && skippedMinute <= scanMinute &&
        scanMinute - skippedMinute <= kCatchUpLimitMinutes) {
      RecordAlarmRang(i, skippedMinute);
      if (!RingWithTickStopped(window, tick, i)) return true;
      GetClockTime(&nowTime, &today);
    }

    if (!AlarmWatched(r)) {
      NoteAlarmPassedBy(i);
      continue;
    }
    // Once per local date and minute, not per minute of the hour, so the
    // minute a jump of whole hours lands on is examined too. Recorded before
    // the alarm fires, so the scans nested in its firing pass it by.
    const std::int64_t minuteNow = LocalMinuteOf(today, nowTime);
    if (!ExamineAlarmOnce(i, minuteNow)) continue;
    alarmMinuteSeen[i] = static_cast<std::uint8_t>(nowTime.minute);
    if (IsAlarmDueAt(r, today, nowTime, 1) == 0) continue;
    // In the hour that autumn repeats, the second pass over a minute stays quiet.
    if (AlarmRangAt(i, minuteNow)) continue;
    RecordAlarmRang(i, minuteNow);
    if (!RingWithTickStopped(window, tick, i)) return true;
    GetClockTime(&nowTime, &today);
  }
  return false;
}

void RemindAtStartup(HWND owner) {
  if (alarms == nullptr) return;
  for (int i = 0; i < kAlarmCount; ++i) {
    AlarmRecord& r = alarms[i];
    if (r.remindOnStartup == 0 || r.enabled == 0) continue;
    if (IsAlarmDue(i, 0) == 0) continue;
    // A one-date alarm is reminded once and then stays off; one that is not
    // due today is left armed for its date. The reminder is cleared before
    // the note shows, so that a session ending while the note is up saves
    // the alarm wholly retired.
    const bool oneDate = r.dateMode == kAlarmOneDate;
    if (oneDate) r.remindOnStartup = 0;
    FireAlarm(owner, i, nullptr);
    if (oneDate) r.enabled = 0;
  }
}

void ResetAlarmsState() {
  alarms = nullptr;
  std::memset(alarmMinuteSeen, 99, sizeof alarmMinuteSeen);
  screenSaverActive = 0;
  alarmCaption[0] = '\0';
  alarmMessage[0] = '\0';
  ResetClockJumpState();
}
