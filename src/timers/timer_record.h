// The two stopwatches and two countdowns; kept in memory only.
#pragma once

#include <cstdint>

#include "platform/win32.h"
#include "resources/control_ids.h"

struct TimerRecord {
  std::int32_t showTimer;
  std::int32_t showTime;
  std::int32_t showDate;
  std::int32_t showSeconds;
  std::int32_t beepWhenFinished;
  std::int32_t beepDuration;  // 320 long, 321 short
  std::int32_t beepPitch;     // 310 hi, 311 low
  std::int32_t countFromHours;
  std::int32_t countFromMinutes;
  std::uint8_t hours;
  std::uint8_t minutes;
  std::uint8_t seconds;
  // An instant on the timer clock: the start of a stopwatch, the end of a countdown.
  std::int64_t reference;
  std::int32_t running;
};

constexpr int TIMER_COUNT = 4;
constexpr int FIRST_COUNTDOWN = 2;

enum : std::int32_t {
  TIMER_PITCH_HI = IDC_TIMERS_PITCH_HI,
  TIMER_PITCH_LOW = IDC_TIMERS_PITCH_LOW,
  TIMER_BEEP_LONG = IDC_TIMERS_BEEP_LONG,
  TIMER_BEEP_SHORT = IDC_TIMERS_BEEP_SHORT,
};

constexpr UINT WM_TIMERS_REFRESH = WM_USER + 0x150;
constexpr UINT WM_TIMER_FINISHED = WM_USER + 0x100;

extern TimerRecord timers[TIMER_COUNT];
extern char timerText[136];
extern HWND timersDialog;
