// Alarms of every schedule kind written into a configuration image, for the
// tests of the views that read the saved alarms.
#pragma once

#include <string>
#include <vector>

#include "settings/config_test_support.h"

struct AlarmPlan {
  int hour = 0;
  int minute = 0;
  int dateMode = 601;  // 600 one date, 601 the weekly schedule
  int year = 0;
  int month = 0;
  int day = 0;
  std::vector<int> weekdays;    // 0 = Sunday
  std::vector<int> everyWeeks;  // 1 every week, 2 every other, 3 every third, 4 every fourth
  std::vector<int> monthWeeks;  // 1 to 5
  std::string note;
  bool enabled = true;

  // A weekly-schedule alarm at hour:minute with its start date at 0-0-0.
  static AlarmPlan At(int hour, int minute) {
    AlarmPlan a;
    a.hour = hour;
    a.minute = minute;
    return a;
  }
  AlarmPlan& Date(int y, int m, int d) {
    year = y, month = m, day = d;
    return *this;
  }
  AlarmPlan& OneDate(int y, int m, int d) {
    dateMode = 600;
    return Date(y, m, d);
  }
  AlarmPlan& On(std::vector<int> days) {
    weekdays = std::move(days);
    return *this;
  }
  AlarmPlan& Every(std::vector<int> weeks) {
    everyWeeks = std::move(weeks);
    return *this;
  }
  AlarmPlan& MonthWeeks(std::vector<int> weeks) {
    monthWeeks = std::move(weeks);
    return *this;
  }
  AlarmPlan& Note(std::string text) {
    note = std::move(text);
    return *this;
  }
  AlarmPlan& Off() {
    enabled = false;
    return *this;
  }
};

inline void PutAlarm(ConfigImage& m, int index, const AlarmPlan& a) {
  m.Put8(ConfigImage::Alarm(index, 4), static_cast<std::uint8_t>(a.hour));
  m.Put8(ConfigImage::Alarm(index, 5), static_cast<std::uint8_t>(a.minute));
  m.Put8(ConfigImage::Alarm(index, 7), static_cast<std::uint8_t>(a.month));
  m.Put8(ConfigImage::Alarm(index, 8), static_cast<std::uint8_t>(a.day));
  m.Put32(ConfigImage::Alarm(index, 12), a.year);
  m.Put16(ConfigImage::Alarm(index, 16), a.dateMode);
  m.Put16(ConfigImage::Alarm(index, 18), a.enabled ? 1 : 0);
  m.PutText(ConfigImage::Alarm(index, 20), a.note);
  for (int day : a.weekdays) m.Put32(ConfigImage::Alarm(index, 256 + 4 * day), 1);
  for (int n : a.everyWeeks) m.Put32(ConfigImage::Alarm(index, 284 + 4 * (n - 1)), 1);
  for (int week : a.monthWeeks) m.Put32(ConfigImage::Alarm(index, 300 + 4 * (week - 1)), 1);
}

inline std::string ConfigWith(const std::vector<AlarmPlan>& plans) {
  ConfigImage m = ConfigImage::Defaults(0, 0);
  for (std::size_t i = 0; i < plans.size(); ++i) PutAlarm(m, static_cast<int>(i), plans[i]);
  return m.Text();
}
