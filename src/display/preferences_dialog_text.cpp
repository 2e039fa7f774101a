// The texts of the Preferences dialog: the screen-saver delay and the date
// separator, read from their edits and written into them.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "base/colon_text.h"
#include "display/preferences_dialog.h"

namespace {

constexpr long long kInt16Min = std::numeric_limits<std::int16_t>::min();
constexpr long long kInt16Max = std::numeric_limits<std::int16_t>::max();

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
  const ColonText parts = ReadColonText(text);
  if (parts.hasColon) return FromMinutesAndSeconds(parts.before, parts.after);
  // A plain number of seconds; whole minutes are taken out of it.
  const long long seconds = parts.before;
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
