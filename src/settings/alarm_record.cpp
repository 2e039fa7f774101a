#include "settings/alarm_record.h"

#include <cstring>

AlarmRecord* alarms = nullptr;

void SetDefaultAlarm(AlarmRecord& r) {
  r.amPmMode = kAlarmAm;
  r.hour = 12;
  r.minute = 0;
  r.reserved6 = 0;
  r.month = 0;
  r.day = 0;
  r.year = 0;
  r.dateMode = kAlarmOneDate;
  // The whole text buffers are cleared, not only their first byte, so the
  // saved image of a default alarm carries no leftover bytes.
  std::memset(r.note, 0, sizeof r.note);
  std::memset(r.program, 0, sizeof r.program);
  r.action = kAlarmActionNote;
  r.showMode = kAlarmShowNormal;
  r.beep = 0;
  r.beepDuration = kAlarmBeepShort;
  r.beepTone = kAlarmToneHi;
  r.hourlyBeep = 0;
  r.remindOnStartup = 0;
  r.evenIfScreenSaver = 1;
}
