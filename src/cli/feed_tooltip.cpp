#include "cli/feed_tooltip.h"

#include "base/terminal_text.h"
#include "cli/upcoming.h"

namespace cli {
namespace {

constexpr std::size_t kMostAlarms = 3;
// Far enough for the rarest schedule to come round (a fifth week of the month).
constexpr int kLookAheadDays = 400;

}  // namespace

std::vector<std::string> NextAlarmLines(const AlarmRecord* table, std::int64_t fromWallMinute) {
  std::vector<std::string> lines;
  if (table == nullptr) return lines;
  // The next few days hold the three next alarms of most settings; the
  // year is searched only when they do not.
  std::vector<Occurrence> coming;
  for (const int days : {2, 35, kLookAheadDays}) {
    coming = UpcomingAlarms(table, fromWallMinute, days);
    if (coming.size() >= kMostAlarms) break;
  }
  for (const Occurrence& occurrence : coming) {
    if (lines.size() == kMostAlarms) break;
    const AlarmRecord& r = table[occurrence.alarmNumber - 1];
    std::size_t noteLength = 0;
    while (noteLength < sizeof r.note && r.note[noteLength] != '\0') ++noteLength;
    std::string line = FormatOccurrence(occurrence);
    // One line each, with no control character of the note's.
    if (noteLength > 0) line += ": " + TerminalLine(std::string_view(r.note, noteLength));
    lines.push_back(std::move(line));
  }
  return lines;
}

std::vector<std::string> RunningTimerLines(const TimerRecord* table) {
  std::vector<std::string> lines;
  if (table == nullptr) return lines;
  for (int i = 0; i < kTimerCount; ++i) {
    if (table[i].running == 0) continue;
    const bool countdown = i >= kFirstCountdown;
    const int number = countdown ? i - kFirstCountdown + 1 : i + 1;
    lines.push_back(std::string(countdown ? "Countdown " : "Stopwatch ") + std::to_string(number) + " running");
  }
  return lines;
}

}  // namespace cli
