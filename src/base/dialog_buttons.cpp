#include "base/dialog_buttons.h"

#include "base/clock_app.h"

bool HandleDialogButton(HWND dialog, WPARAM command, const DialogButtons& buttons) {
  // The whole parameter is compared, so notifications from edits fall through.
  if (command == IDOK || command == IDCANCEL) {
    if (command == IDOK) buttons.commit(dialog);
    const INT_PTR result = command == IDOK ? 1 : 0;
    if (buttons.end != nullptr) {
      buttons.end(dialog, result);
    } else {
      EndDialog(dialog, result);
    }
    return true;
  }
  if (command == static_cast<WPARAM>(buttons.helpId)) {
    WinHelp(dialog, helpPath, HELP_CONTEXT, buttons.helpContext);
    return true;
  }
  return false;
}
