#include "settings/preferences.h"

#include <cstring>

Preferences* prefs = nullptr;
std::int16_t pmStyle = kPmStyleUpper;
std::int32_t flashAlarm = 1;
std::int32_t flashHourly = 1;
std::int32_t versionMismatch = 0;
std::int32_t windowStyleExtra = 0;

namespace {

constexpr std::int32_t kSystemMenuStyle = 0x80000;   // WS_SYSMENU
constexpr std::int32_t kMinimizeBoxStyle = 0x20000;  // WS_MINIMIZEBOX

}  // namespace

std::int32_t WindowStyleExtraFor(const Preferences& p) {
  std::int32_t style = 0;
  if (p.systemBox == 1) style |= kSystemMenuStyle;
  if (p.minimizeBox == 1) style |= kMinimizeBoxStyle;
  return style;
}

// The window's place, the last time-entry mode and the reserved bytes have no
// default: they keep what they hold.
void SetDefaultPreferences(Preferences& p) {
  std::memcpy(p.version, "01.00", sizeof p.version);
  p.timeFormat = kTimeFormat12hSuffix;
  p.displaySeconds = 0;
  p.weekdayStyle = kWeekdayShort;
  p.monthStyle = kMonthNumber;
  p.dayStyle = kDayTwoDigits;
  p.yearStyle = kYearShort;
  p.stayInFront = 1;
  p.systemBox = 1;
  p.minimizeBox = 0;
  p.dateOrder = kDateOrderMdy;
  p.locationMode = kLocationOne;
  std::memcpy(p.separator, "/\0\0\0\0", sizeof p.separator);
  p.reserved48 = 1;
  p.reserved52 = 0;
  p.reserved56 = 0;
  p.antiCascade = 1;
  p.blinkColon = 0;
  p.screenSaverMode = kScreenSaverAuto;
  p.screenSaverDelay = 296;
  p.screenSaverDelayMinutes = 4;
  p.lockLocation = 0;
  p.autoAdvanceDate = 0;
}

void ResetPreferencesState() {
  prefs = nullptr;
  pmStyle = kPmStyleUpper;
  flashAlarm = 1;
  flashHourly = 1;
  versionMismatch = 0;
  windowStyleExtra = 0;
}
