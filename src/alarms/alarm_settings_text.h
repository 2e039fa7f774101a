// The text form of alarm times in the alarm dialogs, the lenient reader of
// what is typed into the time edit, and the limits of the record's fields.
// Pure functions. (Dates are read and written by settings/date_text.h.)
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

AlarmTimeText ParseAlarmTime(const char* text);

// "7:05", "14:30".
void FormatAlarmTime(char* buffer, std::size_t size, int hour, int minute);
// A typed number limited to what an 8-bit field holds.
std::uint8_t LimitToByte(std::int64_t value);
// A typed year limited to what the record's 32-bit field holds.
std::int32_t LimitToYearField(std::int64_t year);

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
void SetFieldText(char* field, std::size_t fieldSize, const char* text, std::size_t maxBytes);
