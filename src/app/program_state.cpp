#include "app/program_state.h"
#include "timers/timers_dialog.h"
#include "display/preferences_dialog.h"
#include "datetime/set_date_time_dialog.h"
#include "alarms/alarm_scan.h"
#include "base/clock_app.h"
#include "display/face.h"
#include "settings/preferences.h"
#include "timers/timer_engine.h"
#include "app/main_window.h"
#include "datetime/date_advance.h"
#include "alarms/alarm_settings.h"
#include "settings/config_files.h"
#include "settings/config_load.h"
#include "settings/profile_settings.h"

void ResetHoratickState() {
  // One call per part of the program, each resetting that part's globals.
  ResetClockAppState();
  ResetPreferencesState();
  ResetConfigFilesState();
  ResetConfigLoadState();
  ResetProfileWriteState();
  ResetFaceState();
  ResetTimerState();
  ResetAlarmsState();
  ResetMainWindowState();
  ResetDateAdvanceState();
  ResetTimersDialogState();
  ResetPreferencesDialogState();
  ResetSetDateTimeDialogState();
  ResetAlarmSettingsState();
}
