// The texts of the Timers dialog: the countdown length in edit 141, read and
// written, and the live count.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "base/colon_text.h"
#include "timers/timers_dialog.h"

namespace {

constexpr long long kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr long long kInt32Max = std::numeric_limits<std::int32_t>::max();

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
  const ColonText parts = ReadColonText(text);
  if (parts.hasColon) return FromHoursAndMinutes(parts.before, parts.after);
  // A plain number of minutes; whole hours are taken out of it.
  const long long minutes = parts.before;
  const long long hours = minutes > 59 ? minutes / 60 : 0;
  return {static_cast<std::int32_t>(hours), static_cast<std::int32_t>(minutes)};
}

void FormatCountdownLength(const TimerRecord& record, char* buffer, std::size_t size) {
  const long long hours = record.countFromHours;
  const long long minutes = record.countFromMinutes - hours * 60;
  std::snprintf(buffer, size, minutes < 10 ? "%lld:0%lld" : "%lld:%lld", hours, minutes);
}
