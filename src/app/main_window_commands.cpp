// The system commands of the clock window: its menu items, the layout
// command, the Move command, minimising and restoring.
#include <cstdio>

#include "settings/alarm_record.h"
#include "base/clock_app.h"
#include "alarms/alarm_settings.h"
#include "app/about_box.h"
#include "datetime/set_date_time_dialog.h"
#include "display/preferences_dialog.h"
#include "timers/timers_dialog.h"
#include "app/main_window.h"
#include "app/main_window_parts.h"
#include "settings/config_files.h"
#include "display/face.h"
#include "settings/preferences.h"
#include "settings/profile_settings.h"

// Set once the user has used the window (a system command, a press on its
// caption); until then an activation is handed back.
std::int32_t sysCommandSeen = 0;
// Set while a restore replaces the window, so that its activations pass.
std::int32_t recreating = 0;
// Where the minimised window's right edge and top were, to restore it there.
std::int16_t iconRight = 0;
std::int16_t iconTop = 0;
// Set when F1 is pressed in the system menu: the command that follows opens
// its help instead of running.
std::int32_t menuHelpPending = 0;
// Cleared while the window is destroyed only to be made again.
std::int32_t quitOnDestroy = 1;

namespace {

void OpenAbout(HWND window) {
  NotifyPeerWindow(window, 0);
  ShowAboutBox(window);
  NotifyPeerWindow(window, 1);
}

void OpenPreferences(HWND window) {
  // OK gives 1 and a dialog that could not be made gives -1: both lay out.
  if (DialogBoxParam(instance, "PREFERENCES", window, PreferencesDlgProc, 0) != 0) {
    SendMessage(window, WM_SYSCOMMAND, IDM_RELAYOUT, 0);
    RefreshFace(window);
  }
}

// The layout puts the new face on at once, at its width: a timer started or
// stopped in the dialog shows as it closes.
void OpenTimers(HWND window) {
  DialogBoxParam(instance, "TIMERS", window, TimersDialogProc, 0);
  SendMessage(window, WM_SYSCOMMAND, IDM_RELAYOUT, 0);
}

void ToggleHourlyBeep(HWND window) {
  alarms[0].hourlyBeep = alarms[0].hourlyBeep == 0 ? 1 : 0;
  SaveConfiguration(window);
}

void Minimize(HWND window) {
  recreating = 0;
  WriteWindowPosition();
  std::snprintf(clockText, sizeof clockText, "%s", "Horatick");
  SetWindowText(window, clockText);
  RECT rect{};
  GetWindowRect(window, &rect);
  iconRight = static_cast<std::int16_t>(rect.right);
  iconTop = static_cast<std::int16_t>(rect.top);
}

// A restored clock is a new window, put where the old one stood when it was
// minimised. Returns the new window.
HWND Restore(HWND window) {
  recreating = 1;
  KillTimer(window, kClockTickTimer);
  quitOnDestroy = 0;
  DestroyWindow(window);
  // Between the two windows there is no owner for a countdown's notice; an
  // unowned notice is still shown, where one owned by the old window would
  // be refused.
  FormatClockTime();
  FormatClockFace(nullptr);
  AdjustClockWidth();
  CreateClockWindow(instance);
  HWND restored = mainWindow;
  SetWindowText(restored, clockText);
  RECT rect{};
  GetWindowRect(restored, &rect);
  const int width = rect.right - rect.left;
  programMove = 1;
  MoveWindow(restored, iconRight - width, iconTop, width, rect.bottom - rect.top, TRUE);
  programMove = 0;
  recreating = 0;
  return restored;
}

}  // namespace

void WriteWindowPosition() {
  char text[16];
  std::snprintf(text, sizeof text, "%d", prefs->xPos);
  WriteProfileKey("xPos", text);
  std::snprintf(text, sizeof text, "%d", prefs->yPos);
  WriteProfileKey("yPos", text);
}

LRESULT OnSysCommand(HWND window, UINT command, LPARAM lParam) {
  // The layout command is the program's own, never the user's: it does not
  // count as the user having touched the clock, and F1 in a menu cannot
  // have chosen it.
  if (command == IDM_RELAYOUT) return OnRelayout(window, lParam);
  sysCommandSeen = 1;
  if (menuHelpPending) {
    menuHelpPending = 0;
    WinHelp(window, helpPath, HELP_CONTEXT, kMenuHelpContextBase + command);
    return 0;
  }
  switch (command) {
    case IDM_HELP:
      WinHelp(window, helpPath, HELP_INDEX, 0);
      break;
    case IDM_SETDATETIME:
      DialogBoxParam(instance, "SetDateTime", window, SetDateTimeDialogProc, 0);
      RefreshFace(window);
      break;
    case IDM_ALARMS:
      DialogBoxParam(instance, "SetAlarm", window, AlarmSettingsDialogProc, 0);
      break;
    case IDM_TIMERS:
      OpenTimers(window);
      break;
    case IDM_HOURLYBEEP:
      ToggleHourlyBeep(window);
      break;
    case IDM_PREFERENCES:
      OpenPreferences(window);
      break;
    case IDM_ABOUT:
      OpenAbout(window);
      break;
    case SC_MOVE:
      if (prefs->lockLocation == 0) programMove = 1;
      break;
    case SC_MINIMIZE:
      Minimize(window);
      break;
    case SC_RESTORE:
      window = Restore(window);
      break;
    default:
      break;
  }
  return DefWindowProc(window, WM_SYSCOMMAND, command, lParam);
}
