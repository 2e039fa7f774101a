// The texts of the Time and Date dialog and the conversion of the hour
// between its three writing modes.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "datetime/set_date_time_dialog.h"
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
  const int day = date.day;
  const int month = date.month;
  const int year = date.year - 1900;
  switch (dateOrder) {
    case DATE_ORDER_DMY:
      std::snprintf(buffer, size, "%d-%d-%d", day, month, year);
      break;
    case DATE_ORDER_YMD:
      std::snprintf(buffer, size, "%d-%d-%d", year, month, day);
      break;
    default:
      std::snprintf(buffer, size, "%d-%d-%d", month, day, year);
      break;
  }
}
