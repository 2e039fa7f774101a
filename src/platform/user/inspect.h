// Reading the core's windows, menus and timers from outside the program: for
// drivers that mirror the windows, and for tests. Call these only while the
// program is not running (on its own thread, or from a driver's callbacks).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace platform {

enum class WindowKind { Plain, Dialog, MessageBox, Button, Edit, Static };

// The control id of a message box's text.
constexpr int kMessageBoxTextId = 0xFFFF;
constexpr int kMessageBoxIconId = 0x0440;

struct WindowSnapshot {
  bool exists = false;
  HWND handle = nullptr;
  WindowKind kind = WindowKind::Plain;
  std::string className;
  std::string text;
  DWORD style = 0;
  DWORD exStyle = 0;
  RECT rect{};  // screen coordinates
  HWND parent = nullptr;
  HWND owner = nullptr;
  int id = 0;
  bool visible = false;
  bool enabled = false;
  bool minimized = false;
  bool topmost = false;
  bool focused = false;
  bool active = false;
  UINT check = BST_UNCHECKED;
  DWORD selectionStart = 0;
  DWORD selectionEnd = 0;
  std::size_t textLimit = 0;
  HICON icon = nullptr;
  std::vector<HWND> children;  // a dialog's controls in template order
  std::string templateName;    // a dialog's template
  std::string messageBoxText;  // a message box's text
  UINT messageBoxStyle = 0;
};

WindowSnapshot DescribeWindow(HWND hwnd);
// Every top-level window that exists, oldest first.
std::vector<HWND> TopLevelWindows();

struct MenuItemSnapshot {
  UINT id = 0;
  std::string text;
  UINT flags = 0;  // MF_SEPARATOR, MF_CHECKED, MF_GRAYED
};

struct MenuSnapshot {
  HMENU handle = nullptr;
  HWND owner = nullptr;
  std::vector<MenuItemSnapshot> items;
  UINT highlighted = 0;  // the highlighted item's id while the menu is open
};

// The menu that is open now, if any.
std::optional<MenuSnapshot> OpenMenu();
std::optional<MenuSnapshot> DescribeMenu(HMENU menu);

// The deadline of the window timer due first, on the monotonic clock.
std::optional<std::uint64_t> NextTimerDeadline();
// The deadline the message loop waits for: NextTimerDeadline, moved on to the
// last timer due within the driver's slack.
std::optional<std::uint64_t> NextWakeDeadline();
// How many window timers are set, and whether one is set for (hwnd, id).
std::size_t TimerCount();
bool TimerIsSet(HWND hwnd, UINT_PTR id);
// The interval of a set timer, 0 when it is not set.
UINT TimerInterval(HWND hwnd, UINT_PTR id);

// Calls trace with every message that reaches a window procedure (sent or
// dispatched), before the procedure runs. An empty function stops tracing.
void SetMessageTrace(std::function<void(HWND, UINT, WPARAM, LPARAM)> trace);

}  // namespace platform
