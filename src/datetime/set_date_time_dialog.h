// The Time and Date dialog: shows the clock's time and date for editing,
// converts the time between 12-hour and 24-hour writing, and keeps the
// time-entry mode and "Auto Advance Date".
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/time_source.h"
#include "platform/win32.h"
#include "resources/control_ids.h"

constexpr UINT SET_DATE_TIME_HELP_CONTEXT = 1003;

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
// "3-7-92", "7-3-92" or "92-3-7" by the date order (605, 606, 607); the year less 1900.
void FormatDateField(const ClockDate& date, int dateOrder, char* buffer, std::size_t size);

INT_PTR SetDateTimeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

void ResetSetDateTimeDialogState();
