// The preferences record, saved byte for byte in the configuration file, and
// the profile-backed globals beside it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "resources/control_ids.h"

#pragma pack(push, 1)
struct Preferences {
  char version[6];
  std::int16_t timeFormat;
  std::int16_t displaySeconds;
  std::int16_t weekdayStyle;
  std::int16_t monthStyle;
  std::int16_t dayStyle;
  std::int16_t yearStyle;
  std::uint8_t reserved18[2];
  std::int32_t stayInFront;
  std::int32_t systemBox;
  std::int32_t minimizeBox;
  std::int16_t dateOrder;
  std::int16_t locationMode;
  std::int16_t xPos;
  std::int16_t yPos;
  char separator[5];
  std::uint8_t reserved45[3];
  std::int32_t reserved48;
  std::int32_t reserved52;
  std::int16_t reserved56;
  std::int16_t antiCascade;
  std::int32_t blinkColon;
  std::int32_t screenSaverMode;
  std::int16_t screenSaverDelay;
  std::int16_t screenSaverDelayMinutes;
  std::int32_t lockLocation;
  std::int16_t setTimeMode;
  std::uint8_t reserved78[2];
  std::int32_t autoAdvanceDate;
};
#pragma pack(pop)

static_assert(sizeof(Preferences) == 84);
static_assert(offsetof(Preferences, version) == 0);
static_assert(offsetof(Preferences, timeFormat) == 6);
static_assert(offsetof(Preferences, displaySeconds) == 8);
static_assert(offsetof(Preferences, weekdayStyle) == 10);
static_assert(offsetof(Preferences, monthStyle) == 12);
static_assert(offsetof(Preferences, dayStyle) == 14);
static_assert(offsetof(Preferences, yearStyle) == 16);
static_assert(offsetof(Preferences, reserved18) == 18);
static_assert(offsetof(Preferences, stayInFront) == 20);
static_assert(offsetof(Preferences, systemBox) == 24);
static_assert(offsetof(Preferences, minimizeBox) == 28);
static_assert(offsetof(Preferences, dateOrder) == 32);
static_assert(offsetof(Preferences, locationMode) == 34);
static_assert(offsetof(Preferences, xPos) == 36);
static_assert(offsetof(Preferences, yPos) == 38);
static_assert(offsetof(Preferences, separator) == 40);
static_assert(offsetof(Preferences, reserved45) == 45);
static_assert(offsetof(Preferences, reserved48) == 48);
static_assert(offsetof(Preferences, reserved52) == 52);
static_assert(offsetof(Preferences, reserved56) == 56);
static_assert(offsetof(Preferences, antiCascade) == 58);
static_assert(offsetof(Preferences, blinkColon) == 60);
static_assert(offsetof(Preferences, screenSaverMode) == 64);
static_assert(offsetof(Preferences, screenSaverDelay) == 68);
static_assert(offsetof(Preferences, screenSaverDelayMinutes) == 70);
static_assert(offsetof(Preferences, lockLocation) == 72);
static_assert(offsetof(Preferences, setTimeMode) == 76);
static_assert(offsetof(Preferences, reserved78) == 78);
static_assert(offsetof(Preferences, autoAdvanceDate) == 80);

// The choices the record stores are the ids of their radio buttons.
enum : std::int16_t {
  kTimeFormat12hSuffix = IDC_PREF_TIME_12H_SUFFIX,
  kTimeFormat24h = IDC_PREF_TIME_24H,
  kTimeFormat12h = IDC_PREF_TIME_12H,
  kWeekdayShort = IDC_PREF_WEEKDAY_SHORT,
  kWeekdayFull = IDC_PREF_WEEKDAY_FULL,
  kWeekdayNone = IDC_PREF_WEEKDAY_NONE,
  kMonthNumber = IDC_PREF_MONTH_NUMBER,
  kMonthTwoDigits = IDC_PREF_MONTH_TWO_DIGITS,
  kMonthShort = IDC_PREF_MONTH_SHORT,
  kMonthFull = IDC_PREF_MONTH_FULL,
  kMonthNone = IDC_PREF_MONTH_NONE,
  kDayNumber = IDC_PREF_DAY_NUMBER,
  kDayTwoDigits = IDC_PREF_DAY_TWO_DIGITS,
  kDayNone = IDC_PREF_DAY_NONE,
  kYearShort = IDC_PREF_YEAR_SHORT,
  kYearFull = IDC_PREF_YEAR_FULL,
  kYearNone = IDC_PREF_YEAR_NONE,
  kDateOrderMdy = IDC_PREF_DATE_ORDER_MDY,
  kDateOrderDmy = IDC_PREF_DATE_ORDER_DMY,
  kDateOrderYmd = IDC_PREF_DATE_ORDER_YMD,
  kLocationOne = IDC_PREF_LOCATION_ONE,
  kLocationLowerRight = IDC_PREF_LOCATION_LOWER_RIGHT,
  kScreenSaverAuto = IDC_PREF_SCREEN_SAVER_AUTO,
  kScreenSaverDelay = IDC_PREF_SCREEN_SAVER_DELAY,
  kScreenSaverNone = IDC_PREF_SCREEN_SAVER_NONE,
  kPmStyleUpper = IDC_PREF_PM_UPPER,
  kPmStyleLower = IDC_PREF_PM_LOWER,
};

extern Preferences* prefs;
extern std::int16_t pmStyle;
extern std::int32_t flashAlarm;
extern std::int32_t flashHourly;
extern std::int32_t versionMismatch;
extern std::int32_t windowStyleExtra;

// The style bits for the system box and the minimise box; a flag counts only when it is exactly 1.
std::int32_t WindowStyleExtraFor(const Preferences& p);
// Writes the defaults into the fields that have one; the others keep what they hold.
void SetDefaultPreferences(Preferences& p);

// Puts prefs and the globals above back to their initial values.
void ResetPreferencesState();
