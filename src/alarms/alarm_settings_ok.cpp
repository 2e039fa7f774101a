// OK of Alarm Settings: check, then put all ten alarms in force and save them.
#include "alarms/alarm_settings.h"
#include "alarms/program_check.h"
#include "settings/config_files.h"

void OnAlarmSettingsOk(HWND dialog) {
  // The shown alarm is read into a copy first: a time or date that does not
  // exist, or a No to the program warning, leaves the working copy as it was.
  AlarmRecord accepted[ALARM_COUNT];
  for (int i = 0; i < ALARM_COUNT; ++i) accepted[i] = alarmEdit[i];
  const UINT error = ReadShownAlarm(dialog, accepted[editIndex], HourRule::Accepting);
  if (error != 0) {
    ReportInvalidShownAlarm(dialog, error);
    return;
  }
  if (!ConfirmAlarmPrograms(dialog, accepted)) return;

  // An AM hour of 12 is midnight, in every alarm, shown or not.
  for (AlarmRecord& r : accepted) {
    if (r.amPmMode == ALARM_AM && r.hour == 12) r.hour = 0;
  }
  for (int i = 0; i < ALARM_COUNT; ++i) {
    alarmEdit[i] = accepted[i];
    CopyWorkingFields(alarms[i], accepted[i]);
  }
  SaveConfiguration(dialog);
  EndDialog(dialog, 1);
}
