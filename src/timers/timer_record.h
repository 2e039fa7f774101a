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

constexpr int kTimerCount = 4;
constexpr int kFirstCountdown = 2;

enum : std::int32_t {
  kTimerPitchHi = IDC_TIMERS_PITCH_HI,
  kTimerPitchLow = IDC_TIMERS_PITCH_LOW,
  kTimerBeepLong = IDC_TIMERS_BEEP_LONG,
  kTimerBeepShort = IDC_TIMERS_BEEP_SHORT,
};

constexpr UINT WM_TIMERS_REFRESH = WM_USER + 0x150;
constexpr UINT WM_TIMER_FINISHED = WM_USER + 0x100;

extern TimerRecord timers[kTimerCount];
extern char timerText[136];
extern HWND timersDialog;
