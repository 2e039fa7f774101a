// The clock window: a caption bar whose title is the clock face. Its window
// procedure drives the two window timers, keeps the window in its place,
// builds and answers the system menu, and ends the program.
#pragma once

#include <cstdint>

#include "platform/win32.h"

// Commands of the system menu; 1280 has no item and is sent by the program to
// its own window (and from outside, by `horatick --show`).
constexpr UINT IDM_ABOUT = 1;
constexpr UINT IDM_PREFERENCES = 2;
constexpr UINT IDM_SETDATETIME = 3;
constexpr UINT IDM_ALARMS = 4;
constexpr UINT IDM_HOURLYBEEP = 5;
constexpr UINT IDM_TIMERS = 6;
constexpr UINT IDM_HELP = 400;
constexpr UINT IDM_RELAYOUT = 1280;

// The two window timers of the clock window.
constexpr UINT_PTR kClockTickTimer = 1;  // 500 ms: alarm scan, then the face
constexpr UINT_PTR kAlarmScanTimer = 2;  // 2000 ms: alarm scan only
constexpr UINT kClockTickMs = 500;
constexpr UINT kAlarmScanMs = 2000;

// Help contexts: F1 on a system-menu item opens 1000 + its command.
constexpr UINT kMenuHelpContextBase = 1000;

extern std::uint8_t lastMinuteShown;
extern std::int32_t halfSecondCount;
extern std::int32_t firstCreate;
extern std::int32_t sysCommandSeen;
extern std::int32_t recreating;
extern std::int32_t menuHelpPending;
extern std::int32_t quitOnDestroy;
extern std::int16_t iconRight;
extern std::int16_t iconTop;

// Corrects clockWidthChars after the face was built and before the window is sized.
void AdjustClockWidth();

LRESULT MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Creates, shows and starts the clock window; no window when its tick cannot be started.
HWND CreateClockWindow(HINSTANCE instance);

void ResetMainWindowState();
