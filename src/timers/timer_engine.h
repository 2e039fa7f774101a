// The stopwatch and countdown engine.
#pragma once

#include <cstdint>

#include "platform/win32.h"
#include "timers/timer_record.h"

// The start state of the four timers at every start of the program.
void SetTimersStartState();
// Recomputes the running counts; a finished countdown beeps and notifies, owned by window.
int UpdateTimers(HWND window);
// UpdateTimers, then rebuilds timerText; 1 when a running timer is shown.
int FormatTimerText(HWND window);
void StartStopwatch(int index);
void StartCountdown(int index, std::int32_t minutes);
void StopTimer(int index);

// Sets hours, minutes and seconds of timer from a count in whole seconds; the
// 8-bit hours wrap at 256, and 255 reads as 0.
void SplitTimerCount(std::int64_t totalSeconds, TimerRecord& timer);
// The number the timer carries in the face and its notice: 1 or 2 within its kind.
int TimerNumber(int index);
bool IsCountdown(int index);

// Puts the table, timerText and timersDialog back to their initial values.
void ResetTimerState();
