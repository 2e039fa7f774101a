// Window classes, and the making and unmaking of windows.
#include <strings.h>

#include <algorithm>

#include "platform/user/core_state.h"

namespace platform {

namespace {

const WindowClassEntry* FindClass(const char* name) {
  if (name == nullptr || IS_INTRESOURCE(name)) return nullptr;
  for (const WindowClassEntry& entry : Core().classes) {
    if (strcasecmp(entry.name.c_str(), name) == 0) return &entry;
  }
  return nullptr;
}

}  // namespace

HWND CreateWindowEntry(std::unique_ptr<Window> window) {
  const HWND handle = NewWindowHandle();
  window->handle = handle;
  if (window->parent != nullptr) {
    if (Window* parent = FindWindowEntry(window->parent)) parent->children.push_back(handle);
  } else {
    Core().topLevel.push_back(handle);
  }
  *WindowSlot(handle) = std::move(window);
  return handle;
}

// Destroys the window and what belongs to it: its controls and the windows
// it owns, with WM_DESTROY to each (the window before its controls, as Win32
// does), its timers, its queued messages and its system menu.
void DestroyWindowTree(HWND hwnd) {
  CoreState& core = Core();
  Window* window = FindWindowEntry(hwnd);
  if (window == nullptr || window->destroying) return;
  window->destroying = true;

  for (HWND owned : std::vector<HWND>(core.topLevel)) {
    const Window* candidate = FindWindowEntry(owned);
    if (candidate != nullptr && candidate->owner == hwnd) DestroyWindowTree(owned);
  }

  window = FindWindowEntry(hwnd);
  if (window == nullptr) return;
  if ((window->style & WS_VISIBLE) != 0) {
    window->style &= ~WS_VISIBLE;
    NotifyChange(hwnd, kChangeVisible);
  }
  const bool topLevel = window->parent == nullptr;
  const HWND owner = window->owner;
  if (core.focus != nullptr && (core.focus == hwnd || TopLevelOf(core.focus) == hwnd)) core.focus = nullptr;
  if (topLevel && core.active == hwnd) {
    // The owner takes the activation over, as it does when a dialog closes.
    const Window* ownerWindow = FindWindowEntry(owner);
    if (ownerWindow != nullptr && !ownerWindow->destroying && (ownerWindow->style & WS_VISIBLE) != 0) {
      ActivateWindow(owner, WA_ACTIVE);
    } else {
      ActivateWindow(nullptr, WA_INACTIVE);
    }
  }
  if (core.menuTrack != nullptr && core.menuTrack->owner == hwnd) core.menuTrack->done = true;
  if (core.moveTrack != nullptr && core.moveTrack->hwnd == hwnd) core.moveTrack->done = true;

  CallProcedure(hwnd, WM_DESTROY, 0, 0);
  window = FindWindowEntry(hwnd);
  const std::vector<HWND> children = window != nullptr ? window->children : std::vector<HWND>{};
  for (HWND child : children) {
    if (Window* control = FindWindowEntry(child)) control->destroying = true;
    CallProcedure(child, WM_DESTROY, 0, 0);
  }

  std::vector<HWND> gone = children;
  gone.push_back(hwnd);
  auto isGone = [&](HWND h) { return std::find(gone.begin(), gone.end(), h) != gone.end(); };
  std::erase_if(core.timers, [&](const TimerEntry& timer) { return isGone(timer.hwnd); });
  std::erase_if(core.posted, [&](const MSG& message) { return isGone(message.hwnd); });
  std::erase_if(core.inputMessages, [&](const MSG& message) { return isGone(message.hwnd); });
  if (core.focus != nullptr && isGone(core.focus)) core.focus = nullptr;

  window = FindWindowEntry(hwnd);
  if (window != nullptr && window->systemMenu != nullptr) {
    for (auto& menu : core.menus) {
      if (menu != nullptr && menu->handle == window->systemMenu) menu.reset();
    }
  }
  if (window != nullptr && window->parent != nullptr) {
    if (Window* parent = FindWindowEntry(window->parent)) std::erase(parent->children, hwnd);
  }
  std::erase(core.topLevel, hwnd);
  CurrentDriver().WindowDestroyed(hwnd);
  for (HWND child : children) {
    if (auto* slot = WindowSlot(child)) slot->reset();
  }
  if (auto* slot = WindowSlot(hwnd)) slot->reset();
}

}  // namespace platform

