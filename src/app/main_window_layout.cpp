// The window's shape and place (the window made at its place, the layout
// command, the position rule that keeps the window where the user put it, the
// system box toggle) and its timer messages: the alarm scan on both timers,
// and on the 500 ms tick the date advance, the Timers dialog's count, the
// face and the hourly beep.
#include "app/main_window.h"

#include <cstdint>

#include "alarms/alarm_scan.h"
#include "app/main_window_parts.h"
#include "base/clock_app.h"
#include "base/time_source.h"
#include "datetime/date_advance.h"
#include "display/face.h"
#include "settings/alarm_record.h"
#include "resources/resources.h"
#include "settings/preferences.h"
#include "timers/timer_engine.h"
#include "timers/timer_record.h"

// The minute the face last showed, so that a face without seconds is
// redrawn once a minute; and the milliseconds toward the next whole second.
std::uint8_t lastMinuteShown = 0;
std::int32_t halfSecondCount = 0;

namespace {

int ClockWidth() { return avgCharWidth * clockWidthChars; }

// Which timers run, and which of those have their piece on the face, as the
// face last put on the window showed them. A timer that starts, stops or
// finishes changes the face's length: its piece, and the time part that a
// running timer takes away unless "Display Time" is on.
unsigned timersOnFace = 0;

unsigned TimersShape() {
  unsigned shape = 0;
  for (int i = 0; i < kTimerCount; ++i) {
    if (timers[i].running == 0) continue;
    shape |= 1u << (2 * i);
    if (timers[i].showTimer != 0) shape |= 2u << (2 * i);
  }
  return shape;
}

bool TimerPieceOnFace() {
  for (const TimerRecord& timer : timers) {
    if (timer.running != 0 && timer.showTimer != 0) return true;
  }
  return false;
}

bool CountdownRunning() {
  for (int i = kFirstCountdown; i < kTimerCount; ++i) {
    if (timers[i].running != 0) return true;
  }
  return false;
}

void PlaceWindow(HWND window, int width) {
  programMove = 1;
  MoveWindow(window, prefs->xPos - width, prefs->yPos, width, GetSystemMetrics(SM_CYCAPTION), TRUE);
  programMove = 0;
}

// Puts the composed face on the window at the width it needs. A longer face
// gets its wider window before its text is drawn; a shorter one is drawn
// before the window narrows: neither face is ever shown cut off.
void ShowFaceAtWidth(HWND window) {
  const int width = ClockWidth();
  RECT rect{};
  GetWindowRect(window, &rect);
  const bool widening = width >= rect.right - rect.left;
  if (widening) PlaceWindow(window, width);
  SetWindowText(window, clockText);
  if (!widening) PlaceWindow(window, width);
  timersOnFace = TimersShape();
}

}  // namespace

// The face sets clockWidthChars from its text alone; the caption's boxes and
// the wider caption font of large screens take the rest.
void AdjustClockWidth() {
  if (prefs->systemBox != 0) {
    clockWidthChars += 1;
  } else {
    clockWidthChars -= 2;
  }
  if (GetSystemMetrics(SM_CXSCREEN) > 640) clockWidthChars += 2;
}

void RefreshFace(HWND window) {
  FormatClockTime();
  FormatClockFace(window);
  if (TimersShape() != timersOnFace && !IsIconic(window)) {
    AdjustClockWidth();
    ShowFaceAtWidth(window);
    return;
  }
  SetWindowText(window, clockText);
  timersOnFace = TimersShape();
}

HWND CreateClockWindow(HINSTANCE moduleInstance) {
  // The position reported while the window is created is recorded, not undone.
  programMove = 1;
  const int width = avgCharWidth * clockWidthChars;
  HWND window = CreateWindowEx(0, "Horatick", "", WS_POPUP | WS_CAPTION | WS_SYSMENU, prefs->xPos - width,
                               prefs->yPos, width, GetSystemMetrics(SM_CYCAPTION), nullptr, nullptr,
                               moduleInstance, nullptr);
  mainWindow = window;
  programMove = 0;
  ShowWindow(window, SW_SHOWNOACTIVATE);
  UpdateWindow(window);
  if (SetTimer(window, kClockTickTimer, kClockTickMs, nullptr) == 0) {
    ShowErrorBox(window, IDS_NO_TIMERS);
    return nullptr;
  }
  return window;
}

