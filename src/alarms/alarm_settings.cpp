// The Alarm Settings dialog: the ten alarms are edited in a working copy that
// OK puts in force and saves, and Cancel drops.
#include "alarms/alarm_settings.h"

#include <cstring>

#include "base/clock_app.h"

AlarmRecord alarmEdit[ALARM_COUNT];
std::int16_t editIndex = 0;
std::int16_t nextIndex = 0;
std::int32_t enhancedIndex = 0;
char programFileName[MAX_PATH];

void ResetAlarmSettingsState() {
  std::memset(alarmEdit, 0, sizeof alarmEdit);
  editIndex = 0;
  nextIndex = 0;
  enhancedIndex = 0;
  std::memset(programFileName, 0, sizeof programFileName);
}

namespace {

void InitAlarmSettings(HWND dialog) {
  editIndex = 0;
  FillAlarmControls(dialog, alarms[0]);
  for (int i = 0; i < ALARM_COUNT; ++i) CopyWorkingFields(alarmEdit[i], alarms[i]);
}

// Radio buttons that write their value into the working copy as they are clicked.
bool OnValueButton(HWND dialog, int id) {
  AlarmRecord& r = alarmEdit[editIndex];
  if (id >= ALARM_SHOW_MAX && id <= ALARM_SHOW_NORMAL) {
    CheckRadioButton(dialog, ALARM_SHOW_MAX, ALARM_SHOW_NORMAL, id);
    r.showMode = id;
  } else if (id == ALARM_TONE_HI || id == ALARM_TONE_LOW) {
    CheckRadioButton(dialog, ALARM_TONE_HI, ALARM_TONE_LOW, id);
    r.beepTone = id;
  } else if (id == ALARM_BEEP_SHORT || id == ALARM_BEEP_LONG) {
    CheckRadioButton(dialog, ALARM_BEEP_SHORT, ALARM_BEEP_LONG, id);
    r.beepDuration = id;
  } else {
    return false;
  }
  return true;
}

bool OnCommand(HWND dialog, int id) {
  if (id >= IDC_ALARM_FIRST && id <= IDC_ALARM_LAST) {
    OnAlarmNumberButton(dialog, id);
  } else if (id >= ALARM_AM && id <= ALARM_24H) {
    OnTimeModeButton(dialog, id);
  } else if (id == ALARM_ACTION_NOTE || id == ALARM_ACTION_PROGRAM) {
    OnActionButton(dialog, id);
  } else if (id == ALARM_ONE_DATE || id == ALARM_ENHANCED) {
    OnDateModeButton(dialog, id);
  } else if (id == IDC_ALARM_LIST_FILES) {
    OnListFiles(dialog);
  } else if (id == IDC_ALARM_HELP) {
    WinHelp(dialog, helpPath, HELP_CONTEXT, ALARM_SETTINGS_HELP_CONTEXT);
  } else if (id == IDOK) {
    OnAlarmSettingsOk(dialog);
  } else if (id == IDCANCEL) {
    EndDialog(dialog, 0);
  } else {
    return OnValueButton(dialog, id);
  }
  return true;
}

}  // namespace

INT_PTR AlarmSettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      InitAlarmSettings(dialog);
      return TRUE;
    case WM_COMMAND:
      // Only clicks act; an edit's change notifications are not commands.
      if (HIWORD(wParam) != BN_CLICKED) return FALSE;
      return OnCommand(dialog, LOWORD(wParam)) ? TRUE : FALSE;
    default:
      return FALSE;
  }
}
