#include "cli/upcoming.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "alarms/calendar.h"
#include "alarms/schedule.h"
#include "cli/command_line.h"
#include "cli/ics_export.h"
#include "moments/local_time.h"
#include "cli/settings_view.h"

std::vector<Occurrence> UpcomingAlarms(const AlarmRecord* table, std::int64_t fromWallMinute, int days) {
  // The listing writes four-digit years, and so does every dialog: it ends with the year 9999.
  const std::int64_t endWallMinute = std::min(fromWallMinute + static_cast<std::int64_t>(days) * kMinutesPerDay,
                                              LocalMinuteAt(10000, 1, 1, 0));
  std::vector<Occurrence> found;
  // A day earlier too: a minute skipped late on it may be noticed inside the span.
  const std::int64_t firstDay = LocalDayOf(fromWallMinute) - 1;
  const std::int64_t lastDay = LocalDayOf(endWallMinute);
  // A one-date alarm is retired at its first ring, whichever rule made it due.
  bool retired[kAlarmCount] = {};
  for (std::int64_t day = firstDay; day <= lastDay; ++day) {
    const CalendarDay c = DateOfLocalDay(day);
    if (c.year < 1 || c.year > 9999) continue;
    const ClockDate date{static_cast<std::uint16_t>(c.day), static_cast<std::uint16_t>(c.month),
                         static_cast<std::uint16_t>(c.year), static_cast<std::uint16_t>(c.weekday)};
    for (int i = 0; i < kAlarmCount; ++i) {
      const AlarmRecord& r = table[i];
      // The scan rings only alarms that are enabled, at a time of day that exists.
      if (r.enabled != 1 || r.hour > 23 || r.minute > 59 || retired[i]) continue;
      const ClockTime time{r.hour, r.minute, 0, 0};
      if (!IsAlarmDueAt(r, date, time, 1)) continue;
      const auto noticed = NoticedAt(day * kMinutesPerDay + r.hour * 60 + r.minute);
      if (noticed && *noticed >= fromWallMinute && *noticed < endWallMinute) {
        found.push_back({*noticed, i + 1});
        retired[i] = r.dateMode == kAlarmOneDate;
      }
    }
  }
  std::sort(found.begin(), found.end(), [](const Occurrence& a, const Occurrence& b) {
    return a.wallMinute != b.wallMinute ? a.wallMinute < b.wallMinute : a.alarmNumber < b.alarmNumber;
  });
  return found;
}

std::string FormatOccurrence(const Occurrence& occurrence) {
  const LocalMoment m = MomentOfWallMinute(occurrence.wallMinute);
  char line[64];
  std::snprintf(line, sizeof line, "%04d-%02d-%02d %02d:%02d alarm %d", m.year, m.month, m.day, m.hour, m.minute,
                occurrence.alarmNumber);
  return line;
}

int RunUpcoming(const CommandLine& commandLine) {
  LoadSettingsView();
  std::int64_t from = 0;
  if (commandLine.from) {
    from = WallMinuteOf(*commandLine.from);
  } else {
    // The next minute of the local clock.
    const std::int64_t now = static_cast<std::int64_t>(std::time(nullptr));
    from = WallMinuteOfUtc((now / 60 + 1) * 60);
  }
  if (commandLine.format == OutputFormat::Ics) {
    std::fputs(IcsCalendar(alarms, from, static_cast<std::int64_t>(std::time(nullptr))).c_str(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
  }
  for (const Occurrence& occurrence : UpcomingAlarms(alarms, from, commandLine.days)) {
    std::printf("%s\n", FormatOccurrence(occurrence).c_str());
  }
  return std::fflush(stdout) == 0 ? 0 : 1;
}
