// The Timers dialog: selects one of the four timers, starts and stops it,
// edits a countdown's length and the face options, and shows the live count.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/win32.h"
#include "resources/control_ids.h"
#include "timers/timer_record.h"

constexpr UINT kTimersHelpContext = 1006;

// The working copy of the timers' settings while the dialog is open, and the
// index (0-3) of the selected timer.
extern TimerRecord dialogTimers[kTimerCount];
extern int selectedTimer;

// A countdown's length as "Countdown From" holds it.
struct CountdownLength {
  std::int32_t hours;         // countFromHours
  std::int32_t totalMinutes;  // countFromMinutes: hours × 60 + minutes
};

// Reads a countdown length typed as hours:minutes (1:05, 01:05, 100:00) or
// as a number of minutes (65). Numbers are read leniently (no digits give 0)
// and limited to what the 32-bit fields hold.
CountdownLength ParseCountdownFrom(const char* text);

// Writes a length back as the edit shows it: "1:30", "0:05", "1:75".
void FormatCountdownLength(const TimerRecord& record, char* buffer, std::size_t size);

INT_PTR TimersDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

void ResetTimersDialogState();
