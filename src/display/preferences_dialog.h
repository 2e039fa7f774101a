// The Preferences dialog: how the face writes the time and date, how the
// clock window behaves, and a few options that are only kept.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/win32.h"
#include "resources/control_ids.h"

constexpr UINT kPreferencesHelpContext = 1002;

// The choice of each radio group while the dialog is open.
extern std::int32_t dialogTimeFormat;
extern std::int32_t dialogPmStyle;
extern std::int32_t dialogWeekdayStyle;
extern std::int32_t dialogMonthStyle;
extern std::int32_t dialogDayStyle;
extern std::int32_t dialogYearStyle;
extern std::int32_t dialogDateOrder;
extern std::int32_t dialogLocationMode;
extern std::int32_t dialogScreenSaverMode;

// The screen-saver delay as the record keeps it.
struct ScreenSaverDelay {
  std::int16_t totalSeconds;  // screenSaverDelay
  std::int16_t minutes;       // screenSaverDelayMinutes
};

// Reads the delay typed as minutes:seconds (4:56, 04:56, 100:00) or as a
// number of seconds (296). Numbers are read leniently (no digits give 0) and
// nothing is validated, but the delay is held within what its 16-bit fields
// hold (at most 546:07).
ScreenSaverDelay ReadScreenSaverDelay(const char* text);
// Writes the delay as the dialog shows it: "4:56", "0:00", "1:99".
void FormatScreenSaverDelay(ScreenSaverDelay delay, char* buffer, std::size_t size);
// The date separator from the edit's text: its first character when that is
// ASCII, else (an empty edit, a character outside ASCII) a blank.
char ReadSeparator(const char* text);

INT_PTR PreferencesDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

void ResetPreferencesDialogState();
