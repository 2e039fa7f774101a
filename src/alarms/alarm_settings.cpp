// The Alarm Settings dialog: the ten alarms are edited in a working copy that
// OK puts in force and saves, and Cancel drops.
#include "alarms/alarm_settings.h"

#include <cstring>
#include <string>

#include "alarms/alarm_settings_text.h"
#include "alarms/enhanced_alarms.h"
#include "alarms/program_check.h"
#include "base/clock_app.h"
#include "resources/resources.h"
#include "settings/config_files.h"

namespace {

// The working copy of the ten alarms while the dialog is open; only the
// fields that CopyWorkingFields copies take part.
AlarmRecord alarmEdit[kAlarmCount];
// The alarm whose settings the controls show, and the one a number button chose.
std::int16_t editIndex = 0;
std::int16_t nextIndex = 0;
// The file chooser's buffer for "List Files".
char programFileName[MAX_PATH];

// Shows that error and keeps the dialog on the shown alarm, with the focus in the edit at fault.
void ReportInvalidShownAlarm(HWND dialog, UINT stringId) {
  ShowErrorBox(dialog, stringId);
  CheckRadioButton(dialog, IDC_ALARM_FIRST, IDC_ALARM_LAST, IDC_ALARM_FIRST + editIndex);
  SetFocus(GetDlgItem(dialog, stringId == IDS_INVALID_TIME ? IDC_ALARM_TIME : IDC_ALARM_DATE));
}

// Stores the controls into the shown alarm's working record; false (with the
// error shown) when the time or date does not exist.
bool StoreShownAlarm(HWND dialog) {
  AlarmRecord r = alarmEdit[editIndex];
  const UINT error = ReadShownAlarm(dialog, r, HourRule::Switching);
  if (error != 0) {
    ReportInvalidShownAlarm(dialog, error);
    return false;
  }
  alarmEdit[editIndex] = r;
  return true;
}

void OnAlarmNumberButton(HWND dialog, int id) {
  nextIndex = static_cast<std::int16_t>(id - IDC_ALARM_FIRST);
  if (!StoreShownAlarm(dialog)) return;
  CheckRadioButton(dialog, IDC_ALARM_FIRST, IDC_ALARM_LAST, id);
  FillAlarmControls(dialog, alarmEdit[nextIndex]);
  editIndex = nextIndex;
}

void OnTimeModeButton(HWND dialog, int id) {
  CheckRadioButton(dialog, kAlarmAm, kAlarm24h, id);
  AlarmRecord& r = alarmEdit[editIndex];
  ReadAlarmTimeEdit(dialog, r);
  const int hour = HourForTimeMode(r.hour, r.amPmMode, id);
  r.amPmMode = id;
  // Only the text changes: the next switch or OK reads the hour back from it.
  char text[32];
  FormatAlarmTime(text, sizeof text, hour, r.minute);
  SetDlgItemText(dialog, IDC_ALARM_TIME, text);
}

void OnActionButton(HWND dialog, int id) {
  CheckRadioButton(dialog, kAlarmActionNote, kAlarmActionProgram, id);
  alarmEdit[editIndex].action = id;
  const int edit = id == kAlarmActionNote ? IDC_ALARM_NOTE : IDC_ALARM_PROGRAM;
  SendDlgItemMessage(dialog, edit, EM_SETSEL, 0, 0);
  SetFocus(GetDlgItem(dialog, edit));
}

void OnDateModeButton(HWND dialog, int id) {
  CheckRadioButton(dialog, kAlarmOneDate, kAlarmEnhanced, id);
  alarmEdit[editIndex].dateMode = static_cast<std::int16_t>(id);
  if (id == kAlarmOneDate) {
    SetFocus(GetDlgItem(dialog, IDC_ALARM_DATE));
    return;
  }
  OpenEnhancedAlarms(dialog, editIndex);
  // Enhanced Alarms edited the live record: its start date is what this alarm now carries.
  ShowAlarmDate(dialog, alarms[editIndex]);
}

void OnListFiles(HWND dialog) {
  const AlarmRecord& r = alarmEdit[editIndex];
  SetFieldText(programFileName, sizeof programFileName, FieldText(r.program, sizeof r.program).c_str(),
               kAlarmProgramMaxBytes);

  OPENFILENAME ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = dialog;
  ofn.lpstrFilter = "Executables (*.EXE)\0*.exe\0";
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = programFileName;
  // A path longer than the record's program field would be cut at OK into a
  // path that names nothing, so the chooser is offered exactly what fits.
  ofn.nMaxFile = kAlarmProgramMaxBytes + 1;
  ofn.lpstrTitle = "Select Program To Run";
  ofn.Flags = OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
  if (!GetOpenFileName(&ofn)) return;

  // The program runs through the shell: a path with blanks or quotes is quoted
  // so that it stays one word. When the quotes would not fit, the path goes in
  // as chosen and the program check at OK says that it cannot be found.
  const std::string commandLine = CommandLineForPath(programFileName);
  const bool fits = commandLine.size() <= static_cast<std::size_t>(kAlarmProgramMaxBytes);
  SetDlgItemText(dialog, IDC_ALARM_PROGRAM, fits ? commandLine.c_str() : programFileName);
}

// OK: check, then put all ten alarms in force and save them.
void OnAlarmSettingsOk(HWND dialog) {
  // The shown alarm is read into a copy first: a time or date that does not
  // exist, or a No to the program warning, leaves the working copy as it was.
  AlarmRecord accepted[kAlarmCount];
  for (int i = 0; i < kAlarmCount; ++i) accepted[i] = alarmEdit[i];
  const UINT error = ReadShownAlarm(dialog, accepted[editIndex], HourRule::Accepting);
  if (error != 0) {
    ReportInvalidShownAlarm(dialog, error);
    return;
  }
  if (!ConfirmAlarmPrograms(dialog, accepted)) return;

  // An AM hour of 12 is midnight, in every alarm, shown or not.
  for (AlarmRecord& r : accepted) {
    if (r.amPmMode == kAlarmAm && r.hour == 12) r.hour = 0;
  }
  for (int i = 0; i < kAlarmCount; ++i) {
    alarmEdit[i] = accepted[i];
    CopyWorkingFields(alarms[i], accepted[i]);
  }
  SaveConfiguration(dialog);
  EndDialog(dialog, 1);
}

void InitAlarmSettings(HWND dialog) {
  editIndex = 0;
  FillAlarmControls(dialog, alarms[0]);
  for (int i = 0; i < kAlarmCount; ++i) CopyWorkingFields(alarmEdit[i], alarms[i]);
}

// Radio buttons that write their value into the working copy as they are clicked.
bool OnValueButton(HWND dialog, int id) {
  AlarmRecord& r = alarmEdit[editIndex];
  if (id >= kAlarmShowMax && id <= kAlarmShowNormal) {
    CheckRadioButton(dialog, kAlarmShowMax, kAlarmShowNormal, id);
    r.showMode = id;
  } else if (id == kAlarmToneHi || id == kAlarmToneLow) {
    CheckRadioButton(dialog, kAlarmToneHi, kAlarmToneLow, id);
    r.beepTone = id;
  } else if (id == kAlarmBeepShort || id == kAlarmBeepLong) {
    CheckRadioButton(dialog, kAlarmBeepShort, kAlarmBeepLong, id);
    r.beepDuration = id;
  } else {
    return false;
  }
  return true;
}

bool OnCommand(HWND dialog, int id) {
  if (id >= IDC_ALARM_FIRST && id <= IDC_ALARM_LAST) {
    OnAlarmNumberButton(dialog, id);
  } else if (id >= kAlarmAm && id <= kAlarm24h) {
    OnTimeModeButton(dialog, id);
  } else if (id == kAlarmActionNote || id == kAlarmActionProgram) {
    OnActionButton(dialog, id);
  } else if (id == kAlarmOneDate || id == kAlarmEnhanced) {
    OnDateModeButton(dialog, id);
  } else if (id == IDC_ALARM_LIST_FILES) {
    OnListFiles(dialog);
  } else if (id == IDC_ALARM_HELP) {
    WinHelp(dialog, helpPath, HELP_CONTEXT, kAlarmSettingsHelpContext);
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

void ResetAlarmSettingsState() {
  std::memset(alarmEdit, 0, sizeof alarmEdit);
  editIndex = 0;
  nextIndex = 0;
  std::memset(programFileName, 0, sizeof programFileName);
  ResetEnhancedAlarmsState();
}

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
