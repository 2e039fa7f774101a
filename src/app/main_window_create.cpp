// Creating the clock window, and what its creation sets up: the version
// notice, the first face, the first save, the system menu, the timers.
#include <cstring>

#include "settings/alarm_record.h"
#include "alarms/alarm_scan.h"
#include "base/clock_app.h"
#include "app/main_window.h"
#include "app/main_window_parts.h"
#include "settings/config_files.h"
#include "display/face.h"
#include "settings/preferences.h"
#include "resources/resources.h"

namespace {

constexpr char kVersionNotice[] =
    "Since you have a Horatick configuration file which was saved by a different version of Horatick, "
    "your \"Preferences\" settings have been reset to the default settings.  You may want to change "
    "these back to your preferred settings.";

// The standard system menu holds Restore, Move, Size, Minimize, Maximize,
// a separator and Close; the clock keeps Move and Close and adds its own.
void BuildSystemMenu(HWND window) {
  HMENU menu = GetSystemMenu(window, FALSE);
  const UINT dropped[] = {4, 3, 2, 0};  // Maximize, Minimize, Size, Restore
  for (UINT position : dropped) DeleteMenu(menu, position, MF_BYPOSITION);
  AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenu(menu, MF_STRING, IDM_HELP, "&Help...");
  AppendMenu(menu, MF_STRING, IDM_SETDATETIME, "&Set Time/Date...");
  AppendMenu(menu, MF_STRING, IDM_ALARMS, "A&larms...");
  AppendMenu(menu, MF_STRING, IDM_TIMERS, "&Timers...");
  AppendMenu(menu, MF_STRING, IDM_HOURLYBEEP, "H&ourly beep");
  AppendMenu(menu, MF_STRING, IDM_PREFERENCES, "&Preferences...");
  AppendMenu(menu, MF_STRING, IDM_ABOUT, "A&bout...");
  SetHourlyBeepCheck(window);
}

}  // namespace

void SetHourlyBeepCheck(HWND window) {
  const UINT check = alarms[0].hourlyBeep == 1 ? MF_CHECKED : MF_UNCHECKED;
  CheckMenuItem(GetSystemMenu(window, FALSE), IDM_HOURLYBEEP, MF_BYCOMMAND | check);
}

void RefreshFace(HWND window) {
  FormatClockTime();
  FormatClockFace(window);
  SetWindowText(window, clockText);
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
  if (SetTimer(window, CLOCK_TICK_TIMER, CLOCK_TICK_MS, nullptr) == 0) {
    ShowErrorBox(window, IDS_NO_TIMERS);
    return nullptr;
  }
  return window;
}

LRESULT OnCreate(HWND window) {
  halfSecondCount = 0;
  if (firstCreate) {
    std::memset(alarmMinuteSeen, 99, sizeof alarmMinuteSeen);
    StartHourlyBeepWatch();
  }
  if (versionMismatch == 1) {
    MessageBoxEx(window, kVersionNotice, "Horatick", MB_OK | MB_ICONINFORMATION, 0);
    versionMismatch = 0;
  }
  firstCreate = 0;
  recreating = 0;
  sysCommandSeen = 0;
  RefreshFace(window);
  SaveConfiguration(window);
  BuildSystemMenu(window);
  PostMessage(window, WM_SYSCOMMAND, IDM_RELAYOUT, 0);
  ApplyStayInFront(window);
  if (SetTimer(window, ALARM_SCAN_TIMER, ALARM_SCAN_MS, nullptr) == 0) {
    ShowErrorBox(window, IDS_NO_TIMERS);
    return 0;
  }
  SendMessage(window, WM_SYSCOMMAND, IDM_RELAYOUT, 0);
  return 0;
}
