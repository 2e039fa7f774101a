// The window's shape and place: the layout command, the position rule that
// keeps the window where the user put it, and the system box toggle.
#include "base/clock_app.h"
#include "app/main_window.h"
#include "app/main_window_parts.h"
#include "display/face.h"
#include "settings/preferences.h"

namespace {

int ClockWidth() { return avgCharWidth * clockWidthChars; }

}  // namespace

// The face sets clockWidthChars from its text alone; the caption's boxes and
// the wider caption font of large screens take the rest.
void AdjustClockWidth() {
  if (prefs->systemBox != 0) {
    clockWidthChars += 1;
  } else {
    clockWidthChars -= 2;
  }
  if (GetSystemMetrics(SM_CXSCREEN) > 640) clockWidthChars += 2;
}

void ApplyStayInFront(HWND window) {
  HWND order = prefs->stayInFront == 1 ? HWND_TOPMOST : HWND_NOTOPMOST;
  SetWindowPos(window, order, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

LRESULT OnRelayout(HWND window, LPARAM lParam) {
  ShowWindow(window, SW_HIDE);
  SetWindowLong(window, GWL_STYLE, static_cast<LONG>(static_cast<DWORD>(windowStyleExtra) | WS_POPUP | WS_CAPTION));
  FormatClockTime();
  FormatClockFace(window);
  AdjustClockWidth();
  const int width = ClockWidth();
  programMove = 1;
  MoveWindow(window, prefs->xPos - width, prefs->yPos, width, GetSystemMetrics(SM_CYCAPTION), TRUE);
  programMove = 0;
  ApplyStayInFront(window);
  InvalidateRect(window, nullptr, TRUE);
  UpdateWindow(window);
  ShowWindow(window, SW_SHOWNA);
  return DefWindowProc(window, WM_SYSCOMMAND, IDM_RELAYOUT, lParam);
}

// xPos is the window's right edge and yPos its top. A move the program did
// not ask for goes back there when Anti-Cascade is on; any other move is the
// new place. The message carries the client area's corner as two unsigned
// 16-bit numbers, and the place is kept modulo 2^16 like the fields.
void OnMove(HWND window, LPARAM lParam) {
  RECT rect{};
  GetWindowRect(window, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (programMove == 0 && prefs->antiCascade != 0) {
    programMove = 1;
    MoveWindow(window, prefs->xPos - width, prefs->yPos, width, height, TRUE);
    programMove = 0;
    return;
  }
  const unsigned x = LOWORD(static_cast<std::uintptr_t>(lParam));
  const unsigned y = HIWORD(static_cast<std::uintptr_t>(lParam));
  prefs->xPos = static_cast<std::int16_t>(static_cast<std::uint16_t>(width + x - 1));
  prefs->yPos = static_cast<std::int16_t>(static_cast<std::uint16_t>(y - GetSystemMetrics(SM_CYCAPTION)));
}

void ToggleSystemBox(HWND window) {
  prefs->systemBox = prefs->systemBox == 0 ? 1 : 0;
  windowStyleExtra = WindowStyleExtraFor(*prefs);
  programMove = 0;
  PostMessage(window, WM_SYSCOMMAND, IDM_RELAYOUT, 0);
}
