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
