// The Alarm Settings dialog, and the pieces of its controls that the Enhanced
// Alarms dialog shares.
#pragma once

#include <cstdint>

#include "platform/win32.h"
#include "resources/control_ids.h"
#include "settings/alarm_record.h"

// Help contexts of the two alarm dialogs.
constexpr UINT kAlarmSettingsHelpContext = 1004;
constexpr UINT kEnhancedAlarmsHelpContext = 1104;

// The longest note and program a record holds, in bytes.
constexpr int kAlarmNoteMaxBytes = 79;
constexpr int kAlarmProgramMaxBytes = 127;

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

// Copies the fields that the working copy holds (not the schedule flags or the hourly beep).
void CopyWorkingFields(AlarmRecord& to, const AlarmRecord& from);

// Shows the record in the controls of Alarm Settings.
void FillAlarmControls(HWND dialog, const AlarmRecord& r);

INT_PTR AlarmSettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Puts every global of the two alarm dialogs back to its start value.
void ResetAlarmSettingsState();
