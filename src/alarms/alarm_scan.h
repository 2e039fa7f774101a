// The alarm scans, the firing of an alarm and its message.
#pragma once

#include <cstdint>

#include "settings/alarm_record.h"
#include "platform/win32.h"

extern std::uint8_t alarmMinuteSeen[10];
extern char alarmCaption[132];
extern char alarmMessage[132];

// The window timer that ticks the scan. The beeps of a firing hold the
// program, so the scan stops this timer for them; the firing starts it again
// as soon as they are over, before a note that may wait for hours.
struct TickTimer {
  UINT_PTR id;
  UINT intervalMs;
};

// The scan of every timer message; true when the window procedure must return at once.
bool CheckAlarms(HWND window, TickTimer tick);
void RemindAtStartup(HWND owner);
// Beeps, then shows the note or starts the program. tick, when given, is the
// tick the scan stopped for the beeps: it is started again after them, before
// the note is shown or once the program is started. False when it could not
// be started again; error 1000 has then been shown.
bool FireAlarm(HWND owner, int index, const TickTimer* tick);

// Told of every ring before it sounds, with the alarm's index; nullptr (the
// default) tells no one. The randomised month counts the rings through it.
extern void (*alarmRingObserver)(int index);
INT_PTR AlarmMessageDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Puts the scan state, the message texts and the clock-jump memory back to
// their initial values, and forgets the table.
void ResetAlarmsState();
