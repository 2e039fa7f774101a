#include "alarms/alarm_settings_text.h"

#include <chrono>
#include <cstdio>
#include <cstring>

#include "settings/alarm_record.h"
#include "platform/win32.h"

namespace {

// Large enough for any field, small enough that no sum below overflows.
constexpr std::int64_t kNumberBound = 1'000'000'000'000LL;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads the digits at p, held at kNumberBound; false when there is none.
bool ReadDigits(const char*& p, std::int64_t& value) {
  if (!IsDigit(*p)) return false;
  value = 0;
  while (IsDigit(*p)) {
    if (value < kNumberBound) value = value * 10 + (*p - '0');
    ++p;
  }
  if (value > kNumberBound) value = kNumberBound;
  return true;
}

// "%d": blanks, an optional sign, digits.
bool ReadSigned(const char*& p, std::int64_t& value) {
  const char* q = p;
  while (IsBlank(*q)) ++q;
  bool negative = false;
  if (*q == '+' || *q == '-') negative = (*q++ == '-');
  if (!ReadDigits(q, value)) return false;
  if (negative) value = -value;
  p = q;
  return true;
}

}  // namespace

AlarmTimeText ParseAlarmTime(const char* text) {
  AlarmTimeText t;
  const char* p = text;
  if (!ReadSigned(p, t.hour)) return t;
  t.hasHour = true;
  if (*p == ':') {
    ++p;
    t.hasMinute = ReadSigned(p, t.minute);
  }
  if (!t.hasMinute) t.minute = 0;
  return t;
}

void FormatAlarmTime(char* buffer, std::size_t size, int hour, int minute) {
  std::snprintf(buffer, size, minute >= 0 && minute < 10 ? "%d:0%d" : "%d:%d", hour, minute);
}

std::int32_t LimitToYearField(std::int64_t year) {
  if (year < INT32_MIN) return INT32_MIN;
  if (year > INT32_MAX) return INT32_MAX;
  return static_cast<std::int32_t>(year);
}

std::uint8_t LimitToByte(std::int64_t value) {
  if (value < 0) return 0;
  if (value > 255) return 255;
  return static_cast<std::uint8_t>(value);
}

int ShownHour(int hour, int amPmMode) {
  if (amPmMode != kAlarmAm && amPmMode != kAlarmPm) return hour;
  if (hour >= 13 && hour <= 23) return hour - 12;
  if (hour == 0) return 12;
  return hour;
}

int HourForTimeMode(int hour, int oldMode, int newMode) {
  int h = hour;
  if (oldMode == kAlarmPm && newMode == kAlarm24h && hour < 12) h = hour + 12;
  if (oldMode == kAlarmAm && newMode == kAlarm24h && hour == 12) h = 0;
  if (oldMode == kAlarm24h && newMode != kAlarm24h && hour == 0) h = 12;
  if (newMode == kAlarmPm && h > 12) h = hour - 12;
  if (newMode != kAlarm24h && h > 12) h -= 12;
  return h;
}

bool IsRealDate(std::int64_t month, std::int64_t day, std::int64_t year) {
  if (month < 1 || month > 12 || day < 1 || day > 31 || year < 1 || year > 32767) return false;
  const std::chrono::year_month_day date{std::chrono::year{static_cast<int>(year)},
                                         std::chrono::month{static_cast<unsigned>(month)},
                                         std::chrono::day{static_cast<unsigned>(day)}};
  return date.ok();
}

std::string FieldText(const char* field, std::size_t fieldSize) {
  const void* end = std::memchr(field, '\0', fieldSize);
  return std::string(field, end != nullptr ? static_cast<const char*>(end) - field : fieldSize);
}

void SetFieldText(char* field, std::size_t fieldSize, const char* text, std::size_t maxBytes) {
  if (fieldSize == 0) return;
  if (maxBytes > fieldSize - 1) maxBytes = fieldSize - 1;
  std::memset(field, 0, fieldSize);
  lstrcpyn(field, text, static_cast<int>(maxBytes + 1));
}
