// The timers' part of the clock face: one piece per running, shown timer.
#include "base/face_text.h"
#include "timers/timer_engine.h"

namespace {

// " S1 00:01:05", " C2 01:02": the kind, the number, then the count.
void AppendTimerPiece(FaceText& text, int index) {
  const TimerRecord& timer = timers[index];
  text.Append(IsCountdown(index) ? " C" : " S").AppendDecimal(TimerNumber(index)).Append(' ');
  text.AppendTwoDigits(timer.hours).Append(':').AppendTwoDigits(timer.minutes);
  if (timer.showSeconds != 0) text.Append(':').AppendTwoDigits(timer.seconds);
}

}  // namespace

int FormatTimerText(HWND window) {
  UpdateTimers(window);
  FaceText text(timerText, sizeof timerText);
  int shown = 0;
  for (int i = 0; i < kTimerCount; ++i) {
    if (timers[i].running != 0 && timers[i].showTimer != 0) {
      AppendTimerPiece(text, i);
      shown = 1;
    }
  }
  return shown;
}
