#include "cli/ics_export.h"

#include <cstdio>
#include <ctime>

#include "alarms/calendar.h"
#include "cli/alarm_events.h"
#include "cli/ics_text.h"

namespace {

// The alarm's settings as the clock stores them, hashed (64-bit FNV-1a): the
// same alarm gives the same UIDs in every file, so a calendar that imports
// the file again replaces its events instead of doubling them, and an alarm
// set otherwise gets new ones.
std::uint64_t SettingsHash(const AlarmRecord& r) {
  std::uint64_t hash = 0xcbf29ce484222325u;
  const auto* bytes = reinterpret_cast<const unsigned char*>(&r);
  for (std::size_t i = 0; i < sizeof r; ++i) {
    hash ^= bytes[i];
    hash *= 0x100000001b3u;
  }
  return hash;
}

std::string LocalDateTime(std::int64_t day, int minuteOfDay) {
  const CalendarDay c = DateOfLocalDay(day);
  char text[32];
  std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d00", static_cast<int>(c.year), static_cast<int>(c.month),
                static_cast<int>(c.day), minuteOfDay / 60, minuteOfDay % 60);
  return text;
}

std::string UtcStamp(std::int64_t utcSeconds) {
  const std::time_t t = static_cast<std::time_t>(utcSeconds);
  std::tm tm{};
  gmtime_r(&t, &tm);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%dT%H%M%SZ", &tm);
  return text;
}

// The note as typed, up to its end.
std::string NoteOf(const AlarmRecord& r) {
  std::size_t length = 0;
  while (length < sizeof r.note && r.note[length] != '\0') ++length;
  return std::string(r.note, length);
}

}  // namespace

std::string IcsCalendar(const AlarmRecord* table, std::int64_t fromWallMinute, std::int64_t stampUtcSeconds) {
  using cli::IcsLine;
  using cli::IcsText;
  std::string file = IcsLine("BEGIN:VCALENDAR") + IcsLine("VERSION:2.0") +
                     IcsLine("PRODID:-//Horatick//Horatick alarms//EN") + IcsLine("CALSCALE:GREGORIAN");
  const std::string stamp = UtcStamp(stampUtcSeconds);
  for (const AlarmEvent& event : AlarmEvents(table, fromWallMinute)) {
    const AlarmRecord& r = table[event.alarmNumber - 1];
    const std::string summary = "Alarm " + std::to_string(event.alarmNumber);
    const std::string note = NoteOf(r);
    char uid[80];
    std::snprintf(uid, sizeof uid, "alarm%d-%016llx-%d@horatick", event.alarmNumber,
                  static_cast<unsigned long long>(SettingsHash(r)), event.part);
    file += IcsLine("BEGIN:VEVENT");
    file += IcsLine(std::string("UID:") + uid);
    file += IcsLine("DTSTAMP:" + stamp);
    file += IcsLine("DTSTART:" + LocalDateTime(event.startDay, event.minuteOfDay));
    if (!event.rule.empty()) file += IcsLine("RRULE:" + event.rule);
    file += IcsLine("SUMMARY:" + IcsText(summary));
    if (!note.empty()) file += IcsLine("DESCRIPTION:" + IcsText(note));
    file += IcsLine("BEGIN:VALARM");
    file += IcsLine("ACTION:DISPLAY");
    file += IcsLine("TRIGGER:PT0S");
    file += IcsLine("DESCRIPTION:" + IcsText(note.empty() ? summary : note));
    file += IcsLine("END:VALARM");
    file += IcsLine("END:VEVENT");
  }
  file += IcsLine("END:VCALENDAR");
  return file;
}
