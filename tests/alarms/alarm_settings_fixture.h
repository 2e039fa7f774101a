// Shared steps of the alarm dialog scenarios: settings prepared as a file, the
// dialog opened from the system menu, the saved file read back.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "settings/alarm_record.h"
#include "app/main_window.h"
#include "settings/config_image.h"
#include "settings/preferences.h"
#include "support/desk.h"

namespace alarm_dialogs {

// Control ids as the tests click them; Enhanced Alarms reuses some numbers.
enum : int {
  kAlarm1 = 401, kEnabled = 306, kTime = 304, kAm = 118, kPm = 119, k24Hour = 120, kOneDate = 600,
  kDate = 310, kEnhanced = 601, kNoteAction = 124, kNote = 307, kProgramAction = 125, kProgram = 123,
  kListFiles = 141, kMax = 127, kNormal = 129, kBeep = 555, kHi = 505, kLow = 506, kShort = 525,
  kLong = 526, kRemind = 143, kEvenIfSaver = 142,
  kAlarmNumber = 506, kToday = 133, kEvery = 119, kEveryOther = 120, kSecondWeek = 126, kSunday = 111,
  kMonday = 112, kTuesday = 113, kFriday = 116,
};

constexpr const char* kAlarmSettings = "Alarm Settings";
constexpr const char* kEnhancedAlarms = "Enhanced Alarms";

using Edit = std::function<void(Preferences&, AlarmRecord*)>;

// A desk at 1992-12-07 15:05:09 (a Monday) whose saved settings are the defaults changed by edit.
inline Settings DeskWith(const Edit& edit) {
  Preferences p{};
  SetDefaultPreferences(p);
  AlarmRecord table[kAlarmCount] = {};
  for (AlarmRecord& r : table) SetDefaultAlarm(r);
  edit(p, table);
  std::string image(kConfigFileBytes, '\0');
  ComposeConfigImage(p, table, reinterpret_cast<unsigned char*>(image.data()));
  return Settings().settingsFile("HORATICK.CFG", image);
}

inline void SetDate(AlarmRecord& r, int month, int day, int year) {
  r.month = static_cast<std::uint8_t>(month);
  r.day = static_cast<std::uint8_t>(day);
  r.year = year;
}

inline std::vector<unsigned char> SavedFile(const Desk& desk) {
  std::ifstream in(desk.settingsFolder() + "/HORATICK.CFG", std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline desk::DialogView OpenAlarmSettings(Desk& desk) {
  desk.sysCommand(IDM_ALARMS);
  return desk.dialog(kAlarmSettings);
}

}  // namespace alarm_dialogs
