#include "settings/config_image.h"

#include <bit>
#include <cstring>
#include <initializer_list>

// The records are laid out as the file is; on a little-endian machine the
// image is their bytes as they lie in memory.
static_assert(std::endian::native == std::endian::little);

void ComposeConfigImage(const Preferences& p, const AlarmRecord* table, unsigned char* image) {
  std::memcpy(image, &p, sizeof p);
  std::memcpy(image + sizeof p, table, kAlarmCount * sizeof(AlarmRecord));
}

void SplitConfigImage(const unsigned char* image, Preferences& p, AlarmRecord* table) {
  std::memcpy(&p, image, sizeof p);
  std::memcpy(table, image + sizeof p, kAlarmCount * sizeof(AlarmRecord));
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
  KeepInSet(p.timeFormat, {kTimeFormat12hSuffix, kTimeFormat24h, kTimeFormat12h}, d.timeFormat);
  KeepInSet(p.weekdayStyle, {kWeekdayShort, kWeekdayFull, kWeekdayNone}, d.weekdayStyle);
  KeepInSet(p.monthStyle, {kMonthNumber, kMonthTwoDigits, kMonthShort, kMonthFull, kMonthNone}, d.monthStyle);
  KeepInSet(p.dayStyle, {kDayNumber, kDayTwoDigits, kDayNone}, d.dayStyle);
  KeepInSet(p.yearStyle, {kYearShort, kYearFull, kYearNone}, d.yearStyle);
  KeepInSet(p.dateOrder, {kDateOrderMdy, kDateOrderDmy, kDateOrderYmd}, d.dateOrder);
  KeepInSet(p.locationMode, {kLocationOne, kLocationLowerRight}, d.locationMode);
  KeepInSet(p.screenSaverMode, {kScreenSaverAuto, kScreenSaverDelay, kScreenSaverNone}, d.screenSaverMode);
  EndWithZero(p.version);
  EndWithZero(p.separator);

  AlarmRecord a{};
  SetDefaultAlarm(a);
  for (int i = 0; i < kAlarmCount; ++i) {
    AlarmRecord& r = table[i];
    // Files of older versions stored the date mode under other control ids.
    if (r.dateMode == 310) r.dateMode = kAlarmEnhanced;
    if (r.dateMode == 311) r.dateMode = kAlarmOneDate;
    KeepInSet(r.amPmMode, {kAlarmAm, kAlarmPm, kAlarm24h}, a.amPmMode);
    KeepInSet(r.dateMode, {kAlarmOneDate, kAlarmEnhanced}, a.dateMode);
    KeepInSet(r.action, {kAlarmActionNote, kAlarmActionProgram}, a.action);
    KeepInSet(r.showMode, {kAlarmShowMax, kAlarmShowMin, kAlarmShowNormal}, a.showMode);
    KeepInSet(r.beepDuration, {kAlarmBeepShort, kAlarmBeepLong}, a.beepDuration);
    KeepInSet(r.beepTone, {kAlarmToneHi, kAlarmToneLow}, a.beepTone);
    EndWithZero(r.note);
    EndWithZero(r.program);
  }
}

std::int16_t RepairPmStyle(std::int32_t value) {
  return value == kPmStyleUpper || value == kPmStyleLower ? static_cast<std::int16_t>(value)
                                                            : static_cast<std::int16_t>(kPmStyleUpper);
}
