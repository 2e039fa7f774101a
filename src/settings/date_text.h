// The dates the dialogs write into their date edits and read back from them:
// three numbers in the order of the date-order preference (605 month-day-year,
// 606 day-month-year, 607 year-month-day). Alarm Settings, Enhanced Alarms and
// Time and Date all go through this one pair, so a date written by one reads
// back the same in every other.
#pragma once

#include <cstddef>
#include <cstdint>

struct DialogDate {
  std::int64_t month;
  std::int64_t day;
  std::int64_t year;  // the full year
};

// The current year of the program's clock: the centre of the two-digit window.
int TodayYear();

// The full year a typed year stands for. 0 to 99: the year with those last two
// digits nearest todayYear, from 50 years before it to 49 after (in 2026, 26 is
// 2026, 75 is 2075, 76 is 1976). 100 to 1899: 1900 added, as the dialogs write
// years from 2000 on (126 is 2026). 1900 and above: the year as typed.
std::int64_t FullYearOf(std::int64_t typed, int todayYear);

// Reads a typed date: up to three unsigned numbers separated by "-", "/" or
// ".", blanks allowed before each; reading stops at anything else. Each
// number found replaces its field of `date` in the date order (the year by
// FullYearOf); fields without a number keep their value. Numbers too large for
// any field are held at a large bound, so no arithmetic on them overflows.
DialogDate ReadDialogDate(const char* text, int dateOrder, DialogDate date, int todayYear = TodayYear());

// Writes "12-25-126" style texts with "-" between the numbers. The year is
// written less 1900 when that text reads back as the same year, else in full
// (in 2026, 1992 is "92" but 1950 is "1950"), so every date written reads back
// unchanged by ReadDialogDate with the same todayYear.
void FormatDialogDate(char* buffer, std::size_t size, int dateOrder, const DialogDate& date,
                      int todayYear = TodayYear());
