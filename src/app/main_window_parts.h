// What the clock window's three files share: the procedure with creation and
// end (main_window.cpp), the commands (main_window_commands.cpp), and the
// layout with the tick (main_window_layout.cpp).
#pragma once

#include "platform/win32.h"

// FormatClockTime, FormatClockFace, then the face becomes the window's title.
void RefreshFace(HWND window);

LRESULT OnCreate(HWND window);
// Sets the check mark of "H&ourly beep" from alarm 1's flag.
void SetHourlyBeepCheck(HWND window);

LRESULT OnTimer(HWND window, UINT_PTR timerId);
// The hour last seen starts at the hour of the first creation of the window.
void StartHourlyBeepWatch();
// Two short beeps when the local hour has changed and alarm 1 asks for it.
void CheckHourlyBeep();
void ResetHourlyBeepState();
// Forgets which timers the face last showed.
void ResetFaceShape();

LRESULT OnRelayout(HWND window, LPARAM lParam);
// Topmost exactly when stayInFront is 1.
void ApplyStayInFront(HWND window);
void OnMove(HWND window, LPARAM lParam);
void ToggleSystemBox(HWND window);

LRESULT OnSysCommand(HWND window, UINT command, LPARAM lParam);
// Writes xPos and yPos to the profile file.
void WriteWindowPosition();

LRESULT OnEnd(HWND window);
