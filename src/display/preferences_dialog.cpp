// The Preferences dialog procedure. The radio groups are edited in working
// copies; nothing reaches the record or the profile file before OK.
#include <cstdio>

#include "base/clock_app.h"
#include "base/dialog_buttons.h"
#include "settings/config_files.h"
#include "display/face.h"
#include "settings/preferences.h"
#include "settings/profile_settings.h"
#include "display/preferences_dialog.h"

std::int32_t dialogTimeFormat = 0;
std::int32_t dialogPmStyle = 0;
std::int32_t dialogWeekdayStyle = 0;
std::int32_t dialogMonthStyle = 0;
std::int32_t dialogDayStyle = 0;
std::int32_t dialogYearStyle = 0;
std::int32_t dialogDateOrder = 0;
std::int32_t dialogLocationMode = 0;
std::int32_t dialogScreenSaverMode = 0;

namespace {

// One radio group: the ids a click is taken from, the last id that has a
// control (the location group's range reaches 707, which has none), and its
// working copy.
struct RadioGroup {
  int firstId;
  int lastId;
  int lastControlId;
  std::int32_t* choice;
};

const RadioGroup kRadioGroups[] = {
    {kTimeFormat12hSuffix, kTimeFormat12h, kTimeFormat12h, &dialogTimeFormat},
    {kPmStyleUpper, kPmStyleLower, kPmStyleLower, &dialogPmStyle},
    {kWeekdayShort, kWeekdayNone, kWeekdayNone, &dialogWeekdayStyle},
    {kMonthNumber, kMonthNone, kMonthNone, &dialogMonthStyle},
    {kDayNumber, kDayNone, kDayNone, &dialogDayStyle},
    {kYearShort, kYearNone, kYearNone, &dialogYearStyle},
    {kDateOrderMdy, kDateOrderYmd, kDateOrderYmd, &dialogDateOrder},
    {kLocationOne, kLocationLowerRight + 1, kLocationLowerRight, &dialogLocationMode},
    {kScreenSaverAuto, kScreenSaverNone, kScreenSaverNone, &dialogScreenSaverMode},
};

std::int32_t Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED ? 1 : 0; }
// A flag shows as checked only when it is exactly 1, as everywhere else it counts as set.
UINT CheckFor(std::int32_t flag) { return flag == 1 ? BST_CHECKED : BST_UNCHECKED; }

void WriteProfileNumber(const char* key, std::int32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", value);
  WriteProfileKey(key, text);
}

void Initialise(HWND dialog) {
  const Preferences& p = *prefs;
  dialogPmStyle = pmStyle;
  dialogTimeFormat = p.timeFormat;
  dialogWeekdayStyle = p.weekdayStyle;
  dialogMonthStyle = p.monthStyle;
  dialogDayStyle = p.dayStyle;
  dialogYearStyle = p.yearStyle;
  dialogDateOrder = p.dateOrder;
  dialogLocationMode = p.locationMode;
  dialogScreenSaverMode = p.screenSaverMode;
  for (const RadioGroup& group : kRadioGroups) {
    CheckRadioButton(dialog, group.firstId, group.lastControlId, *group.choice);
  }

  CheckDlgButton(dialog, IDC_PREF_LOCK_LOCATION, CheckFor(p.lockLocation));
  CheckDlgButton(dialog, IDC_PREF_ANTI_CASCADE, CheckFor(p.antiCascade));
  CheckDlgButton(dialog, IDC_PREF_BLINK_COLON, CheckFor(p.blinkColon));
  CheckDlgButton(dialog, IDC_PREF_FLASH_FOR_ALARMS, CheckFor(flashAlarm));
  CheckDlgButton(dialog, IDC_PREF_FLASH_FOR_HOURLY_BEEP, CheckFor(flashHourly));
  CheckDlgButton(dialog, IDC_PREF_SYSTEM_BOX, CheckFor(p.systemBox));
  CheckDlgButton(dialog, IDC_PREF_STAY_IN_FRONT, CheckFor(p.stayInFront));
  CheckDlgButton(dialog, IDC_PREF_DISPLAY_SECONDS, CheckFor(p.displaySeconds));

  const char separator[2] = {p.separator[0], '\0'};
  SetDlgItemText(dialog, IDC_PREF_SEPARATOR, separator);

  char delay[24];
  FormatScreenSaverDelay({p.screenSaverDelay, p.screenSaverDelayMinutes}, delay, sizeof delay);
  SetDlgItemText(dialog, IDC_PREF_DELAY, delay);
}

