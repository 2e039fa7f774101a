// Styles, texts, owners, visibility, the enabled state, the focus and the activation.
#include <strings.h>

#include <cstring>

#include "platform/user/core_state.h"
#include "platform/kernel/utf8_cut.h"

namespace platform {

namespace {

WORD MinimizedFlag(HWND hwnd) { return IsIconic(hwnd) ? 1 : 0; }

}  // namespace

// Moves the activation to hwnd (nullptr: to no window), telling the window
// that loses it first and then the one that gains it, as Win32 does.
void ActivateWindow(HWND hwnd, WORD how) {
  CoreState& core = Core();
  const HWND previous = core.active;
  if (previous == hwnd) return;
  core.active = hwnd;
  if (core.focus != nullptr && TopLevelOf(core.focus) != hwnd) {
    const HWND lost = core.focus;
    core.focus = nullptr;
    NotifyChange(lost, kChangeFocus);
  }
  if (FindWindowEntry(previous) != nullptr) {
    NotifyChange(previous, kChangeActive);
    CallProcedure(previous, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, MinimizedFlag(previous)),
                  reinterpret_cast<LPARAM>(hwnd));
  }
  if (hwnd != nullptr && core.active == hwnd && FindWindowEntry(hwnd) != nullptr) {
    NotifyChange(hwnd, kChangeActive);
    CallProcedure(hwnd, WM_ACTIVATE, MAKEWPARAM(how, MinimizedFlag(hwnd)), reinterpret_cast<LPARAM>(previous));
  }
}

}  // namespace platform

using platform::Core;
using platform::FindWindowEntry;
using platform::Window;

LONG GetWindowLong(HWND hwnd, int index) {
  const Window* window = FindWindowEntry(hwnd);
  if (window == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  switch (index) {
    case GWL_STYLE: return static_cast<LONG>(window->style);
    case GWL_EXSTYLE: return static_cast<LONG>(window->exStyle);
    default:
      SetLastError(ERROR_INVALID_INDEX);
      return 0;
  }
}

// The style bits are the state: a style without WS_VISIBLE hides the window,
// one without WS_MINIMIZE shows it restored, as setting the bits does on Win32.
LONG SetWindowLong(HWND hwnd, int index, LONG value) {
  Window* window = FindWindowEntry(hwnd);
  if (window == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  const auto bits = static_cast<DWORD>(value);
  if (index == GWL_STYLE) {
    const DWORD before = window->style;
    window->style = bits;
    unsigned changes = platform::kChangeStyle;
    if (((before ^ bits) & WS_VISIBLE) != 0) changes |= platform::kChangeVisible;
    if (((before ^ bits) & WS_MINIMIZE) != 0) changes |= platform::kChangeMinimized;
    if (((before ^ bits) & WS_DISABLED) != 0) changes |= platform::kChangeEnabled;
    platform::NotifyChange(hwnd, changes);
    return static_cast<LONG>(before);
  }
  if (index == GWL_EXSTYLE) {
    const DWORD before = window->exStyle;
    window->exStyle = bits;
    unsigned changes = platform::kChangeStyle;
    if (((before ^ bits) & WS_EX_TOPMOST) != 0) changes |= platform::kChangeTopmost;
    platform::NotifyChange(hwnd, changes);
    return static_cast<LONG>(before);
  }
  SetLastError(ERROR_INVALID_INDEX);
  return 0;
}

BOOL SetWindowText(HWND hwnd, LPCSTR text) {
  if (FindWindowEntry(hwnd) == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  return platform::CallProcedure(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != 0 ? TRUE : FALSE;
}

int GetWindowText(HWND hwnd, LPSTR buffer, int size) {
  if (buffer == nullptr || size <= 0) return 0;
  const Window* window = FindWindowEntry(hwnd);
  if (window == nullptr) {
    buffer[0] = '\0';
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  return static_cast<int>(
      platform::CopyTextCut(window->text.data(), window->text.size(), buffer, static_cast<std::size_t>(size)));
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
  Window* window = FindWindowEntry(hwnd);
  if (window == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  const BOOL wasDisabled = (window->style & WS_DISABLED) != 0 ? TRUE : FALSE;
  if (enable) {
    window->style &= ~WS_DISABLED;
  } else {
    window->style |= WS_DISABLED;
    // A disabled window cannot keep the keyboard focus.
    if (Core().focus == hwnd) {
      Core().focus = nullptr;
      platform::NotifyChange(hwnd, platform::kChangeFocus);
    }
  }
  if (wasDisabled != (enable ? FALSE : TRUE)) platform::NotifyChange(hwnd, platform::kChangeEnabled);
  return wasDisabled;
}

BOOL IsWindowVisible(HWND hwnd) {
  const Window* window = FindWindowEntry(hwnd);
  while (window != nullptr) {
    if ((window->style & WS_VISIBLE) == 0) return FALSE;
    if (window->parent == nullptr) return TRUE;
    window = FindWindowEntry(window->parent);
  }
  return FALSE;
}

BOOL IsIconic(HWND hwnd) {
  const Window* window = FindWindowEntry(hwnd);
  return window != nullptr && (window->style & WS_MINIMIZE) != 0 ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND hwnd) {
  const Window* window = FindWindowEntry(hwnd);
  return window != nullptr && (window->style & WS_DISABLED) == 0 ? TRUE : FALSE;
}

// The focus moves within the active window; focusing a window of another
// top-level window activates that one first. A window whose top-level window
// is disabled cannot take the focus.
HWND SetFocus(HWND hwnd) {
  platform::CoreState& core = Core();
  const HWND previous = core.focus;
  if (hwnd == nullptr) {
    core.focus = nullptr;
    if (previous != nullptr) platform::NotifyChange(previous, platform::kChangeFocus);
    return previous;
  }
  if (FindWindowEntry(hwnd) == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  const HWND top = platform::TopLevelOf(hwnd);
  if (!IsWindowEnabled(top)) return nullptr;
  // A dialog that is not shown yet (focus set while it starts) is activated
  // when it is shown.
  if (core.active != top && IsWindowVisible(top)) platform::ActivateWindow(top, WA_ACTIVE);
  if (FindWindowEntry(hwnd) == nullptr) return nullptr;
  core.focus = hwnd;
  if (previous != hwnd) {
    if (FindWindowEntry(previous) != nullptr) platform::NotifyChange(previous, platform::kChangeFocus);
    platform::NotifyChange(hwnd, platform::kChangeFocus);
  }
  return previous;
}

HWND GetFocus() { return Core().focus; }
