// The texts of the Preferences dialog: the screen-saver delay and the date
// separator, read from their edits and written into them.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "display/preferences_dialog.h"

namespace {

constexpr long long kInt16Min = std::numeric_limits<std::int16_t>::min();
constexpr long long kInt16Max = std::numeric_limits<std::int16_t>::max();

// Reads at most `count` characters from `text` as a decimal number: leading
// blanks, a sign, digits up to the first other character; 0 without digits.
// Far too large numbers are held at the 32-bit limits, so later arithmetic
// cannot overflow.
long long ReadNumber(const char* text, std::size_t count) {
  char part[80] = {};
  const std::size_t length = std::min({std::strlen(text), count, sizeof part - 1});
  std::memcpy(part, text, length);
  return std::clamp(std::strtoll(part, nullptr, 10), static_cast<long long>(std::numeric_limits<std::int32_t>::min()),
                    static_cast<long long>(std::numeric_limits<std::int32_t>::max()));
}

// The position of a colon that follows three or more digits ("100:00"), or
// -1. The dialog writes a delay of 100 minutes or more that way itself, so it
// must read it back as minutes and seconds.
long long LongMinutesColon(const char* text) {
  std::size_t i = 0;
  while (std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
  return (i >= 3 && text[i] == ':') ? static_cast<long long>(i) : -1;
}

ScreenSaverDelay FromMinutesAndSeconds(long long minutes, long long seconds) {
  long long total = minutes * 60 + seconds;
  if (total < kInt16Min || total > kInt16Max) {
    // Beyond the 16-bit fields: the longest delay they hold, 546:07, and minutes to match.
    total = std::clamp(total, kInt16Min, kInt16Max);
    minutes = total / 60;
  }
  return {static_cast<std::int16_t>(total), static_cast<std::int16_t>(minutes)};
}

}  // namespace

ScreenSaverDelay ReadScreenSaverDelay(const char* text) {
  const std::size_t length = std::strlen(text);
  const auto colonAt = [&](std::size_t i) { return i < length && text[i] == ':'; };

  if (colonAt(2)) return FromMinutesAndSeconds(ReadNumber(text, 2), ReadNumber(text + 3, 2));
  if (colonAt(1)) return FromMinutesAndSeconds(ReadNumber(text, 1), ReadNumber(text + 2, 2));
  if (const long long colon = LongMinutesColon(text); colon >= 0) {
    return FromMinutesAndSeconds(ReadNumber(text, static_cast<std::size_t>(colon)), ReadNumber(text + colon + 1, 2));
  }
  // A plain number of seconds; whole minutes are taken out of it.
  const long long seconds = ReadNumber(text, length);
  return seconds > 59 ? FromMinutesAndSeconds(seconds / 60, seconds % 60) : FromMinutesAndSeconds(0, seconds);
}

void FormatScreenSaverDelay(ScreenSaverDelay delay, char* buffer, std::size_t size) {
  const int seconds = delay.totalSeconds - 60 * delay.minutes;
  std::snprintf(buffer, size, seconds < 10 ? "%d:0%d" : "%d:%d", delay.minutes, seconds);
}

char ReadSeparator(const char* text) {
  const auto first = static_cast<unsigned char>(text[0]);
  // The face writes the separator as one byte; a byte of a longer character would break its text.
  return (first == 0 || first >= 0x80) ? ' ' : static_cast<char>(first);
}
