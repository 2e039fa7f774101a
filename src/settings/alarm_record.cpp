#include "settings/alarm_record.h"

#include <cstring>

AlarmRecord* alarms = nullptr;

void SetDefaultAlarm(AlarmRecord& r) {
  r.amPmMode = ALARM_AM;
  r.hour = 12;
  r.minute = 0;
  r.reserved6 = 0;
  r.month = 0;
  r.day = 0;
  r.year = 0;
  r.dateMode = ALARM_ONE_DATE;
  // The whole text buffers are cleared, not only their first byte, so the
  // saved image of a default alarm carries no leftover bytes.
  std::memset(r.note, 0, sizeof r.note);
  std::memset(r.program, 0, sizeof r.program);
  r.action = ALARM_ACTION_NOTE;
  r.showMode = ALARM_SHOW_NORMAL;
  r.beep = 0;
  r.beepDuration = ALARM_BEEP_SHORT;
  r.beepTone = ALARM_TONE_HI;
  r.hourlyBeep = 0;
  r.remindOnStartup = 0;
  r.evenIfScreenSaver = 1;
}
