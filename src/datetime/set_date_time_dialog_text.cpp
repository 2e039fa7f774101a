// The texts of the Time and Date dialog and the conversion of the hour
// between its three writing modes.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "datetime/set_date_time_dialog.h"
#include "resources/resources.h"
#include "settings/date_text.h"
#include "settings/preferences.h"

namespace {

// Reads one number at `text`; false when no digit comes first.
bool ReadNumber(const char*& text, std::int32_t& value) {
  char* end = nullptr;
  const long long number = std::strtoll(text, &end, 10);
  if (end == text) return false;
  value = static_cast<std::int32_t>(std::clamp(number, static_cast<long long>(std::numeric_limits<std::int32_t>::min()),
                                               static_cast<long long>(std::numeric_limits<std::int32_t>::max())));
  text = end;
  return true;
}

}  // namespace

TimeFieldNumbers ReadTimeField(const char* text) {
  std::int32_t numbers[3] = {0, 0, 0};
  for (int i = 0; i < 3; ++i) {
    if (!ReadNumber(text, numbers[i])) break;
    if (i < 2) {
      if (*text != ':') break;
      ++text;
    }
  }
  return {numbers[0], numbers[1], numbers[2]};
}

UINT ReadWantedLocalTime(const char* timeText, int mode, const char* dateText, int dateOrder, SYSTEMTIME* local) {
  // The date is read as the other dialogs read theirs (any of - / . between
  // the numbers, a two-digit year nearest today's); a number that is missing
  // stays 0 and so makes no date.
  const DialogDate read = ReadDialogDate(dateText, dateOrder, {0, 0, 0});
  const auto field = [](std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, -1, 99999));
  };
  const std::int32_t year = field(read.year), month = field(read.month), day = field(read.day);
  const std::chrono::year_month_day date{std::chrono::year{std::clamp(year, 0, 9999)},
                                         std::chrono::month{static_cast<unsigned>(std::clamp(month, 0, 13))},
                                         std::chrono::day{static_cast<unsigned>(std::clamp(day, 0, 32))}};
  if (year < 1970 || year > 9999 || !date.ok()) return IDS_INVALID_DATE;

  TimeFieldNumbers time = ReadTimeField(timeText);
  if (time.hour == 24) time.hour = 0;
  if (mode == IDC_DATETIME_MODE_PM && time.hour < 12) time.hour += 12;
  if (mode == IDC_DATETIME_MODE_AM && time.hour == 12) time.hour = 0;
  if (time.hour < 0 || time.hour > 23 || time.minute < 0 || time.minute > 59 || time.second < 0 || time.second > 59) {
    return IDS_INVALID_TIME;
  }
  *local = SYSTEMTIME{static_cast<WORD>(year), static_cast<WORD>(month), 0, static_cast<WORD>(day),
                      static_cast<WORD>(time.hour), static_cast<WORD>(time.minute), static_cast<WORD>(time.second), 0};
  return 0;
}

std::int32_t ConvertHourBetweenModes(std::int32_t hour, int fromMode, int toMode) {
  const bool toTwelveHour = toMode == IDC_DATETIME_MODE_AM || toMode == IDC_DATETIME_MODE_PM;
  if (fromMode == IDC_DATETIME_MODE_PM && toMode == IDC_DATETIME_MODE_24H && hour < 12) hour += 12;
  if (fromMode == IDC_DATETIME_MODE_24H && toTwelveHour && hour == 0) hour = 12;
  if (fromMode == IDC_DATETIME_MODE_AM && toMode == IDC_DATETIME_MODE_24H && hour == 12) hour = 0;
  if (fromMode == IDC_DATETIME_MODE_24H && toTwelveHour && hour > 12) hour -= 12;
  return hour;
}

void FormatTimeField(const TimeFieldNumbers& time, char* buffer, std::size_t size) {
  char minute[16];
  char second[16];
  std::snprintf(minute, sizeof minute, time.minute < 10 ? "0%d" : "%d", time.minute);
  std::snprintf(second, sizeof second, time.second < 10 ? "0%d" : "%d", time.second);
  std::snprintf(buffer, size, "%d:%s:%s", time.hour, minute, second);
}

void FormatDateField(const ClockDate& date, int dateOrder, char* buffer, std::size_t size) {
  FormatDialogDate(buffer, size, dateOrder, {date.month, date.day, date.year});
}

ClockDate ReadDateField(const char* text, int dateOrder, const ClockDate& shown) {
  const DialogDate read = ReadDialogDate(text, dateOrder, {shown.month, shown.day, shown.year});
  const auto limit = [](std::int64_t value) {
    return static_cast<std::uint16_t>(std::clamp<std::int64_t>(value, 0, std::numeric_limits<std::uint16_t>::max()));
  };
  ClockDate date = shown;
  date.month = limit(read.month);
  date.day = limit(read.day);
  date.year = limit(read.year);
  return date;
}
