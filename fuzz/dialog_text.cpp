// Fuzzes the readers of what is typed into the dialogs: alarm times and
// dates, the Time and Date dialog's time field, the countdown length, the
// screen-saver delay, the colon texts and the separator. The input is the
// typed text (cut at a zero) and a last byte that picks a date order. Every
// text reads without a fault, and what a dialog writes back of what it read
// reads the same again.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "alarms/alarm_settings_text.h"
#include "base/colon_text.h"
#include "datetime/set_date_time_dialog.h"
#include "display/preferences_dialog.h"
#include "fuzz_settings.h"
#include "settings/date_text.h"
#include "timers/timers_dialog.h"

namespace {

void CheckAlarmTime(const char* text) {
  const AlarmTimeText t = ParseAlarmTime(text);
  if (!t.hasHour || !t.hasMinute || t.hour < 0 || t.minute < 0) return;
  const int hour = LimitToByte(t.hour);
  const int minute = LimitToByte(t.minute);
  char written[32];
  FormatAlarmTime(written, sizeof written, hour, minute);
  const AlarmTimeText again = ParseAlarmTime(written);
  FUZZ_CHECK(again.hasHour && again.hasMinute && again.hour == hour && again.minute == minute);
}

void CheckAlarmDate(const char* text, int dateOrder) {
  // A fixed year for today, so a run replays the same on any day.
  constexpr int kToday = 2026;
  const DialogDate typed = ReadDialogDate(text, dateOrder, {12, 7, 1992}, kToday);
  FUZZ_CHECK(typed.month >= 0 && typed.day >= 0 && typed.year >= 0);
  // What the dialogs store: a month and day of a byte, a year up to 9999.
  if (typed.month > 255 || typed.day > 255 || typed.year < 1900 || typed.year > 9999) return;
  char written[64];
  FormatDialogDate(written, sizeof written, dateOrder, typed, kToday);
  const DialogDate again = ReadDialogDate(written, dateOrder, {0, 0, 0}, kToday);
  FUZZ_CHECK(again.month == typed.month && again.day == typed.day && again.year == typed.year);
}

void CheckTimeField(const char* text) {
  const TimeFieldNumbers t = ReadTimeField(text);
  if (t.minute < 0 || t.second < 0) return;
  char written[64];
  FormatTimeField(t, written, sizeof written);
  const TimeFieldNumbers again = ReadTimeField(written);
  FUZZ_CHECK(again.hour == t.hour && again.minute == t.minute && again.second == t.second);
}

void CheckCountdown(const char* text) {
  const CountdownLength length = ParseCountdownFrom(text);
  if (length.hours < 0 || length.totalMinutes < 0) return;
  TimerRecord record{};
  record.countFromHours = length.hours;
  record.countFromMinutes = length.totalMinutes;
  if (record.countFromMinutes < record.countFromHours * 60LL) return;
  char written[64];
  FormatCountdownLength(record, written, sizeof written);
  const CountdownLength again = ParseCountdownFrom(written);
  if (again.hours != length.hours || again.totalMinutes != length.totalMinutes) {
    std::fprintf(stderr, "countdown [%s] -> %d/%d -> [%s] -> %d/%d\n", text, length.hours, length.totalMinutes,
                 written, again.hours, again.totalMinutes);
  }
  FUZZ_CHECK(again.hours == length.hours && again.totalMinutes == length.totalMinutes);
}

void CheckScreenSaverDelay(const char* text) {
  const ScreenSaverDelay delay = ReadScreenSaverDelay(text);
  if (delay.totalSeconds < 0 || delay.minutes < 0 || delay.totalSeconds < delay.minutes * 60) return;
  char written[64];
  FormatScreenSaverDelay(delay, written, sizeof written);
  const ScreenSaverDelay again = ReadScreenSaverDelay(written);
  if (again.totalSeconds != delay.totalSeconds || again.minutes != delay.minutes) {
    std::fprintf(stderr, "delay [%s] -> %d/%d -> [%s] -> %d/%d\n", text, delay.totalSeconds, delay.minutes, written,
                 again.totalSeconds, again.minutes);
  }
  FUZZ_CHECK(again.totalSeconds == delay.totalSeconds && again.minutes == delay.minutes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const int dateOrder = 605 + data[size - 1] % 3;
  const std::string typed(reinterpret_cast<const char*>(data), size - 1);
  const char* text = typed.c_str();  // cut at the first zero, as an edit's text is

  CheckAlarmTime(text);
  CheckAlarmDate(text, dateOrder);
  CheckTimeField(text);
  CheckCountdown(text);
  CheckScreenSaverDelay(text);

  const long long number = ReadLenientNumber(text, std::strlen(text));
  FUZZ_CHECK(number >= INT32_MIN && number <= INT32_MAX);
  const ColonText colon = ReadColonText(text);
  FUZZ_CHECK(colon.before >= INT32_MIN && colon.before <= INT32_MAX);
  FUZZ_CHECK(colon.after >= INT32_MIN && colon.after <= INT32_MAX);
  const char separator = ReadSeparator(text);
  FUZZ_CHECK(separator != '\0' && static_cast<unsigned char>(separator) < 0x80);
  return 0;
}
