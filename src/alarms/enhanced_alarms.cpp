// The Enhanced Alarms dialog: the start date and the repeating schedule of
// one alarm, edited in the live table so that they apply at once.
#include <cstdio>

#include "alarms/alarm_settings.h"
#include "base/clock_app.h"
#include "alarms/enhanced_alarms.h"

namespace {

// The field of the record that a check box of kScheduleIds stands for.
std::int32_t& FlagOf(AlarmRecord& r, int id) {
  if (id >= IDC_SUNDAY && id < IDC_SUNDAY + 7) return r.weekday[id - IDC_SUNDAY];
  if (id >= IDC_FIRST_WEEK && id < IDC_FIRST_WEEK + 5) return r.monthWeek[id - IDC_FIRST_WEEK];
  switch (id) {
    case IDC_EVERY_WEEK: return r.everyWeek;
    case IDC_EVERY_OTHER_WEEK: return r.everyOtherWeek;
    case IDC_EVERY_THIRD_WEEK: return r.everyThirdWeek;
    default: return r.everyFourthWeek;
  }
}

constexpr int kScheduleIds[] = {
    IDC_EVERY_WEEK, IDC_EVERY_OTHER_WEEK, IDC_EVERY_THIRD_WEEK, IDC_EVERY_FOURTH_WEEK,
    IDC_FIRST_WEEK, IDC_FIRST_WEEK + 1, IDC_FIRST_WEEK + 2, IDC_FIRST_WEEK + 3, IDC_FIRST_WEEK + 4,
    IDC_SUNDAY, IDC_SUNDAY + 1, IDC_SUNDAY + 2, IDC_SUNDAY + 3, IDC_SUNDAY + 4, IDC_SUNDAY + 5, IDC_SUNDAY + 6,
};

// The alarm being edited (in the live table).
int enhancedIndex = 0;

int EditedIndex() { return enhancedIndex >= 0 && enhancedIndex < kAlarmCount ? enhancedIndex : 0; }
AlarmRecord& EditedAlarm() { return alarms[EditedIndex()]; }

void InitEnhancedAlarms(HWND dialog) {
  AlarmRecord& r = EditedAlarm();
  char number[16];
  std::snprintf(number, sizeof number, "%d", EditedIndex() + 1);
  SetDlgItemText(dialog, IDC_ENHANCED_NUMBER, number);

  WriteAlarmDate(dialog, r);
  for (int id : kScheduleIds) CheckDlgButton(dialog, id, FlagOf(r, id) != 0 ? BST_CHECKED : BST_UNCHECKED);
  if (r.month == 0 && r.day == 0 && r.year == 0) {
    SendMessage(dialog, WM_COMMAND, MAKEWPARAM(IDC_ENHANCED_TODAY, BN_CLICKED),
                reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_ENHANCED_TODAY)));
  }
}

void AcceptEnhancedAlarms(HWND dialog) {
  AlarmRecord& r = EditedAlarm();
  ReadAlarmDateEdit(dialog, r);
  for (int id : kScheduleIds) FlagOf(r, id) = IsDlgButtonChecked(dialog, id) == BST_CHECKED ? 1 : 0;
  // The schedule is in force now; the alarm must follow it even if Alarm
  // Settings is then cancelled, rather than stay a one-date alarm.
  r.dateMode = kAlarmEnhanced;
  EndDialog(dialog, 1);
}

}  // namespace

void ResetEnhancedAlarmsState() { enhancedIndex = 0; }

INT_PTR OpenEnhancedAlarms(HWND owner, int index) {
  enhancedIndex = index;
  return DialogBoxParam(instance, "DateOptions", owner, EnhancedAlarmsDialogProc, 0);
}

INT_PTR EnhancedAlarmsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      InitEnhancedAlarms(dialog);
      return TRUE;
    case WM_COMMAND:
      if (HIWORD(wParam) != BN_CLICKED) return FALSE;
      switch (LOWORD(wParam)) {
        case IDC_ENHANCED_TODAY:
          SetTodayText(dialog);
          return TRUE;
        case IDOK:
          AcceptEnhancedAlarms(dialog);
          return TRUE;
        case IDCANCEL:
          EndDialog(dialog, 0);
          return TRUE;
        case IDC_ENHANCED_HELP:
          WinHelp(dialog, helpPath, HELP_CONTEXT, kEnhancedAlarmsHelpContext);
          return TRUE;
        default:
          return FALSE;
      }
    default:
      return FALSE;
  }
}
