// The Time and Date dialog: shows the clock's time and date for editing,
// converts the time between 12-hour and 24-hour writing, and keeps the
// time-entry mode and "Auto Advance Date".
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/time_source.h"
#include "platform/win32.h"
#include "resources/control_ids.h"

constexpr UINT kSetDateTimeHelpContext = 1003;

// The mode in which the time field is written while the dialog is open: 401
// (12-hour, AM), 402 (12-hour, PM) or 403 (24-hour).
extern std::int16_t editTimeMode;

struct TimeFieldNumbers {
  std::int32_t hour;
  std::int32_t minute;
  std::int32_t second;
};

// Reads the time field as hour:minute:second. Each number is read leniently
// (blanks, a sign, digits); a number that is missing, with everything after
// it, reads as 0, and a number too large for its field is held at its limit.
TimeFieldNumbers ReadTimeField(const char* text);
// The hour as it reads after switching the time field from one mode to another.
std::int32_t ConvertHourBetweenModes(std::int32_t hour, int fromMode, int toMode);
// "15:07:09", "3:07:09": the hour as it is, minutes and seconds in two digits.
void FormatTimeField(const TimeFieldNumbers& time, char* buffer, std::size_t size);
// "3-7-92", "7-3-92" or "92-3-7" by the date order (605, 606, 607); the year
// less 1900 when that reads back as the same year, else in full.
void FormatDateField(const ClockDate& date, int dateOrder, char* buffer, std::size_t size);
// Reads the date field as the alarm dialogs read theirs ("-", "/" or "." between
// the numbers, two-digit years nearest today's); a number that is
// missing keeps the shown date's value, and numbers are held to the 16-bit fields.
// The weekday is left as shown.
ClockDate ReadDateField(const char* text, int dateOrder, const ClockDate& shown);

// The local time the two fields ask for: the time made 24-hour by the mode
// (402 below 12 gains 12, 401 at 12 gives 0, a leading 24 gives 0), the date
// in the date order. 0 when both exist, else the string id of the error
// (IDS_INVALID_DATE, IDS_INVALID_TIME); the clock cannot go before 1970.
UINT ReadWantedLocalTime(const char* timeText, int mode, const char* dateText, int dateOrder, SYSTEMTIME* local);

// Sets the machine's clock to the local time, first asking to turn automatic
// network time off when it is on; says what went wrong when it fails.
void SetSystemClock(HWND dialog, const SYSTEMTIME& local);

INT_PTR SetDateTimeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

void ResetSetDateTimeDialogState();
