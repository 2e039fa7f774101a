// Building dialog windows, from a template or (for message boxes) from code,
// with the window procedure every dialog has.
#pragma once

#include <string>

#include "platform/user/core_state.h"

namespace platform {

// Pixels of dialog units, from the dialog font's base units.
int DialogUnitsX(int units);
int DialogUnitsY(int units);

// A top-level dialog window of the given client size in pixels, placed at
// (x, y) in the owner's client area (on the screen when there is no owner)
// and kept on the screen. It is hidden and has no controls yet.
HWND CreateDialogShell(WindowKind kind, const std::string& caption, DWORD style, HWND owner, int x, int y,
                       int clientWidth, int clientHeight, HINSTANCE instance, std::unique_ptr<DialogState> dialog);

// A control in the dialog, at (x, y, cx, cy) pixels of its client area.
HWND AddControl(HWND dialog, const char* className, DWORD style, int id, const char* text, int x, int y, int cx,
                int cy);

// The control Tab reaches first: the first visible, enabled tab stop.
HWND FirstTabStop(HWND dialog);
// The id Enter stands for: the default push button's, else IDOK.
int DefaultButtonId(HWND dialog);

}  // namespace platform
