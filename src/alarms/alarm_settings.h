// The Alarm Settings dialog's state and the pieces its files share with each
// other and with the Enhanced Alarms dialog.
#pragma once

#include <cstdint>

#include "settings/alarm_record.h"
#include "platform/win32.h"

// The working copy of the ten alarms while Alarm Settings is open; only the
// fields that CopyWorkingFields copies take part.
extern AlarmRecord alarmEdit[ALARM_COUNT];
// The alarm whose settings the controls show, and the one a number button chose.
extern std::int16_t editIndex;
extern std::int16_t nextIndex;
// The alarm that Enhanced Alarms edits (in the live table).
extern std::int32_t enhancedIndex;
// The file chooser's buffer for "List Files".
extern char programFileName[MAX_PATH];

// Control ids of "SETALARM".
enum : int {
  IDC_ALARM_FIRST = 401,
  IDC_ALARM_LAST = 410,
  IDC_ALARM_ENABLED = 306,
  IDC_ALARM_TIME = 304,
  IDC_ALARM_DATE = 310,
  IDC_ALARM_NOTE = 307,
  IDC_ALARM_PROGRAM = 123,
  IDC_ALARM_LIST_FILES = 141,
  IDC_ALARM_BEEP = 555,
  IDC_ALARM_REMIND = 143,
  IDC_ALARM_EVEN_IF_SAVER = 142,
  IDC_ALARM_HELP = 303,
};

// Help contexts of the two alarm dialogs.
constexpr UINT ALARM_SETTINGS_HELP_CONTEXT = 1004;
constexpr UINT ENHANCED_ALARMS_HELP_CONTEXT = 1104;

// The longest note and program a record holds, in bytes.
constexpr int ALARM_NOTE_MAX_BYTES = 79;
constexpr int ALARM_PROGRAM_MAX_BYTES = 127;

// Writes today's date into control 310 of the dialog in the date-order layout.
void SetTodayText(HWND dialog);
// Writes the record's date into control 310 as it stands.
void WriteAlarmDate(HWND dialog, const AlarmRecord& r);
// Writes the record's date into control 310, or today's when it has none.
void ShowAlarmDate(HWND dialog, const AlarmRecord& r);
// Reads control 310 into the record's month, day and year; each number present replaces its field.
void ReadAlarmDateEdit(HWND dialog, AlarmRecord& r);

// Reads the time edit into the record's hour and minute, each limited to its field.
void ReadAlarmTimeEdit(HWND dialog, AlarmRecord& r);

// How the typed hour is put on the 24-hour clock when the shown alarm is stored:
// a PM hour below 12 gets 12 added; on OK, an AM hour of 12 also becomes 0.
enum class HourRule { Switching, Accepting };
// Reads every control of the shown alarm into r, a copy of its working record.
// Returns 0, or the string id that says the time or the date does not exist.
UINT ReadShownAlarm(HWND dialog, AlarmRecord& r, HourRule rule);
// Shows that error and keeps the dialog on the shown alarm, with the focus in the edit at fault.
void ReportInvalidShownAlarm(HWND dialog, UINT stringId);

// Copies the fields that the working copy holds (not the schedule flags or the hourly beep).
void CopyWorkingFields(AlarmRecord& to, const AlarmRecord& from);

// What the controls and buttons of Alarm Settings do.
void FillAlarmControls(HWND dialog, const AlarmRecord& r);
// Stores the controls into alarmEdit[editIndex]; false (with the error shown) when the time or date does not exist.
bool StoreShownAlarm(HWND dialog);
void OnAlarmNumberButton(HWND dialog, int id);
void OnTimeModeButton(HWND dialog, int id);
void OnActionButton(HWND dialog, int id);
void OnDateModeButton(HWND dialog, int id);
void OnListFiles(HWND dialog);
void OnAlarmSettingsOk(HWND dialog);

INT_PTR AlarmSettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Puts every global of the two alarm dialogs back to its start value.
void ResetAlarmSettingsState();
