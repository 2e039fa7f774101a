// The text forms of alarm times and dates in the alarm dialogs, and the
// lenient readers of what is typed into them. Pure functions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// What "%d:%d" finds in a time text; numbers too large for any field are held at a large bound.
struct AlarmTimeText {
  bool hasHour = false;
  bool hasMinute = false;
  std::int64_t hour = 0;
  std::int64_t minute = 0;
};

// What "%u-%u-%u" finds in a date text, in the order typed.
struct AlarmDateText {
  int count = 0;
  std::int64_t numbers[3] = {0, 0, 0};
};

AlarmTimeText ParseAlarmTime(const char* text);
AlarmDateText ParseAlarmDate(const char* text);

// "7:05", "14:30".
void FormatAlarmTime(char* buffer, std::size_t size, int hour, int minute);
// "12-7-92" in the date order (605 month-day-year, 606 day-month-year, 607 year-month-day), year less 1900.
void FormatAlarmDate(char* buffer, std::size_t size, int dateOrder, std::int64_t month, std::int64_t day,
                     std::int64_t year);

// Puts the numbers of a date text into the fields the date order gives them;
// fields without a number keep their value.
void ApplyAlarmDate(const AlarmDateText& typed, int dateOrder, std::uint8_t& month, std::uint8_t& day,
                    std::int32_t& year);

// A typed year: below 1900 it counts from 1900 (92 is 1992, 100 is 2000); from 1900 on it is the full year.
std::int32_t FullYearOf(std::int64_t typed);
// A typed number limited to what an 8-bit field holds.
std::uint8_t LimitToByte(std::int64_t value);

// The hour as the time edit shows it: on the 12-hour clock for AM and PM.
int ShownHour(int hour, int amPmMode);
// The hour the time edit shows after the time mode changes from oldMode to newMode;
// hour is the one just read from the edit.
int HourForTimeMode(int hour, int oldMode, int newMode);

// True when the month has the day in that year of the Gregorian calendar.
bool IsRealDate(std::int64_t month, std::int64_t day, std::int64_t year);

// The text of a fixed-size field, up to its zero or its end, whichever comes first.
std::string FieldText(const char* field, std::size_t fieldSize);

// Copies text into a field of fieldSize bytes, keeping at most maxBytes and never
// splitting a UTF-8 character; the rest of the field is zero.
void CopyTextCut(char* field, std::size_t fieldSize, const char* text, std::size_t maxBytes);
