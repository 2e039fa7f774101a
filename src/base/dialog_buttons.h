// The buttons that end a settings dialog, alike in each of them: OK keeps
// what was chosen and ends with 1, Cancel ends with 0, Help opens the help
// at the dialog's own place.
#pragma once

#include "platform/win32.h"

struct DialogButtons {
  int helpId;
  DWORD helpContext;
  void (*commit)(HWND dialog);
  // How the dialog ends; EndDialog when nothing more is to be done.
  void (*end)(HWND dialog, INT_PTR result) = nullptr;
};

// true when the command was one of the three buttons and was carried out.
bool HandleDialogButton(HWND dialog, WPARAM command, const DialogButtons& buttons);
