// The About box, opened from the clock window's system menu.
#pragma once

#include "platform/win32.h"

INT_PTR AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
int ShowAboutBox(HWND owner);
// Tells a companion program's window that the About box opens (code 0) or has closed (1).
int NotifyPeerWindow(HWND window, int code);
