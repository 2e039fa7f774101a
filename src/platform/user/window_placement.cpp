// Where windows are, their size, showing and hiding, and topmost state.
#include <algorithm>

#include "platform/user/core_state.h"

namespace platform {

namespace {

bool HasCaption(DWORD style) { return (style & WS_CAPTION) == WS_CAPTION; }

// A window with a caption and no sizing frame has a one-pixel border; a
// sizing frame is thicker.
int BorderWidth(const Window& window) {
  if ((window.style & WS_CHILD) != 0) return 0;
  if ((window.style & WS_THICKFRAME) != 0) return 4;
  if ((window.style & (WS_BORDER | WS_DLGFRAME)) != 0) return 1;
  return 0;
}

// WM_MOVE's lParam: the client area's origin, relative to the parent's.
LPARAM MoveParam(const Window& window) {
  POINT origin = ClientOrigin(window);
  if (const Window* parent = FindWindowEntry(window.parent)) {
    const POINT parentOrigin = ClientOrigin(*parent);
    origin.x -= parentOrigin.x;
    origin.y -= parentOrigin.y;
  }
  return MAKELPARAM(static_cast<WORD>(origin.x), static_cast<WORD>(origin.y));
}

}  // namespace

// The client area starts one border right of the left edge and, with a
// caption, SM_CYCAPTION below the top edge.
POINT ClientOrigin(const Window& window) {
  const int border = BorderWidth(window);
  const int top = HasCaption(window.style) ? CurrentDriver().Metrics().captionHeight : border;
  return POINT{window.rect.left + border, window.rect.top + top};
}

RECT ClientRectOf(const Window& window) {
  const int border = BorderWidth(window);
  const int top = HasCaption(window.style) ? CurrentDriver().Metrics().captionHeight : border;
  const LONG width = std::max<LONG>(0, window.rect.right - window.rect.left - 2 * border);
  const LONG height = std::max<LONG>(0, window.rect.bottom - window.rect.top - top - border);
  return RECT{0, 0, width, height};
}

LPARAM ClientOriginParam(HWND hwnd) {
  const Window* window = FindWindowEntry(hwnd);
  return window != nullptr ? MoveParam(*window) : 0;
}

void SetWindowRectAndNotify(HWND hwnd, const RECT& rect) {
  Window* window = FindWindowEntry(hwnd);
  if (window == nullptr) return;
  const RECT old = window->rect;
  if (old.left == rect.left && old.top == rect.top && old.right == rect.right && old.bottom == rect.bottom) return;
  window->rect = rect;
  // Controls move with their dialog.
  for (HWND child : window->children) {
    if (Window* control = FindWindowEntry(child)) {
      control->rect.left += rect.left - old.left;
      control->rect.right += rect.left - old.left;
      control->rect.top += rect.top - old.top;
      control->rect.bottom += rect.top - old.top;
    }
  }
  NotifyChange(hwnd, kChangeRect);
}

}  // namespace platform

using platform::FindWindowEntry;
using platform::Window;

