// Showing an alarm in the Alarm Settings controls and reading it back.
#include <cstring>

#include "alarms/alarm_settings.h"
#include "alarms/alarm_settings_text.h"
#include "base/clock_app.h"
#include "base/time_source.h"
#include "settings/date_text.h"
#include "settings/preferences.h"
#include "resources/resources.h"

namespace {

// The edits are read as the user typed them; longer texts are cut afterwards,
// on a character boundary, to what the record holds.
constexpr int kEditTextBytes = 1024;
// The time and date edits are read up to 28 characters.
constexpr int kShortEditBytes = 29;

int DateOrder() { return prefs != nullptr ? static_cast<int>(prefs->dateOrder) : static_cast<int>(kDateOrderMdy); }

UINT CheckState(std::int32_t flag) { return flag != 0 ? BST_CHECKED : BST_UNCHECKED; }
std::int32_t IsChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED ? 1 : 0; }

void ShowAlarmTime(HWND dialog, const AlarmRecord& r) {
  char text[32];
  FormatAlarmTime(text, sizeof text, ShownHour(r.hour, r.amPmMode), r.minute);
  SetDlgItemText(dialog, IDC_ALARM_TIME, text);
}

void ReadTextCut(HWND dialog, int id, char* field, std::size_t fieldSize, std::size_t maxBytes) {
  char text[kEditTextBytes];
  GetDlgItemText(dialog, id, text, sizeof text);
  SetFieldText(field, fieldSize, text, maxBytes);
}

// The time edit as typed, with the record's hour and minute where it has no number.
struct TypedTime {
  std::int64_t hour;
  std::int64_t minute;
};

TypedTime ReadTypedTime(HWND dialog, const AlarmRecord& r) {
  char text[kShortEditBytes];
  GetDlgItemText(dialog, IDC_ALARM_TIME, text, sizeof text);
  const AlarmTimeText typed = ParseAlarmTime(text);
  if (!typed.hasHour) return {r.hour, r.minute};
  return {typed.hour, typed.minute};
}

}  // namespace

void SetTodayText(HWND dialog) {
  ClockTime now{};
  ClockDate today{};
  GetClockTime(&now, &today);
  char text[64];
  FormatDialogDate(text, sizeof text, DateOrder(), {today.month, today.day, today.year}, today.year);
  SetDlgItemText(dialog, IDC_ALARM_DATE, text);
}

void WriteAlarmDate(HWND dialog, const AlarmRecord& r) {
  char text[64];
  FormatDialogDate(text, sizeof text, DateOrder(), {r.month, r.day, r.year});
  SetDlgItemText(dialog, IDC_ALARM_DATE, text);
}

void ShowAlarmDate(HWND dialog, const AlarmRecord& r) {
  if (r.month == 0 || r.day == 0 || r.year == 0) {
    SetTodayText(dialog);
  } else {
    WriteAlarmDate(dialog, r);
  }
}

void ReadAlarmDateEdit(HWND dialog, AlarmRecord& r) {
  char text[kShortEditBytes];
  GetDlgItemText(dialog, IDC_ALARM_DATE, text, sizeof text);
  const DialogDate read = ReadDialogDate(text, DateOrder(), {r.month, r.day, r.year});
  r.month = LimitToByte(read.month);
  r.day = LimitToByte(read.day);
  r.year = LimitToYearField(read.year);
}

void ReadAlarmTimeEdit(HWND dialog, AlarmRecord& r) {
  const TypedTime typed = ReadTypedTime(dialog, r);
  r.hour = LimitToByte(typed.hour);
  r.minute = LimitToByte(typed.minute);
}

void CopyWorkingFields(AlarmRecord& to, const AlarmRecord& from) {
  to.amPmMode = from.amPmMode;
  to.hour = from.hour;
  to.minute = from.minute;
  to.reserved6 = from.reserved6;
  to.month = from.month;
  to.day = from.day;
  to.year = from.year;
  to.dateMode = from.dateMode;
  to.enabled = from.enabled;
  std::memcpy(to.note, from.note, sizeof to.note);
  std::memcpy(to.program, from.program, sizeof to.program);
  to.action = from.action;
  to.showMode = from.showMode;
  to.beep = from.beep;
  to.beepDuration = from.beepDuration;
  to.beepTone = from.beepTone;
  to.remindOnStartup = from.remindOnStartup;
  to.evenIfScreenSaver = from.evenIfScreenSaver;
}

void FillAlarmControls(HWND dialog, const AlarmRecord& r) {
  ShowAlarmTime(dialog, r);
  CheckDlgButton(dialog, IDC_ALARM_ENABLED, CheckState(r.enabled));
  CheckDlgButton(dialog, IDC_ALARM_EVEN_IF_SAVER, CheckState(r.evenIfScreenSaver));
  CheckDlgButton(dialog, IDC_ALARM_REMIND, CheckState(r.remindOnStartup));
  SetDlgItemText(dialog, IDC_ALARM_NOTE, FieldText(r.note, sizeof r.note).c_str());
  CheckRadioButton(dialog, kAlarmBeepShort, kAlarmBeepLong, r.beepDuration);
  CheckRadioButton(dialog, kAlarmOneDate, kAlarmEnhanced, r.dateMode);
  CheckDlgButton(dialog, IDC_ALARM_BEEP, CheckState(r.beep));
  CheckRadioButton(dialog, kAlarmToneHi, kAlarmToneLow, r.beepTone);
  ShowAlarmDate(dialog, r);
  CheckRadioButton(dialog, kAlarmShowMax, kAlarmShowNormal, r.showMode);
  CheckRadioButton(dialog, kAlarmAm, kAlarm24h, r.amPmMode);
  CheckRadioButton(dialog, kAlarmActionNote, kAlarmActionProgram, r.action);
  SetDlgItemText(dialog, IDC_ALARM_PROGRAM, FieldText(r.program, sizeof r.program).c_str());
}

UINT ReadShownAlarm(HWND dialog, AlarmRecord& r, HourRule rule) {
  ReadAlarmDateEdit(dialog, r);
  const TypedTime typed = ReadTypedTime(dialog, r);
  std::int64_t hour = typed.hour;
  if (rule == HourRule::Accepting && r.amPmMode == kAlarmAm && hour == 12) hour = 0;
  if (r.amPmMode == kAlarmPm && hour >= 0 && hour < 12) hour += 12;
  r.beep = IsChecked(dialog, IDC_ALARM_BEEP);
  r.evenIfScreenSaver = IsChecked(dialog, IDC_ALARM_EVEN_IF_SAVER);
  r.remindOnStartup = IsChecked(dialog, IDC_ALARM_REMIND);
  r.enabled = static_cast<std::int16_t>(IsChecked(dialog, IDC_ALARM_ENABLED));
  ReadTextCut(dialog, IDC_ALARM_NOTE, r.note, sizeof r.note, kAlarmNoteMaxBytes);
  ReadTextCut(dialog, IDC_ALARM_PROGRAM, r.program, sizeof r.program, kAlarmProgramMaxBytes);

  if (typed.hour < 0 || hour > 23 || typed.minute < 0 || typed.minute > 59) return IDS_INVALID_TIME;
  r.hour = static_cast<std::uint8_t>(hour);
  r.minute = static_cast<std::uint8_t>(typed.minute);
  if (r.enabled != 0 && r.dateMode == kAlarmOneDate && !IsRealDate(r.month, r.day, r.year)) return IDS_INVALID_DATE;
  return 0;
}
