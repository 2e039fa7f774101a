#include "base/clock_app.h"

HINSTANCE instance = nullptr;
HWND mainWindow = nullptr;
char helpPath[MAX_PATH] = "";
std::int16_t avgCharWidth = 0;
std::int16_t charHeight = 0;
std::int32_t programMove = 0;
ClockTime nowTime = {};
HCURSOR savedCursor = nullptr;

// clockWidthChars belongs to the face and is reset with it.
void ResetClockAppState() {
  instance = nullptr;
  mainWindow = nullptr;
  helpPath[0] = '\0';
  avgCharWidth = 0;
  charHeight = 0;
  programMove = 0;
  nowTime = {};
  savedCursor = nullptr;
}
