// A small Win32-style program for the core's tests: one window of class
// "Sample" whose messages go to a handler the test sets, and a few dialog
// templates, strings and an icon.
#pragma once

#include <functional>
#include <optional>

#include "platform/win32.h"
#include "support/desk.h"

namespace sample {

// Control ids of the "SampleDialog" template (caption "Sample").
enum : int {
  kEdit = 101,
  kCheck = 102,
  kAutoRadio1 = 201,  // automatic radio buttons, one group
  kAutoRadio2 = 202,
  kAutoRadio3 = 203,
  kLabel = 204,       // a static that starts the next group
  kAutoRadio4 = 205,  // a group of its own, after the label
  kPlainRadio1 = 301,  // plain radio buttons
  kPlainRadio2 = 302,
  kDisabledButton = 303,
  kNested = 400,      // a push button
};

// Empty: the message goes on to DefWindowProc.
using Handler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;
using DialogHandler = std::function<INT_PTR(HWND, UINT, WPARAM, LPARAM)>;

// What the program does; a test sets it before the start.
struct Script {
  // Runs at the start, after the window exists and before the message loop.
  std::function<void(HWND)> onStart;
  // The window's messages; what it does not take goes to DefWindowProc.
  Handler onMessage;
  // The sample dialog's messages; what it does not take (FALSE) goes to the dialog manager.
  DialogHandler onDialog;
  DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  RECT rect{100, 50, 300, 70};
  // The main window's WM_DESTROY posts the quit message with this code.
  int exitCode = 7;
};

Script& TheScript();
HWND MainWindow();
INT_PTR CALLBACK SampleDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
HINSTANCE Instance();

// Settings for a desk that runs the sample program with TheScript().
Settings SampleSettings();

}  // namespace sample