bool ChooseRadio(HWND dialog, WPARAM command) {
  for (const RadioGroup& group : kRadioGroups) {
    if (command >= static_cast<WPARAM>(group.firstId) && command <= static_cast<WPARAM>(group.lastId)) {
      const int id = static_cast<int>(command);
      CheckRadioButton(dialog, group.firstId, group.lastId, id);
      *group.choice = id;
      return true;
    }
  }
  return false;
}

// Writes everything back, in the order the clock has always done it.
void Commit(HWND dialog) {
  Preferences& p = *prefs;
  windowStyleExtra = 0;
  p.screenSaverMode = dialogScreenSaverMode;
  p.systemBox = Checked(dialog, IDC_PREF_SYSTEM_BOX);
  windowStyleExtra = WindowStyleExtraFor(p);

  p.timeFormat = static_cast<std::int16_t>(dialogTimeFormat);
  p.lockLocation = Checked(dialog, IDC_PREF_LOCK_LOCATION);
  p.dayStyle = static_cast<std::int16_t>(dialogDayStyle);
  p.weekdayStyle = static_cast<std::int16_t>(dialogWeekdayStyle);
  p.monthStyle = static_cast<std::int16_t>(dialogMonthStyle);
  p.yearStyle = static_cast<std::int16_t>(dialogYearStyle);
  p.dateOrder = static_cast<std::int16_t>(dialogDateOrder);
  p.locationMode = static_cast<std::int16_t>(dialogLocationMode);

  p.antiCascade = static_cast<std::int16_t>(Checked(dialog, IDC_PREF_ANTI_CASCADE));
  p.displaySeconds = static_cast<std::int16_t>(Checked(dialog, IDC_PREF_DISPLAY_SECONDS));

  flashAlarm = Checked(dialog, IDC_PREF_FLASH_FOR_ALARMS);
  flashHourly = Checked(dialog, IDC_PREF_FLASH_FOR_HOURLY_BEEP);
  WriteProfileNumber("FlashAlarm", flashAlarm);
  WriteProfileNumber("FlashHourly", flashHourly);

  p.stayInFront = Checked(dialog, IDC_PREF_STAY_IN_FRONT);
  p.systemBox = Checked(dialog, IDC_PREF_SYSTEM_BOX);
  p.blinkColon = Checked(dialog, IDC_PREF_BLINK_COLON);

  pmStyle = static_cast<std::int16_t>(dialogPmStyle);
  WriteProfileNumber("PMPM", pmStyle);

  char text[80];
  GetDlgItemText(dialog, IDC_PREF_SEPARATOR, text, sizeof text);
  // Only the first byte and its terminator are written; the rest of the field keeps its zeros.
  p.separator[0] = ReadSeparator(text);
  p.separator[1] = '\0';

  GetDlgItemText(dialog, IDC_PREF_DELAY, text, sizeof text);
  const ScreenSaverDelay delay = ReadScreenSaverDelay(text);
  p.screenSaverDelay = delay.totalSeconds;
  p.screenSaverDelayMinutes = delay.minutes;

  // The colon comes back at once even if it was blinking off when the dialog opened.
  blinkPhase = 1;
  SaveConfiguration(dialog);
}

bool HandleCommand(HWND dialog, WPARAM command) {
  return HandleDialogButton(dialog, command, {IDC_PREF_HELP, kPreferencesHelpContext, Commit}) ||
         ChooseRadio(dialog, command);
}

}  // namespace

INT_PTR PreferencesDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
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

void ResetPreferencesDialogState() {
  dialogTimeFormat = 0;
  dialogPmStyle = 0;
  dialogWeekdayStyle = 0;
  dialogMonthStyle = 0;
  dialogDayStyle = 0;
  dialogYearStyle = 0;
  dialogDateOrder = 0;
  dialogLocationMode = 0;
  dialogScreenSaverMode = 0;
}
