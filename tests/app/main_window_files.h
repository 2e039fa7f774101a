// The settings files of a clock under test: a configuration image made from
// the records, and readers for what the clock left in its folder.
#pragma once

#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>

#include "settings/alarm_record.h"
#include "settings/preferences.h"

namespace clock_files {

// The configuration file's two blocks, starting from the defaults.
struct Configuration {
  Preferences preferences{};
  AlarmRecord alarms[kAlarmCount]{};

  Configuration() {
    SetDefaultPreferences(preferences);
    for (AlarmRecord& alarm : alarms) SetDefaultAlarm(alarm);
  }

  std::string Image() const {
    std::string image(reinterpret_cast<const char*>(&preferences), sizeof preferences);
    image.append(reinterpret_cast<const char*>(alarms), sizeof alarms);
    return image;
  }
};

inline std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The configuration saved in folder; nothing when the file is missing or not
// of the full size.
inline std::optional<Configuration> ReadConfiguration(const std::string& folder) {
  const auto image = ReadWholeFile(folder + "/HORATICK.CFG");
  Configuration saved;
  if (!image || image->size() != sizeof saved.preferences + sizeof saved.alarms) return std::nullopt;
  std::memcpy(&saved.preferences, image->data(), sizeof saved.preferences);
  std::memcpy(saved.alarms, image->data() + sizeof saved.preferences, sizeof saved.alarms);
  return saved;
}

// A key's value in the [Horatick] section of the profile file, as written.
inline std::optional<std::string> ProfileValue(const std::string& folder, const std::string& key) {
  const auto text = ReadWholeFile(folder + "/HORATICK.INI");
  if (!text) return std::nullopt;
  std::istringstream lines(*text);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind(key + "=", 0) == 0) return line.substr(key.size() + 1);
  }
  return std::nullopt;
}

inline void WriteWholeFile(const std::string& path, const std::string& contents) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << contents;
}

// A one-date alarm at hour:minute on the date, enabled, silent, which starts
// a program when it goes off (so no note waits for an answer).
inline AlarmRecord SilentOneDateAlarm(int year, int month, int day, int hour, int minute) {
  AlarmRecord alarm{};
  SetDefaultAlarm(alarm);
  alarm.enabled = 1;
  alarm.dateMode = kAlarmOneDate;
  alarm.year = year;
  alarm.month = static_cast<std::uint8_t>(month);
  alarm.day = static_cast<std::uint8_t>(day);
  alarm.hour = static_cast<std::uint8_t>(hour);
  alarm.minute = static_cast<std::uint8_t>(minute);
  alarm.amPmMode = kAlarm24h;
  alarm.beep = 0;
  alarm.action = kAlarmActionProgram;
  std::strcpy(alarm.program, "true");
  return alarm;
}

}  // namespace clock_files
