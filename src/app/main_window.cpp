// The clock window's procedure: one case per message, each handed to a small
// function when it is more than a few lines; the window's creation (the
// version notice, the first face, the first save, the system menu, the
// timers) and the end of the program, when the settings are saved.
#include "app/main_window.h"

#include <cstring>
#include <string>
#include <utility>

#include "alarms/alarm_scan.h"
#include "app/main_window_parts.h"
#include "base/clock_app.h"
#include "display/face.h"
#include "resources/resources.h"
#include "settings/alarm_record.h"
#include "settings/config_files.h"
#include "settings/config_load.h"
#include "settings/preferences.h"
#include "timers/timer_record.h"

std::int32_t firstCreate = 1;

void ResetMainWindowState() {
  lastMinuteShown = 0;
  halfSecondCount = 0;
  firstCreate = 1;
  sysCommandSeen = 0;
  recreating = 0;
  menuHelpPending = 0;
  quitOnDestroy = 1;
  iconRight = 0;
  iconTop = 0;
  ResetHourlyBeepState();
  ResetFaceShape();
}

namespace {

// Until the user has touched the clock, an activation by the keyboard is
// handed back: the window hides and shows again without taking it, so the
// clock never steals the focus from the program the user works in.
LRESULT OnActivate(HWND window, WPARAM state, LPARAM lParam) {
  if (state == WA_INACTIVE) return 0;
  if (recreating) return DefWindowProc(window, WM_ACTIVATE, state, lParam);
  if (sysCommandSeen == 0) {
    ShowWindow(window, SW_HIDE);
    ShowWindow(window, SW_SHOWNA);
  }
  return 0;
}

LRESULT OnCaptionPress(HWND window, WPARAM hitTest, LPARAM lParam) {
  sysCommandSeen = 1;
  // A press on the caption may start a drag: the user's move is recorded
  // unless the place is locked.
  if (prefs->lockLocation == 0) programMove = 1;
  return DefWindowProc(window, WM_NCLBUTTONDOWN, hitTest, lParam);
}

LRESULT OnCaptionRelease(HWND window, WPARAM hitTest, LPARAM lParam) {
  if (hitTest == HTMINBUTTON) {
    SendMessage(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    return 0;
  }
  return DefWindowProc(window, WM_NCLBUTTONUP, hitTest, lParam);
}

LRESULT OnCaptionDoubleClick(HWND window, WPARAM hitTest, LPARAM lParam) {
  if (IsIconic(window)) return DefWindowProc(window, WM_NCLBUTTONDBLCLK, hitTest, lParam);
  ToggleSystemBox(window);
  return 0;
}

// F1 while a menu item is highlighted: choose the item, and let the command
// open its help instead of running.
void OnEnterIdle(HWND window, WPARAM source) {
  if (source != MSGF_MENU) return;
  if ((GetKeyState(VK_F1) & 0x8000) == 0) return;
  menuHelpPending = 1;
  PostMessage(window, WM_KEYDOWN, VK_RETURN, 0);
}

}  // namespace

LRESULT MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // The first parameter is read in its 16-bit form throughout.
  const WPARAM param = LOWORD(wParam);
  switch (message) {
    case WM_CREATE:
      return OnCreate(window);
    case WM_TIMER:
      return OnTimer(window, param);
    case WM_SYSCOMMAND:
      return OnSysCommand(window, static_cast<UINT>(param), lParam);
    case WM_MOVE:
      OnMove(window, lParam);
      return 0;
    case WM_ACTIVATE:
      return OnActivate(window, param, lParam);
    case WM_MOUSEACTIVATE:
      SendMessage(window, WM_NCLBUTTONDOWN, 0, 0);
      return 0;
    case WM_NCLBUTTONDOWN:
      return OnCaptionPress(window, param, lParam);
    case WM_NCLBUTTONUP:
      return OnCaptionRelease(window, param, lParam);
    case WM_NCLBUTTONDBLCLK:
      return OnCaptionDoubleClick(window, param, lParam);
    case WM_NCRBUTTONUP:
      // Hidden until the next layout command (`horatick --show` sends one).
      prefs->stayInFront = 0;
      ShowWindow(window, SW_HIDE);
      return 0;
    case WM_INITMENU:
      SetHourlyBeepCheck(window);
      return 0;
    case WM_ENTERIDLE:
      OnEnterIdle(window, param);
      return 0;
    case WM_TIMECHANGE:
      // The time zone changed: the face shows the new hour at once.
      RefreshFace(window);
      return 0;
    case WM_TIMER_FINISHED:
      // A countdown's piece has left the face: fit the window to it again,
      // after the face composition that reported the finish.
      PostMessage(window, WM_SYSCOMMAND, IDM_RELAYOUT, 0);
      return 0;
    case WM_DESTROY:
    case WM_QUERYENDSESSION:
      return OnEnd(window);
    default:
      return DefWindowProc(window, message, param, lParam);
  }
}

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

LRESULT OnCreate(HWND window) {
  halfSecondCount = 0;
  if (firstCreate) {
    std::memset(alarmMinuteSeen, 99, sizeof alarmMinuteSeen);
    StartHourlyBeepWatch();
  }
  // The alarm scan runs before any box below opens: a notice or a failed
  // save may wait for hours, and the alarms go on going off meanwhile.
  const bool scanTimerSet = SetTimer(window, kAlarmScanTimer, kAlarmScanMs, nullptr) != 0;
  if (versionMismatch == 1) {
    // The notice ends by saying where the settings that were not used were kept.
    const std::string notice = kVersionNotice + std::move(keptFilesNote);
    keptFilesNote.clear();
    versionMismatch = 0;
    MessageBoxEx(window, notice.c_str(), "Horatick", MB_OK | MB_ICONINFORMATION, 0);
  }
  if (!unreadableConfigNotice.empty()) {
    // Cleared before the box opens, so a window made again meanwhile does not repeat it.
    const std::string notice = std::move(unreadableConfigNotice);
    unreadableConfigNotice.clear();
    MessageBoxEx(window, notice.c_str(), "Horatick", MB_OK | MB_ICONEXCLAMATION, 0);
  }
  firstCreate = 0;
  recreating = 0;
  sysCommandSeen = 0;
  RefreshFace(window);
  SaveConfiguration(window);
  BuildSystemMenu(window);
  PostMessage(window, WM_SYSCOMMAND, IDM_RELAYOUT, 0);
  ApplyStayInFront(window);
  if (!scanTimerSet) {
    ShowErrorBox(window, IDS_NO_TIMERS);
    return 0;
  }
  SendMessage(window, WM_SYSCOMMAND, IDM_RELAYOUT, 0);
  return 0;
}

LRESULT OnEnd(HWND window) {
  // The window being replaced on restore does not end the program.
  if (quitOnDestroy == 0) {
    quitOnDestroy = 1;
    return 0;
  }
  KillTimer(window, kClockTickTimer);
  KillTimer(window, kAlarmScanTimer);
  savedCursor = SetCursor(LoadCursor(nullptr, IDC_WAIT));
  // A failed save now goes to standard error: a box would hold up the end.
  programEnding = 1;
  SaveConfiguration(window);
  // A minimised window's place was written when it was minimised.
  if (!IsIconic(window)) WriteWindowPosition();
  SetCursor(savedCursor);
  PostQuitMessage(0);
  return 1;
}
