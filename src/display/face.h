// The clock face: the caption text of the clock window.
#pragma once

#include <cstdint>

#include "platform/win32.h"

extern char clockText[132];
extern std::int32_t clockWidthChars;
extern std::int32_t blinkPhase;

// Leaves the time part in clockText; 0 when the time is left out.
int FormatClockTime();
// Composes the whole face into clockText and sets clockWidthChars; window owns any countdown notice.
void FormatClockFace(HWND window);

// Puts clockText, clockWidthChars and blinkPhase back to their initial values.
void ResetFaceState();
