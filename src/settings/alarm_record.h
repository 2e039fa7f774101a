// One alarm, saved byte for byte in the configuration file, and the table of ten.
#pragma once

#include <cstddef>
#include <cstdint>

#include "resources/control_ids.h"

#pragma pack(push, 1)
struct AlarmRecord {
  std::int32_t amPmMode;
  std::uint8_t hour;
  std::uint8_t minute;
  std::uint8_t reserved6;
  std::uint8_t month;
  std::uint8_t day;
  std::uint8_t reserved9[3];
  std::int32_t year;
  std::int16_t dateMode;
  std::int16_t enabled;
  char note[81];
  char program[131];
  std::int32_t action;
  std::int32_t showMode;
  std::int32_t beep;
  std::int32_t beepDuration;
  std::int32_t beepTone;
  std::int32_t hourlyBeep;
  std::int32_t weekday[7];
  std::int32_t everyWeek;
  std::int32_t everyOtherWeek;
  std::int32_t everyThirdWeek;
  std::int32_t everyFourthWeek;
  std::int32_t monthWeek[5];
  std::int32_t remindOnStartup;
  std::uint8_t reserved324[28];
  std::int32_t evenIfScreenSaver;
};
#pragma pack(pop)

static_assert(sizeof(AlarmRecord) == 356);
static_assert(offsetof(AlarmRecord, amPmMode) == 0);
static_assert(offsetof(AlarmRecord, hour) == 4);
static_assert(offsetof(AlarmRecord, minute) == 5);
static_assert(offsetof(AlarmRecord, reserved6) == 6);
static_assert(offsetof(AlarmRecord, month) == 7);
static_assert(offsetof(AlarmRecord, day) == 8);
static_assert(offsetof(AlarmRecord, reserved9) == 9);
static_assert(offsetof(AlarmRecord, year) == 12);
static_assert(offsetof(AlarmRecord, dateMode) == 16);
static_assert(offsetof(AlarmRecord, enabled) == 18);
static_assert(offsetof(AlarmRecord, note) == 20);
static_assert(offsetof(AlarmRecord, program) == 101);
static_assert(offsetof(AlarmRecord, action) == 232);
static_assert(offsetof(AlarmRecord, showMode) == 236);
static_assert(offsetof(AlarmRecord, beep) == 240);
static_assert(offsetof(AlarmRecord, beepDuration) == 244);
static_assert(offsetof(AlarmRecord, beepTone) == 248);
static_assert(offsetof(AlarmRecord, hourlyBeep) == 252);
static_assert(offsetof(AlarmRecord, weekday) == 256);
static_assert(offsetof(AlarmRecord, everyWeek) == 284);
static_assert(offsetof(AlarmRecord, everyOtherWeek) == 288);
static_assert(offsetof(AlarmRecord, everyThirdWeek) == 292);
static_assert(offsetof(AlarmRecord, everyFourthWeek) == 296);
static_assert(offsetof(AlarmRecord, monthWeek) == 300);
static_assert(offsetof(AlarmRecord, remindOnStartup) == 320);
static_assert(offsetof(AlarmRecord, reserved324) == 324);
static_assert(offsetof(AlarmRecord, evenIfScreenSaver) == 352);

constexpr int kAlarmCount = 10;

// The choices the record stores are the ids of their radio buttons.
enum : std::int32_t {
  kAlarmAm = IDC_ALARM_AM,
  kAlarmPm = IDC_ALARM_PM,
  kAlarm24h = IDC_ALARM_24H,
  kAlarmActionNote = IDC_ALARM_ACTION_NOTE,
  kAlarmActionProgram = IDC_ALARM_ACTION_PROGRAM,
  kAlarmShowMax = IDC_ALARM_SHOW_MAX,
  kAlarmShowMin = IDC_ALARM_SHOW_MIN,
  kAlarmShowNormal = IDC_ALARM_SHOW_NORMAL,
  kAlarmToneHi = IDC_ALARM_TONE_HI,
  kAlarmToneLow = IDC_ALARM_TONE_LOW,
  kAlarmBeepShort = IDC_ALARM_BEEP_SHORT,
  kAlarmBeepLong = IDC_ALARM_BEEP_LONG,
  kAlarmOneDate = IDC_ALARM_ONE_DATE,
  kAlarmEnhanced = IDC_ALARM_ENHANCED,
};

// The table of ten, alarm 1 first.
extern AlarmRecord* alarms;

void SetDefaultAlarm(AlarmRecord& r);