BOOL ShowWindow(HWND hwnd, int cmdShow) {
  Window* window = FindWindowEntry(hwnd);
  if (window == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  const DWORD before = window->style;
  const BOOL wasVisible = (before & WS_VISIBLE) != 0 ? TRUE : FALSE;
  bool activate = false;
  bool deactivate = false;
  DWORD style = before;
  switch (cmdShow) {
    case SW_HIDE:
      style &= ~WS_VISIBLE;
      deactivate = true;
      break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
    case SW_SHOWMAXIMIZED:
      style = (style | WS_VISIBLE) & ~WS_MINIMIZE;
      activate = true;
      break;
    case SW_SHOWNOACTIVATE:
      style = (style | WS_VISIBLE) & ~WS_MINIMIZE;
      break;
    case SW_SHOW:
      style |= WS_VISIBLE;
      activate = true;
      break;
    case SW_SHOWNA:
      style |= WS_VISIBLE;
      break;
    case SW_SHOWMINIMIZED:
      style |= WS_VISIBLE | WS_MINIMIZE;
      activate = true;
      break;
    case SW_MINIMIZE:
      // A minimised window hands the activation on.
      style |= WS_VISIBLE | WS_MINIMIZE;
      deactivate = true;
      break;
    case SW_SHOWMINNOACTIVE:
      style |= WS_VISIBLE | WS_MINIMIZE;
      break;
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return wasVisible;
  }
  window->style = style;
  unsigned changes = 0;
  if (((before ^ style) & WS_VISIBLE) != 0) changes |= platform::kChangeVisible;
  if (((before ^ style) & WS_MINIMIZE) != 0) changes |= platform::kChangeMinimized;
  if (changes != 0) platform::NotifyChange(hwnd, changes);

  const bool topLevel = window->parent == nullptr;
  if (topLevel && deactivate && platform::Core().active == hwnd) {
    platform::ActivateWindow(nullptr, WA_INACTIVE);
  } else if (topLevel && activate && (style & WS_DISABLED) == 0) {
    platform::ActivateWindow(hwnd, WA_ACTIVE);
  }
  return wasVisible;
}

BOOL UpdateWindow(HWND hwnd) { return FindWindowEntry(hwnd) != nullptr ? TRUE : FALSE; }

BOOL InvalidateRect(HWND hwnd, const RECT*, BOOL) {
  if (hwnd == nullptr) return TRUE;  // the whole desktop, as Win32 allows
  if (FindWindowEntry(hwnd) == nullptr) return FALSE;
  platform::CurrentDriver().Repaint(hwnd);
  return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL) {
  return SetWindowPos(hwnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  Window* window = FindWindowEntry(hwnd);
  if (window == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  const LPARAM originBefore = platform::ClientOriginParam(hwnd);
  RECT rect = window->rect;
  if ((flags & SWP_NOMOVE) == 0) {
    if (const Window* parent = FindWindowEntry(window->parent)) {
      const POINT origin = platform::ClientOrigin(*parent);
      x += origin.x;
      y += origin.y;
    }
    const LONG width = rect.right - rect.left;
    const LONG height = rect.bottom - rect.top;
    rect = RECT{x, y, x + width, y + height};
  }
  if ((flags & SWP_NOSIZE) == 0) {
    rect.right = rect.left + std::max(cx, 0);
    rect.bottom = rect.top + std::max(cy, 0);
  }
  if ((flags & SWP_NOZORDER) == 0 && (insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST)) {
    if (insertAfter == HWND_TOPMOST) {
      window->exStyle |= WS_EX_TOPMOST;
    } else {
      window->exStyle &= ~WS_EX_TOPMOST;
    }
    // Told also when the bit stays as it was: a desktop's window manager may
    // have lost the state meanwhile, and the driver says it again.
    platform::NotifyChange(hwnd, platform::kChangeTopmost);
  }
  platform::SetWindowRectAndNotify(hwnd, rect);
  if ((flags & SWP_SHOWWINDOW) != 0) ShowWindow(hwnd, SW_SHOWNA);
  if ((flags & SWP_HIDEWINDOW) != 0) ShowWindow(hwnd, SW_HIDE);
  window = FindWindowEntry(hwnd);
  if (window == nullptr) return TRUE;
  if ((flags & SWP_NOACTIVATE) == 0 && window->parent == nullptr && (window->style & WS_VISIBLE) != 0 &&
      (window->style & WS_DISABLED) == 0) {
    platform::ActivateWindow(hwnd, WA_ACTIVE);
  }
  const LPARAM originAfter = platform::ClientOriginParam(hwnd);
  if (originAfter != originBefore) platform::CallProcedure(hwnd, WM_MOVE, 0, originAfter);
  return TRUE;
}

BOOL GetWindowRect(HWND hwnd, RECT* rect) {
  const Window* window = FindWindowEntry(hwnd);
  if (window == nullptr || rect == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  *rect = window->rect;
  return TRUE;
}

BOOL GetClientRect(HWND hwnd, RECT* rect) {
  const Window* window = FindWindowEntry(hwnd);
  if (window == nullptr || rect == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  *rect = platform::ClientRectOf(*window);
  return TRUE;
}