void ApplyStayInFront(HWND window) {
  HWND order = prefs->stayInFront == 1 ? HWND_TOPMOST : HWND_NOTOPMOST;
  SetWindowPos(window, order, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

LRESULT OnRelayout(HWND window, LPARAM lParam) {
  ShowWindow(window, SW_HIDE);
  SetWindowLong(window, GWL_STYLE, static_cast<LONG>(static_cast<DWORD>(windowStyleExtra) | WS_POPUP | WS_CAPTION));
  FormatClockTime();
  FormatClockFace(window);
  AdjustClockWidth();
  // The face is put on with its width, so a face that changed since the last
  // refresh (a timer started in the Timers dialog) shows at once.
  ShowFaceAtWidth(window);
  ApplyStayInFront(window);
  InvalidateRect(window, nullptr, TRUE);
  UpdateWindow(window);
  ShowWindow(window, SW_SHOWNA);
  return DefWindowProc(window, WM_SYSCOMMAND, IDM_RELAYOUT, lParam);
}

// xPos is the window's right edge and yPos its top. A move the program did
// not ask for goes back there when Anti-Cascade is on; any other move is the
// new place, read from the window's rectangle: the message's client corner
// lies inside a frame whose width differs between systems (one pixel here,
// the dialog frame on Windows), and a place worked out from it would creep
// by the difference at every start. The place is kept modulo 2^16 like the
// fields.
void OnMove(HWND window, LPARAM) {
  RECT rect{};
  GetWindowRect(window, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (programMove == 0 && prefs->antiCascade != 0) {
    programMove = 1;
    MoveWindow(window, prefs->xPos - width, prefs->yPos, width, height, TRUE);
    programMove = 0;
    return;
  }
  prefs->xPos = static_cast<std::int16_t>(static_cast<std::uint16_t>(rect.right));
  prefs->yPos = static_cast<std::int16_t>(static_cast<std::uint16_t>(rect.top));
}

void ToggleSystemBox(HWND window) {
  prefs->systemBox = prefs->systemBox == 0 ? 1 : 0;
  windowStyleExtra = WindowStyleExtraFor(*prefs);
  programMove = 0;
  PostMessage(window, WM_SYSCOMMAND, IDM_RELAYOUT, 0);
}

namespace {

// Whether this tick changes what the face shows: a new minute, a second shown
// (every second tick, counted in ticks) on the clock or on a running timer's
// piece, the colon's blink, or a timer started, stopped or finished.
bool FaceIsDue() {
  bool refresh = TimersShape() != timersOnFace;
  if (nowTime.minute != lastMinuteShown && prefs->displaySeconds == 0) {
    lastMinuteShown = static_cast<std::uint8_t>(nowTime.minute);
    refresh = true;
  }
  if (prefs->displaySeconds == 1 || TimerPieceOnFace()) {
    halfSecondCount += static_cast<std::int32_t>(kClockTickMs);
    if (halfSecondCount == 1000) {
      refresh = true;
      halfSecondCount = 0;
    }
  }
  if (prefs->displaySeconds != 1 && prefs->blinkColon != 0) {
    blinkPhase ^= 1;
    refresh = true;
  }
  return refresh;
}

}  // namespace

LRESULT OnTimer(HWND window, UINT_PTR timerId) {
  // Timer 2 keeps the alarms scanned while an alarm holds timer 1 stopped.
  if (CheckAlarms(window, {kClockTickTimer, kClockTickMs})) return 0;
  if (timerId != kClockTickTimer) return 0;
  AdvanceDateAtMidnight();
  GetClockTime(&nowTime, nullptr);
  if (IsWindow(timersDialog)) SendMessage(timersDialog, WM_TIMERS_REFRESH, 0, 0);
  if (FaceIsDue()) {
    RefreshFace(window);
  } else if (CountdownRunning()) {
    // A countdown ends within a tick of its time, whether its piece is on
    // the face or not, and while the face waits for its next minute; the
    // face then has its time back as soon as the notice is dismissed.
    UpdateTimers(window);
    if (TimersShape() != timersOnFace) RefreshFace(window);
  }
  // After the face, so the new hour is on show when it sounds.
  CheckHourlyBeep();
  return 0;
}

namespace {

constexpr DWORD kBeepHz = 200;
constexpr DWORD kBeepMs = 100;
constexpr int kBeepCount = 2;

// The hours already sounded, as year, month, day and hour in one number. A
// clock set back and forth again, or a repeated hour when daylight saving
// ends, must not sound the same local hour twice; a day's worth is plenty.
constexpr int kSoundedMemory = 24;

int hourLastSeen = -1;
std::int64_t soundedHours[kSoundedMemory] = {};
int soundedNext = 0;

std::int64_t HourKey(const ClockDate& date, const ClockTime& time) {
  return ((static_cast<std::int64_t>(date.year) * 100 + date.month) * 100 + date.day) * 100 + time.hour;
}

bool AlreadySounded(std::int64_t key) {
  for (std::int64_t sounded : soundedHours) {
    if (sounded == key) return true;
  }
  return false;
}

}  // namespace

void ResetFaceShape() { timersOnFace = 0; }

void ResetHourlyBeepState() {
  hourLastSeen = -1;
  for (std::int64_t& sounded : soundedHours) sounded = 0;
  soundedNext = 0;
}

void StartHourlyBeepWatch() {
  ClockTime time{};
  GetClockTime(&time, nullptr);
  hourLastSeen = time.hour;
}

void CheckHourlyBeep() {
  ClockTime time{};
  ClockDate date{};
  GetClockTime(&time, &date);
  if (time.hour == hourLastSeen) return;
  hourLastSeen = time.hour;
  if (alarms[0].hourlyBeep != 1) return;
  const std::int64_t key = HourKey(date, time);
  if (AlreadySounded(key)) return;
  soundedHours[soundedNext] = key;
  soundedNext = (soundedNext + 1) % kSoundedMemory;
  for (int i = 0; i < kBeepCount; ++i) Beep(kBeepHz, kBeepMs);
}
