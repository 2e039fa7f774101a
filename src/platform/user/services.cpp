// The desktop's services, through the driver: help, the cursor, the
// keyboard's state, the screen and the caption font.
#include "platform/user/core_state.h"

namespace {

// The one information context there is: the display.
HDC const kDisplayContext = reinterpret_cast<HDC>(0x50000);

}  // namespace

HCURSOR SetCursor(HCURSOR cursor) {
  platform::CoreState& core = platform::Core();
  const HCURSOR previous = core.cursor;
  core.cursor = cursor;
  if (previous != cursor) platform::CurrentDriver().CursorChanged(cursor);
  return previous;
}

SHORT GetKeyState(int virtualKey) { return platform::CurrentDriver().KeyState(virtualKey); }

int GetSystemMetrics(int index) {
  const platform::DisplayMetrics metrics = platform::CurrentDriver().Metrics();
  switch (index) {
    case SM_CXSCREEN:
    case SM_CXVIRTUALSCREEN: return metrics.screenWidth;
    case SM_CYSCREEN:
    case SM_CYVIRTUALSCREEN: return metrics.screenHeight;
    case SM_CYCAPTION: return metrics.captionHeight;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    default: return 0;
  }
}

HDC CreateIC(LPCSTR, LPCSTR, LPCSTR, const void*) { return kDisplayContext; }

BOOL GetTextMetrics(HDC dc, TEXTMETRIC* metrics) {
  if (dc != kDisplayContext || metrics == nullptr) return FALSE;
  const platform::DisplayMetrics display = platform::CurrentDriver().Metrics();
  *metrics = TEXTMETRIC{};
  metrics->tmHeight = display.fontHeight;
  metrics->tmAscent = display.fontAscent;
  metrics->tmDescent = display.fontHeight - display.fontAscent;
  metrics->tmAveCharWidth = display.fontAverageWidth;
  metrics->tmMaxCharWidth = display.fontMaxWidth;
  metrics->tmWeight = 400;
  metrics->tmFirstChar = ' ';
  metrics->tmLastChar = '~';
  metrics->tmDefaultChar = '?';
  metrics->tmBreakChar = ' ';
  return TRUE;
}

BOOL DeleteDC(HDC dc) { return dc == kDisplayContext ? TRUE : FALSE; }

BOOL WinHelp(HWND hwnd, LPCSTR helpFile, UINT command, UINT_PTR data) {
  return platform::CurrentDriver().WinHelp(hwnd, helpFile, command, data);
}

