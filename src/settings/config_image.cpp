#include "settings/config_image.h"

#include <bit>
#include <cstring>
#include <initializer_list>

// The records are laid out as the file is; on a little-endian machine the
// image is their bytes as they lie in memory.
static_assert(std::endian::native == std::endian::little);

void ComposeConfigImage(const Preferences& p, const AlarmRecord* table, unsigned char* image) {
  std::memcpy(image, &p, sizeof p);
  std::memcpy(image + sizeof p, table, ALARM_COUNT * sizeof(AlarmRecord));
}

void SplitConfigImage(const unsigned char* image, Preferences& p, AlarmRecord* table) {
  std::memcpy(&p, image, sizeof p);
  std::memcpy(table, image + sizeof p, ALARM_COUNT * sizeof(AlarmRecord));
}

namespace {

template <typename Field>
void KeepInSet(Field& field, std::initializer_list<std::int32_t> allowed, Field fallback) {
  for (std::int32_t value : allowed) {
    if (field == value) return;
  }
  field = fallback;
}

template <std::size_t N>
void EndWithZero(char (&text)[N]) {
  text[N - 1] = '\0';
}

}  // namespace

void RepairConfiguration(Preferences& p, AlarmRecord* table) {
  // The defaults come from the same routines that fill a fresh record.
  Preferences d{};
  SetDefaultPreferences(d);
  KeepInSet(p.timeFormat, {TIME_FORMAT_12H_SUFFIX, TIME_FORMAT_24H, TIME_FORMAT_12H}, d.timeFormat);
  KeepInSet(p.weekdayStyle, {WEEKDAY_SHORT, WEEKDAY_FULL, WEEKDAY_NONE}, d.weekdayStyle);
  KeepInSet(p.monthStyle, {MONTH_NUMBER, MONTH_TWO_DIGITS, MONTH_SHORT, MONTH_FULL, MONTH_NONE}, d.monthStyle);
  KeepInSet(p.dayStyle, {DAY_NUMBER, DAY_TWO_DIGITS, DAY_NONE}, d.dayStyle);
  KeepInSet(p.yearStyle, {YEAR_SHORT, YEAR_FULL, YEAR_NONE}, d.yearStyle);
  KeepInSet(p.dateOrder, {DATE_ORDER_MDY, DATE_ORDER_DMY, DATE_ORDER_YMD}, d.dateOrder);
  KeepInSet(p.locationMode, {LOCATION_ONE, LOCATION_LOWER_RIGHT}, d.locationMode);
  KeepInSet(p.screenSaverMode, {SCREEN_SAVER_AUTO, SCREEN_SAVER_DELAY, SCREEN_SAVER_NONE}, d.screenSaverMode);
  EndWithZero(p.version);
  EndWithZero(p.separator);

  AlarmRecord a{};
  SetDefaultAlarm(a);
  for (int i = 0; i < ALARM_COUNT; ++i) {
    AlarmRecord& r = table[i];
    // Files of older versions stored the date mode under other control ids.
    if (r.dateMode == 310) r.dateMode = ALARM_ENHANCED;
    if (r.dateMode == 311) r.dateMode = ALARM_ONE_DATE;
    KeepInSet(r.amPmMode, {ALARM_AM, ALARM_PM, ALARM_24H}, a.amPmMode);
    KeepInSet(r.dateMode, {ALARM_ONE_DATE, ALARM_ENHANCED}, a.dateMode);
    KeepInSet(r.action, {ALARM_ACTION_NOTE, ALARM_ACTION_PROGRAM}, a.action);
    KeepInSet(r.showMode, {ALARM_SHOW_MAX, ALARM_SHOW_MIN, ALARM_SHOW_NORMAL}, a.showMode);
    KeepInSet(r.beepDuration, {ALARM_BEEP_SHORT, ALARM_BEEP_LONG}, a.beepDuration);
    KeepInSet(r.beepTone, {ALARM_TONE_HI, ALARM_TONE_LOW}, a.beepTone);
    EndWithZero(r.note);
    EndWithZero(r.program);
  }
}

std::int16_t RepairPmStyle(std::int32_t value) {
  return value == PM_STYLE_UPPER || value == PM_STYLE_LOWER ? static_cast<std::int16_t>(value)
                                                            : static_cast<std::int16_t>(PM_STYLE_UPPER);
}
