// What an alarm does when it goes off: beeps, then its note or its program.
#include <cstring>

#include "alarms/alarm_caption.h"
#include "settings/alarm_record.h"
#include "alarms/alarm_scan.h"
#include "base/clock_app.h"
#include "base/time_source.h"
#include "resources/resources.h"

namespace {

constexpr DWORD kBeepHz = 200;
constexpr DWORD kBeepMs = 100;
constexpr int kShortBeeps = 10;
constexpr int kLongBeeps = 85;

void SoundBeeps(const AlarmRecord& r) {
  if (r.beep == 0) return;
  int count = 0;
  if (r.beepDuration == kAlarmBeepShort) count = kShortBeeps;
  if (r.beepDuration == kAlarmBeepLong) count = kLongBeeps;
  // "Hi" and "Low" are the same tone; any other value is silent.
  const bool toneKnown = r.beepTone == kAlarmToneHi || r.beepTone == kAlarmToneLow;
  for (int i = 0; i < count; ++i) {
    if (toneKnown) Beep(kBeepHz, kBeepMs);
  }
}

int ShowCommandFor(std::int32_t showMode) {
  switch (showMode) {
    case kAlarmShowMax:
      return SW_SHOWMAXIMIZED;
    case kAlarmShowMin:
      return SW_SHOWMINIMIZED;
    default:
      return SW_SHOWNORMAL;
  }
}

// Copies a record's text field, which a damaged file may leave without its
// terminating zero, into a buffer that always gets one.
template <std::size_t N, std::size_t M>
void CopyField(char (&to)[N], const char (&from)[M]) {
  const std::size_t limit = M < N ? M : N - 1;
  std::size_t length = 0;
  while (length < limit && from[length] != '\0') ++length;
  std::memcpy(to, from, length);
  to[length] = '\0';
}

// The scan stopped the tick for the beeps, which hold the program; once they
// are over it runs again, so that the face, the date advance, the hourly beep
// and the timers go on while a note waits to be read.
bool StartTickAgain(HWND owner, const TickTimer* tick) {
  if (tick == nullptr) return true;
  if (SetTimer(owner, tick->id, tick->intervalMs, nullptr) != 0) return true;
  ShowErrorBox(owner, IDS_NO_TIMERS);
  return false;
}

}  // namespace

void (*alarmRingObserver)(int index) = nullptr;

bool FireAlarm(HWND owner, int index, const TickTimer* tick) {
  if (alarms == nullptr || index < 0 || index >= kAlarmCount) return StartTickAgain(owner, tick);
  if (alarmRingObserver != nullptr) alarmRingObserver(index);
  AlarmRecord& r = alarms[index];
  ClockDate today{};
  GetClockTime(nullptr, &today);

  SoundBeeps(r);

  char caption[sizeof alarmCaption];
  FormatAlarmCaption(caption, sizeof caption, r, index, today);
  if (r.dateMode == kAlarmOneDate) {
    // A one-date alarm goes off once: retired before its note opens, so the
    // scans that run while the note is up pass it by.
    r.enabled = 0;
    r.month = 0;
    r.day = 0;
    r.year = 0;
  }

  if (r.action == kAlarmActionNote) {
    // Error 1000, if the tick cannot run again, comes before the note: the
    // note may stay open for hours.
    const bool ticking = StartTickAgain(owner, tick);
    CopyField(alarmCaption, caption);
    CopyField(alarmMessage, r.note);
    DialogBoxParam(instance, "ShowAlarmMessage", owner, AlarmMessageDialogProc, 0);
    return ticking;
  }
  if (r.action == kAlarmActionProgram) {
    char commandLine[sizeof r.program + 1];
    CopyField(commandLine, r.program);
    // A program that cannot be started is passed over in silence; the
    // Alarm Settings dialog warns about a missing one when it is saved.
    WinExec(commandLine, static_cast<UINT>(ShowCommandFor(r.showMode)));
  }
  return StartTickAgain(owner, tick);
}
