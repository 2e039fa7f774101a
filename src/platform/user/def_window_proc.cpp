// The default window procedure: what a window does with a message its own
// procedure passes on.
#include <string>

#include "platform/user/core_state.h"
#include "platform/kernel/utf8_cut.h"

namespace platform {

namespace {

LRESULT SystemCommand(HWND hwnd, WPARAM command, LPARAM lParam) {
  switch (command & 0xFFF0) {
    case SC_MINIMIZE:
      ShowWindow(hwnd, SW_MINIMIZE);
      return 0;
    case SC_RESTORE:
      if (IsIconic(hwnd)) ShowWindow(hwnd, SW_RESTORE);
      return 0;
    case SC_CLOSE:
      return CallProcedure(hwnd, WM_CLOSE, 0, 0);
    case SC_MOVE:
      RunMoveLoop(hwnd);
      return 0;
    default:
      // SC_SIZE and SC_MAXIMIZE: the windows here have neither a sizing
      // frame nor a maximised state.
      (void)lParam;
      return 0;
  }
}

LRESULT NonClientPress(HWND hwnd, WPARAM hitTest, LPARAM lParam) {
  switch (hitTest) {
    case HTCAPTION:
      // As on Win32, a press on the caption is the Move command from the mouse.
      return CallProcedure(hwnd, WM_SYSCOMMAND, SC_MOVE + HTCAPTION, lParam);
    case HTSYSMENU:
      TrackSystemMenu(hwnd);
      return 0;
    default:
      // The minimise box acts on the release (WM_NCLBUTTONUP); other places do nothing.
      return 0;
  }
}

LRESULT NonClientDoubleClick(HWND hwnd, WPARAM hitTest) {
  if (IsIconic(hwnd)) return CallProcedure(hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
  if (hitTest == HTSYSMENU) return CallProcedure(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
  return 0;
}

}  // namespace

}  // namespace platform

using platform::FindWindowEntry;
using platform::Window;

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window* window = FindWindowEntry(hwnd);
  if (window == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  switch (msg) {
    case WM_SETTEXT: {
      const char* text = reinterpret_cast<const char*>(lParam);
      window->text = text != nullptr ? text : "";
      platform::NotifyChange(hwnd, platform::kChangeText);
      return TRUE;
    }
    case WM_GETTEXT:
      return static_cast<LRESULT>(platform::CopyTextCut(window->text.data(), window->text.size(),
                                                        reinterpret_cast<char*>(lParam), wParam));
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(window->text.size());
    case WM_CLOSE:
      DestroyWindow(hwnd);
      return 0;
    case WM_SYSCOMMAND:
      return platform::SystemCommand(hwnd, wParam, lParam);
    case WM_NCLBUTTONDOWN:
      return platform::NonClientPress(hwnd, wParam, lParam);
    case WM_NCLBUTTONDBLCLK:
      return platform::NonClientDoubleClick(hwnd, wParam);
    case WM_MOUSEACTIVATE:
      return MA_ACTIVATE;
    case WM_ACTIVATE:
      // An activated window takes the focus unless one of its own has it.
      if (LOWORD(wParam) != WA_INACTIVE && !IsIconic(hwnd) && platform::Core().focus == nullptr) SetFocus(hwnd);
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    default:
      return 0;
  }
}