using platform::Core;
using platform::FindWindowEntry;
using platform::Window;

ATOM RegisterClass(const WNDCLASS* wc) {
  if (wc == nullptr || wc->lpszClassName == nullptr || IS_INTRESOURCE(wc->lpszClassName) ||
      wc->lpfnWndProc == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (platform::FindClass(wc->lpszClassName) != nullptr) {
    SetLastError(ERROR_CLASS_ALREADY_EXISTS);
    return 0;
  }
  platform::WindowClassEntry entry;
  entry.name = wc->lpszClassName;
  entry.proc = wc->lpfnWndProc;
  entry.style = wc->style;
  entry.instance = wc->hInstance;
  entry.icon = wc->hIcon;
  entry.cursor = wc->hCursor;
  Core().classes.push_back(std::move(entry));
  // Atoms of registered classes start at 0xC000.
  return static_cast<ATOM>(0xC000 + Core().classes.size() - 1);
}

HWND CreateWindowEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
  const platform::WindowClassEntry* windowClass = platform::FindClass(className);
  if (windowClass == nullptr) {
    SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
    return nullptr;
  }
  if (parent != nullptr && FindWindowEntry(parent) == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  auto window = std::make_unique<Window>();
  window->kind = platform::WindowKind::Plain;
  window->className = windowClass->name;
  window->proc = windowClass->proc;
  window->text = windowName != nullptr ? windowName : "";
  window->style = style & ~WS_VISIBLE;
  window->exStyle = exStyle;
  window->instance = instance;
  if ((style & WS_CHILD) != 0 && parent != nullptr) {
    window->parent = parent;
    // A child's menu argument is its id.
    window->id = static_cast<int>(reinterpret_cast<std::uintptr_t>(menu));
    const POINT origin = platform::ClientOrigin(*FindWindowEntry(parent));
    x += origin.x;
    y += origin.y;
  } else {
    window->owner = platform::TopLevelOf(parent);
  }
  window->rect = RECT{x, y, x + std::max(width, 0), y + std::max(height, 0)};
  const HWND hwnd = platform::CreateWindowEntry(std::move(window));
  platform::CurrentDriver().WindowCreated(hwnd);

  const LRESULT created = platform::CallProcedure(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(param));
  if (created == -1) {
    platform::DestroyWindowTree(hwnd);
    return nullptr;
  }
  if (FindWindowEntry(hwnd) == nullptr) return nullptr;
  platform::CallProcedure(hwnd, WM_MOVE, 0, platform::ClientOriginParam(hwnd));
  if ((style & WS_VISIBLE) != 0 && FindWindowEntry(hwnd) != nullptr) ShowWindow(hwnd, SW_SHOW);
  return FindWindowEntry(hwnd) != nullptr ? hwnd : nullptr;
}

HWND CreateWindow(LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width, int height, HWND parent,
                  HMENU menu, HINSTANCE instance, LPVOID param) {
  return CreateWindowEx(0, className, windowName, style, x, y, width, height, parent, menu, instance, param);
}

BOOL DestroyWindow(HWND hwnd) {
  Window* window = FindWindowEntry(hwnd);
  if (window == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  platform::DestroyWindowTree(hwnd);
  return TRUE;
}

// A window being destroyed still exists until its WM_DESTROY has been handled.
BOOL IsWindow(HWND hwnd) { return FindWindowEntry(hwnd) != nullptr ? TRUE : FALSE; }

// The newest matching window comes first, as the top of the stacking order
// would on the desktop.
HWND FindWindow(LPCSTR className, LPCSTR windowName) {
  const auto& topLevel = Core().topLevel;
  for (auto it = topLevel.rbegin(); it != topLevel.rend(); ++it) {
    const Window* window = FindWindowEntry(*it);
    if (window == nullptr || window->destroying) continue;
    if (className != nullptr && strcasecmp(window->className.c_str(), className) != 0) continue;
    if (windowName != nullptr && strcasecmp(window->text.c_str(), windowName) != 0) continue;
    return *it;
  }
  return nullptr;
}
