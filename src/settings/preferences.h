// The preferences record, saved byte for byte in the configuration file, and
// the profile-backed globals beside it.
#pragma once

#include <cstddef>
#include <cstdint>

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

// Control ids stored in the record.
enum : std::int16_t {
  TIME_FORMAT_12H_SUFFIX = 105,
  TIME_FORMAT_24H = 106,
  TIME_FORMAT_12H = 107,
  WEEKDAY_SHORT = 205,
  WEEKDAY_FULL = 206,
  WEEKDAY_NONE = 207,
  MONTH_NUMBER = 305,
  MONTH_TWO_DIGITS = 306,
  MONTH_SHORT = 307,
  MONTH_FULL = 308,
  MONTH_NONE = 309,
  DAY_NUMBER = 405,
  DAY_TWO_DIGITS = 406,
  DAY_NONE = 407,
  YEAR_SHORT = 505,
  YEAR_FULL = 506,
  YEAR_NONE = 507,
  DATE_ORDER_MDY = 605,
  DATE_ORDER_DMY = 606,
  DATE_ORDER_YMD = 607,
  LOCATION_ONE = 705,
  LOCATION_LOWER_RIGHT = 706,
  SCREEN_SAVER_AUTO = 905,
  SCREEN_SAVER_DELAY = 906,
  SCREEN_SAVER_NONE = 907,
  PM_STYLE_UPPER = 148,
  PM_STYLE_LOWER = 149,
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
