// The buttons of Alarm Settings that change what the dialog shows or edits.
#include <string>

#include "alarms/alarm_settings.h"
#include "alarms/alarm_settings_text.h"
#include "alarms/program_check.h"
#include "alarms/enhanced_alarms.h"

void OnAlarmNumberButton(HWND dialog, int id) {
  nextIndex = static_cast<std::int16_t>(id - IDC_ALARM_FIRST);
  if (!StoreShownAlarm(dialog)) return;
  CheckRadioButton(dialog, IDC_ALARM_FIRST, IDC_ALARM_LAST, id);
  FillAlarmControls(dialog, alarmEdit[nextIndex]);
  editIndex = nextIndex;
}

void OnTimeModeButton(HWND dialog, int id) {
  CheckRadioButton(dialog, ALARM_AM, ALARM_24H, id);
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
  CheckRadioButton(dialog, ALARM_ACTION_NOTE, ALARM_ACTION_PROGRAM, id);
  alarmEdit[editIndex].action = id;
  const int edit = id == ALARM_ACTION_NOTE ? IDC_ALARM_NOTE : IDC_ALARM_PROGRAM;
  SendDlgItemMessage(dialog, edit, EM_SETSEL, 0, 0);
  SetFocus(GetDlgItem(dialog, edit));
}

void OnDateModeButton(HWND dialog, int id) {
  CheckRadioButton(dialog, ALARM_ONE_DATE, ALARM_ENHANCED, id);
  alarmEdit[editIndex].dateMode = static_cast<std::int16_t>(id);
  enhancedIndex = editIndex;
  if (id == ALARM_ONE_DATE) {
    SetFocus(GetDlgItem(dialog, IDC_ALARM_DATE));
    return;
  }
  OpenEnhancedAlarms(dialog);
  // Enhanced Alarms edited the live record: its start date is what this alarm now carries.
  ShowAlarmDate(dialog, alarms[editIndex]);
}

void OnListFiles(HWND dialog) {
  const AlarmRecord& r = alarmEdit[editIndex];
  CopyTextCut(programFileName, sizeof programFileName, FieldText(r.program, sizeof r.program).c_str(),
              ALARM_PROGRAM_MAX_BYTES);

  OPENFILENAME ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = dialog;
  ofn.lpstrFilter = "Executables (*.EXE)\0*.exe\0";
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = programFileName;
  // A path longer than the record's program field would be cut at OK into a
  // path that names nothing, so the chooser is offered exactly what fits.
  ofn.nMaxFile = ALARM_PROGRAM_MAX_BYTES + 1;
  ofn.lpstrTitle = "Select Program To Run";
  ofn.Flags = OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
  if (!GetOpenFileName(&ofn)) return;

  // The program runs through the shell: a path with blanks or quotes is quoted
  // so that it stays one word. When the quotes would not fit, the path goes in
  // as chosen and the program check at OK says that it cannot be found.
  const std::string commandLine = CommandLineForPath(programFileName);
  const bool fits = commandLine.size() <= static_cast<std::size_t>(ALARM_PROGRAM_MAX_BYTES);
  SetDlgItemText(dialog, IDC_ALARM_PROGRAM, fits ? commandLine.c_str() : programFileName);
}
