// Steps shared by the alarm scan scenarios: a clock started with a chosen
// alarm table, and the alarms set up the way the dialogs would leave them.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "settings/alarm_record.h"
#include "settings/config_image.h"
#include "settings/preferences.h"
#include "platform/headless/headless_driver.h"
#include "support/clock_text.h"
#include "support/desk.h"
#include "support/clock_text.h"

namespace alarm_scene {

using AlarmEdit = std::function<void(AlarmRecord* table)>;

// The configuration file of a clock with default preferences and the default
// alarms changed by edit.
inline std::string ConfigFile(const AlarmEdit& edit) {
  Preferences p{};
  SetDefaultPreferences(p);
  AlarmRecord table[kAlarmCount];
  std::memset(table, 0, sizeof table);
  for (AlarmRecord& r : table) SetDefaultAlarm(r);
  edit(table);
  std::string image(kConfigFileBytes, '\0');
  ComposeConfigImage(p, table, reinterpret_cast<unsigned char*>(image.data()));
  return image;
}

// A desk at localTime (in tz) whose saved alarms are the defaults changed by edit.
inline Settings DeskAt(const char* localTime, const AlarmEdit& edit, const char* tz = "UTC") {
  return Settings().timeZone(tz).at(localTime).settingsFile("HORATICK.CFG", ConfigFile(edit));
}

inline AlarmRecord& Time24(AlarmRecord& r, int hour, int minute) {
  r.enabled = 1;
  r.amPmMode = kAlarm24h;
  r.hour = static_cast<std::uint8_t>(hour);
  r.minute = static_cast<std::uint8_t>(minute);
  return r;
}

inline AlarmRecord& OneDate(AlarmRecord& r, int hour, int minute, int year, int month, int day) {
  Time24(r, hour, minute);
  r.dateMode = kAlarmOneDate;
  r.year = year;
  r.month = static_cast<std::uint8_t>(month);
  r.day = static_cast<std::uint8_t>(day);
  return r;
}

// Every day of the week at this time.
inline AlarmRecord& Daily(AlarmRecord& r, int hour, int minute) {
  Time24(r, hour, minute);
  r.dateMode = kAlarmEnhanced;
  r.everyWeek = 1;
  for (auto& flag : r.weekday) flag = 1;
  return r;
}

inline AlarmRecord& Note(AlarmRecord& r, const char* note) {
  r.action = kAlarmActionNote;
  std::strncpy(r.note, note, sizeof r.note - 1);
  return r;
}

inline AlarmRecord& Program(AlarmRecord& r, const char* commandLine, std::int32_t showMode = kAlarmShowNormal) {
  r.action = kAlarmActionProgram;
  r.showMode = showMode;
  std::strncpy(r.program, commandLine, sizeof r.program - 1);
  return r;
}

inline AlarmRecord& Beeping(AlarmRecord& r, std::int32_t duration = kAlarmBeepShort,
                            std::int32_t tone = kAlarmToneHi) {
  r.beep = 1;
  r.beepDuration = duration;
  r.beepTone = tone;
  return r;
}

// The command lines started so far, in order.
inline std::vector<std::string> Started(const Desk& desk) {
  std::vector<std::string> lines;
  for (const ProgramStart& start : desk.programsStarted()) lines.push_back(start.commandLine);
  return lines;
}

// The clock window's timer messages since the last clearTrace, by timer id.
inline int TimerMessages(const Desk& desk, UINT_PTR id) {
  int count = 0;
  for (const TraceEntry& entry : desk.trace(desk.clockWindow(), {WM_TIMER})) count += entry.wParam == id ? 1 : 0;
  return count;
}

}  // namespace alarm_scene
