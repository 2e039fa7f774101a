// The texts of the Timers dialog: the countdown length in edit 141, read and
// written, and the live count.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "timers/timers_dialog.h"

namespace {

constexpr long long kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr long long kInt32Max = std::numeric_limits<std::int32_t>::max();

// Reads at most `count` characters from `text` as a decimal number: leading
// blanks, a sign, digits up to the first other character; 0 without digits.
// A number too large for the 32-bit fields is held at their limit.
long long ReadNumber(const char* text, std::size_t count) {
  char part[80] = {};
  const std::size_t length = std::min({std::strlen(text), count, sizeof part - 1});
  std::memcpy(part, text, length);
  return std::clamp(std::strtoll(part, nullptr, 10), kInt32Min, kInt32Max);
}

// The position of a colon that follows three or more digits ("100:00"), or
// -1. Such a length is hours and minutes too; reading it as a number of
// minutes would turn a 100-hour countdown into 100 minutes the next time
// the dialog reads back the text it wrote itself.
long long LongHoursColon(const char* text) {
  std::size_t i = 0;
  while (std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
  return (i >= 3 && text[i] == ':') ? static_cast<long long>(i) : -1;
}

CountdownLength FromHoursAndMinutes(long long hours, long long minutes) {
  const long long total = hours * 60 + minutes;
  if (total < kInt32Min || total > kInt32Max) {
    // Beyond what the minutes field holds: keep the longest length it can, and hours to match.
    const long long held = std::clamp(total, kInt32Min, kInt32Max);
    return {static_cast<std::int32_t>(held / 60), static_cast<std::int32_t>(held)};
  }
  return {static_cast<std::int32_t>(hours), static_cast<std::int32_t>(total)};
}

}  // namespace

CountdownLength ParseCountdownFrom(const char* text) {
  const std::size_t length = std::strlen(text);
  const auto colonAt = [&](std::size_t i) { return i < length && text[i] == ':'; };

  if (colonAt(2)) return FromHoursAndMinutes(ReadNumber(text, 2), ReadNumber(text + 3, 2));
  if (colonAt(1)) return FromHoursAndMinutes(ReadNumber(text, 1), ReadNumber(text + 2, 2));
  if (const long long colon = LongHoursColon(text); colon >= 0) {
    return FromHoursAndMinutes(ReadNumber(text, static_cast<std::size_t>(colon)),
                               ReadNumber(text + colon + 1, 2));
  }
  // A plain number of minutes; whole hours are taken out of it.
  const long long minutes = ReadNumber(text, length);
  const long long hours = minutes > 59 ? minutes / 60 : 0;
  return {static_cast<std::int32_t>(hours), static_cast<std::int32_t>(minutes)};
}

void FormatCountdownLength(const TimerRecord& record, char* buffer, std::size_t size) {
  const long long hours = record.countFromHours;
  const long long minutes = record.countFromMinutes - hours * 60;
  std::snprintf(buffer, size, minutes < 10 ? "%lld:0%lld" : "%lld:%lld", hours, minutes);
}
