// The clock face: the time part, the date and the timers' pieces, composed
// into the caption text of the clock window.
#include "display/face.h"

#include <cstring>

#include "base/time_source.h"
#include "display/face_date.h"
#include "base/face_text.h"
#include "settings/preferences.h"
#include "timers/timer_engine.h"

char clockText[132] = "";
std::int32_t clockWidthChars = 25;
std::int32_t blinkPhase = 1;

namespace {

constexpr std::size_t kFaceSize = sizeof clockText;
constexpr int kMonthNamesExtraChars = 2;

bool AnyTimerRunning() {
  for (const TimerRecord& timer : timers) {
    if (timer.running != 0) return true;
  }
  return false;
}

// While a timer runs, the time is shown only when Display Time is on.
bool TimeLeftOut() { return timers[0].showTime == 0 && AnyTimerRunning(); }

bool AnyTimerShown() {
  for (const TimerRecord& timer : timers) {
    if (timer.running != 0 && timer.showTimer != 0) return true;
  }
  return false;
}

bool DateLeftOut(const Preferences& p) {
  return p.weekdayStyle == kWeekdayNone && p.monthStyle == kMonthNone && p.dayStyle == kDayNone &&
         p.yearStyle == kYearNone;
}

// The hour always takes two places: " 9", " 0", "12".
void AppendHour(FaceText& text, int hour, std::int16_t timeFormat) {
  int shown = hour;
  if (timeFormat != kTimeFormat24h) {
    if (hour > 12) shown = hour - 12;
    if (hour == 0) shown = 12;
  }
  if (shown < 10) text.Append(' ');
  text.AppendDecimal(shown);
}

void CopyText(char* to, const char* from) {
  FaceText(to, kFaceSize).Append(from);
}

// While a timer runs, the first stopwatch's record says whether the face keeps
// the time, the date and the timer pieces.
void ApplyTimerOptions(const char* timePart, bool timerShown) {
  const TimerRecord& options = timers[0];
  char face[kFaceSize];
  CopyText(face, timePart);
  if (options.showTime != 0) CopyText(face, clockText);
  if (options.showDate != 0) CopyText(face, clockText);
  if (options.showTimer != 0) CopyText(face, timerText);
  if ((options.showTime != 0 || options.showDate != 0) && timerShown) {
    FaceText(face, kFaceSize).Append(clockText).Append(timerText);
  }
  CopyText(clockText, face);
}

}  // namespace

int FormatClockTime() {
  const Preferences& p = *prefs;
  if (TimeLeftOut()) {
    clockText[0] = '\0';
    return 0;
  }
  ClockTime now{};
  GetClockTime(&now, nullptr);

  // A damaged spelling reads as the default, "AM"/"PM".
  const bool lower = pmStyle == kPmStyleLower;
  const char* suffix = now.hour >= 12 ? (lower ? "pm" : "PM") : (lower ? "am" : "AM");
  const bool withSuffix = p.timeFormat == kTimeFormat12hSuffix;

  FaceText text(clockText, kFaceSize);
  AppendHour(text, now.hour, p.timeFormat);
  if (p.displaySeconds == 1) {
    // The colon never blinks while seconds are shown.
    text.Append(':').AppendTwoDigits(now.minute).Append(':').AppendTwoDigits(now.second);
  } else {
    // A blank stands in for the colon only while it blinks.
    const bool colonShown = blinkPhase != 0 || p.blinkColon == 0;
    text.Append(colonShown ? ':' : ' ').AppendTwoDigits(now.minute);
  }
  if (withSuffix) text.Append(' ').Append(suffix);
  return 1;
}

// The working texts are locals: a countdown's notice runs a modal loop in
// which the face is composed again, and this composition must go on with its
// own texts when the notice is dismissed.
void FormatClockFace(HWND window) {
  const Preferences& p = *prefs;
  clockWidthChars = 0;
  ClockDate today{};
  GetClockTime(nullptr, &today);

  char timePart[kFaceSize];
  CopyText(timePart, clockText);
  char datePart[kDateTextSize];
  BuildDateText(p, today, datePart, sizeof datePart);

  const bool timeLeftOut = TimeLeftOut();
  FormatTimerText(window);
  if (timeLeftOut && !TimeLeftOut()) {
    // The last running timer finished just now, behind its notice: the face
    // has its time back at once.
    FormatClockTime();
    CopyText(timePart, clockText);
  }
  const bool timerRunning = AnyTimerRunning();
  const bool timerShown = AnyTimerShown();

  FaceText face(clockText, kFaceSize);
  if (DateLeftOut(p)) {
    face.Append(timePart);
  } else if (timePart[0] != '\0') {
    face.Append(timePart).Append("  ").Append(datePart);
  } else {
    face.Append(datePart);
  }
  if (timerRunning && timers[0].showDate == 0) CopyText(clockText, timePart);
  if (timerRunning) ApplyTimerOptions(timePart, timerShown);

  FaceText(clockText + std::strlen(clockText), kFaceSize - std::strlen(clockText)).Append(' ');
  clockWidthChars = static_cast<std::int32_t>(std::strlen(clockText)) + 2;
  if (p.monthStyle == kMonthFull) clockWidthChars += kMonthNamesExtraChars;
}

void ResetFaceState() {
  clockText[0] = '\0';
  clockWidthChars = 25;
  blinkPhase = 1;
}
