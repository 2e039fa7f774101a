// The application-wide state that several parts of the clock share. The
// program runs on one thread; these are plain globals.
#pragma once

#include <cstdint>

#include "base/time_source.h"
#include "platform/win32.h"

extern HINSTANCE instance;
extern HWND mainWindow;
extern char helpPath[MAX_PATH];
extern std::int16_t avgCharWidth;
extern std::int16_t charHeight;
extern std::int32_t clockWidthChars;
extern std::int32_t programMove;
extern ClockTime nowTime;
extern HCURSOR savedCursor;

// The numbered error box: "Error H<id>: <string id>", caption "Horatick".
void ShowErrorBox(HWND owner, UINT id);
// The help document's path, beside the executable.
void BuildHelpPath(char* buffer, std::size_t size);
// Replaces the file name of the executable's path in path (size bytes) by the help document's.
void PlaceHelpFileName(char* path, std::size_t size);
// Sets avgCharWidth and charHeight from the display's font.
void MeasureDisplayFont();

// The help document's name, which the layer turns into the help document.
constexpr char kHelpFileName[] = "horatick.hlp";
// What a help path reads when the executable's folder is unknown or too long.
constexpr char kHelpPathUnknown[] = "?";

// Puts the globals above back to their initial values.
void ResetClockAppState();
