// The clock window's timer messages: the alarm scan on both timers, and on the
// 500 ms tick the date advance, the Timers dialog's count and the face.
#include "alarms/alarm_scan.h"
#include "base/clock_app.h"
#include "app/main_window.h"
#include "app/main_window_parts.h"
#include "base/time_source.h"
#include "datetime/date_advance.h"
#include "display/face.h"
#include "settings/preferences.h"
#include "timers/timer_record.h"

namespace {

// Whether this tick changes what the face shows: a new minute, a second shown
// (every second tick, counted in ticks), or the colon's blink.
bool FaceIsDue() {
  bool refresh = false;
  if (nowTime.minute != lastMinuteShown && prefs->displaySeconds == 0) {
    lastMinuteShown = static_cast<std::uint8_t>(nowTime.minute);
    refresh = true;
  }
  if (prefs->displaySeconds == 1) {
    halfSecondCount += static_cast<std::int32_t>(CLOCK_TICK_MS);
    if (halfSecondCount == 1000) {
      refresh = true;
      halfSecondCount = 0;
    }
  } else if (prefs->blinkColon != 0) {
    blinkPhase ^= 1;
    refresh = true;
  }
  return refresh;
}

}  // namespace

LRESULT OnTimer(HWND window, UINT_PTR timerId) {
  // Timer 2 keeps the alarms scanned while an alarm holds timer 1 stopped.
  if (CheckAlarms(window, {CLOCK_TICK_TIMER, CLOCK_TICK_MS})) return 0;
  if (timerId != CLOCK_TICK_TIMER) return 0;
  AdvanceDateAtMidnight();
  GetClockTime(&nowTime, nullptr);
  if (IsWindow(timersDialog)) SendMessage(timersDialog, WM_TIMERS_REFRESH, 0, 0);
  if (FaceIsDue()) RefreshFace(window);
  // After the face, so the new hour is on show when it sounds.
  CheckHourlyBeep();
  return 0;
}
