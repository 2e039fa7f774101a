// The Time and Date dialog procedure. OK keeps the two preferences and sets
// the machine's clock to the time and date of the fields.
#include "base/clock_app.h"
#include "base/dialog_buttons.h"
#include "datetime/set_date_time_dialog.h"
#include "resources/resources.h"
#include "settings/preferences.h"

std::int16_t editTimeMode = 0;

namespace {

void CheckMode(HWND dialog, int mode) { CheckRadioButton(dialog, IDC_DATETIME_MODE_AM, IDC_DATETIME_MODE_24H, mode); }

// In a 12-hour mode the clock's hour picks AM or PM.
void FollowClockHalfOfDay(HWND dialog, int hour) {
  editTimeMode = static_cast<std::int16_t>(hour >= 12 ? IDC_DATETIME_MODE_PM : IDC_DATETIME_MODE_AM);
  CheckMode(dialog, editTimeMode);
}

void ShowClockTime(HWND dialog, const ClockTime& now) {
  TimeFieldNumbers time{now.hour, now.minute, now.second};
  if (editTimeMode != IDC_DATETIME_MODE_24H) {
    if (time.hour == 0) {
      time.hour = 12;
    } else if (time.hour > 12) {
      time.hour -= 12;
    }
  }
  char text[48];
  FormatTimeField(time, text, sizeof text);
  SetDlgItemText(dialog, IDC_DATETIME_TIME, text);
}

void ShowClockDate(HWND dialog, const ClockDate& today) {
  char text[48];
  FormatDateField(today, prefs->dateOrder, text, sizeof text);
  SetDlgItemText(dialog, IDC_DATETIME_DATE, text);
}

void Initialise(HWND dialog) {
  CheckDlgButton(dialog, IDC_DATETIME_AUTO_ADVANCE_DATE, prefs->autoAdvanceDate != 0 ? BST_CHECKED : BST_UNCHECKED);
  ClockTime now{};
  ClockDate today{};
  GetClockTime(&now, &today);
  editTimeMode = prefs->setTimeMode;
  if (editTimeMode == IDC_DATETIME_MODE_24H) {
    CheckMode(dialog, IDC_DATETIME_MODE_24H);
  } else {
    FollowClockHalfOfDay(dialog, now.hour);
  }
  ShowClockTime(dialog, now);
  ShowClockDate(dialog, today);
}

void SwitchMode(HWND dialog, int mode) {
  CheckMode(dialog, mode);
  char text[29];
  GetDlgItemText(dialog, IDC_DATETIME_TIME, text, sizeof text);
  TimeFieldNumbers time = ReadTimeField(text);
  time.hour = ConvertHourBetweenModes(time.hour, editTimeMode, mode);
  char written[48];
  FormatTimeField(time, written, sizeof written);
  SetDlgItemText(dialog, IDC_DATETIME_TIME, written);
  editTimeMode = static_cast<std::int16_t>(mode);
}

// Rewriting a field from the clock must not take the user's place away: the
// control with the focus keeps it, and an edit keeps its selection.
class FocusKeeper {
 public:
  explicit FocusKeeper(HWND dialog) : focus_(GetFocus()) {
    if (focus_ != nullptr &&
        (focus_ == GetDlgItem(dialog, IDC_DATETIME_DATE) || focus_ == GetDlgItem(dialog, IDC_DATETIME_TIME))) {
      edit_ = focus_;
      const LRESULT selection = SendMessage(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start_),
                                            reinterpret_cast<LPARAM>(&end_));
      if (start_ == kUnset) start_ = LOWORD(static_cast<std::uintptr_t>(selection));
      if (end_ == kUnset) end_ = HIWORD(static_cast<std::uintptr_t>(selection));
    }
  }
  FocusKeeper(const FocusKeeper&) = delete;
  FocusKeeper& operator=(const FocusKeeper&) = delete;
  ~FocusKeeper() {
    if (edit_ != nullptr) SendMessage(edit_, EM_SETSEL, start_, static_cast<LPARAM>(end_));
    if (focus_ != nullptr) SetFocus(focus_);
  }

 private:
  static constexpr DWORD kUnset = 0xFFFFFFFF;
  HWND focus_;
  HWND edit_ = nullptr;
  DWORD start_ = kUnset;
  DWORD end_ = kUnset;
};

void UpdateTimeFromClock(HWND dialog) {
  FocusKeeper keeper(dialog);
  ClockTime now{};
  GetClockTime(&now, nullptr);
  if (editTimeMode != IDC_DATETIME_MODE_24H) FollowClockHalfOfDay(dialog, now.hour);
  ShowClockTime(dialog, now);
}

void UpdateDateFromClock(HWND dialog) {
  FocusKeeper keeper(dialog);
  ClockDate today{};
  GetClockTime(nullptr, &today);
  ShowClockDate(dialog, today);
}

// 0 with the wanted local time, else the string id of what is wrong with it.
UINT ReadWantedTime(HWND dialog, SYSTEMTIME* local) {
  char time[29];
  char date[29];
  GetDlgItemText(dialog, IDC_DATETIME_TIME, time, sizeof time);
  GetDlgItemText(dialog, IDC_DATETIME_DATE, date, sizeof date);
  const UINT error = ReadWantedLocalTime(time, editTimeMode, date, prefs->dateOrder, local);
  if (error != 0) return error;
  // A time inside the hour that spring skips does not exist either.
  SYSTEMTIME utc{};
  return TzSpecificLocalTimeToSystemTime(nullptr, local, &utc) ? 0u : static_cast<UINT>(IDS_INVALID_TIME);
}

// A time or date that does not exist is reported, and the dialog stays open
// for it to be put right; nothing is stored or set.
bool FieldsExist(HWND dialog) {
  SYSTEMTIME local{};
  const UINT error = ReadWantedTime(dialog, &local);
  if (error != 0) ShowErrorBox(dialog, error);
  return error == 0;
}

void Commit(HWND dialog) {
  prefs->setTimeMode = editTimeMode;
  prefs->autoAdvanceDate = IsDlgButtonChecked(dialog, IDC_DATETIME_AUTO_ADVANCE_DATE) == BST_CHECKED ? 1 : 0;
  SYSTEMTIME local{};
  if (ReadWantedTime(dialog, &local) == 0) SetSystemClock(dialog, local);
}

bool HandleCommand(HWND dialog, WPARAM command) {
  switch (command) {
    case IDC_DATETIME_MODE_AM:
    case IDC_DATETIME_MODE_PM:
    case IDC_DATETIME_MODE_24H:
      SwitchMode(dialog, static_cast<int>(command));
      return true;
    case IDC_DATETIME_UPDATE_TIME:
      UpdateTimeFromClock(dialog);
      return true;
    case IDC_DATETIME_UPDATE_DATE:
      UpdateDateFromClock(dialog);
      return true;
    case IDOK:
      if (!FieldsExist(dialog)) return true;
      return HandleDialogButton(dialog, command, {IDC_DATETIME_HELP, kSetDateTimeHelpContext, Commit});
    default:
      return HandleDialogButton(dialog, command, {IDC_DATETIME_HELP, kSetDateTimeHelpContext, Commit});
  }
}

}  // namespace

INT_PTR SetDateTimeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      Initialise(dialog);
      return TRUE;
    case WM_COMMAND:
      return HandleCommand(dialog, wParam) ? TRUE : FALSE;
    default:
      return FALSE;
  }
}

void ResetSetDateTimeDialogState() { editTimeMode = 0; }
