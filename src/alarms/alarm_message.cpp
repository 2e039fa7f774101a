// The small modal message that shows an alarm's note under its caption.
#include "alarms/alarm_scan.h"
#include "resources/control_ids.h"

// The caption and note of the alarm ringing now, filled in by its firing.
char alarmCaption[132] = "";
char alarmMessage[132] = "";

namespace {

// The message always opens near the top-left corner of the screen, wherever
// the clock window is.
constexpr int kMessageLeft = 20;
constexpr int kMessageTop = 50;

void PlaceAndFill(HWND dialog) {
  RECT frame{};
  GetWindowRect(dialog, &frame);
  MoveWindow(dialog, kMessageLeft, kMessageTop, frame.right - frame.left, frame.bottom - frame.top, TRUE);
  SetWindowText(dialog, alarmCaption);
  SetDlgItemText(dialog, IDC_MESSAGE_NOTE, alarmMessage);
}

}  // namespace

INT_PTR AlarmMessageDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      PlaceAndFill(dialog);
      return TRUE;  // the default button takes the focus
    case WM_COMMAND:
      // OK and Enter give 1, Escape gives 2; the message has no system menu.
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, 0);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}
