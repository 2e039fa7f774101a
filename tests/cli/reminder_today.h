// Alarms the status-bar tests start from: a note that reminds at start-up
// today, so a clock started on it has something to say at once, and an
// alarm at 06:15 on every day.
#pragma once

#include <time.h>

#include <cstdio>
#include <cstring>

#include "app/main_window_files.h"

inline clock_files::Configuration WithReminderToday(const char* note) {
  const time_t now = time(nullptr);
  tm local{};
  localtime_r(&now, &local);
  clock_files::Configuration files;
  AlarmRecord& alarm = files.alarms[0];
  alarm.enabled = 1;
  alarm.remindOnStartup = 1;
  alarm.dateMode = kAlarmOneDate;
  alarm.amPmMode = kAlarmAm;
  alarm.hour = 7;
  alarm.minute = 5;
  alarm.year = local.tm_year + 1900;
  alarm.month = static_cast<std::uint8_t>(local.tm_mon + 1);
  alarm.day = static_cast<std::uint8_t>(local.tm_mday);
  alarm.beep = 0;
  alarm.action = kAlarmActionNote;
  std::strncpy(alarm.note, note, sizeof alarm.note - 1);
  return files;
}

// Rings at 06:15 on every day of every week, with this note.
inline void SetDailyAlarm(AlarmRecord& alarm, const char* note) {
  alarm.enabled = 1;
  alarm.dateMode = kAlarmEnhanced;
  alarm.hour = 6;
  alarm.minute = 15;
  alarm.everyWeek = 1;
  for (std::int32_t& day : alarm.weekday) day = 1;
  std::snprintf(alarm.note, sizeof alarm.note, "%s", note);
}
