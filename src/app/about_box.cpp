// The About box, and the notice around it to a companion program's window of
// class "Tesk", which may want to know while the clock shows it.
#include "base/clock_app.h"
#include "app/about_box.h"

namespace {

constexpr char kPeerClass[] = "Tesk";
constexpr WPARAM kPeerCommandBase = 6000;  // 6000: the About box opens; 6001: it has closed

}  // namespace

int NotifyPeerWindow(HWND, int code) {
  // The companion's reply, and whether it is there at all, change nothing for the clock.
  if (HWND peer = FindWindow(kPeerClass, nullptr); peer != nullptr) {
    SendMessage(peer, WM_SYSCOMMAND, kPeerCommandBase + static_cast<WPARAM>(code), 0);
  }
  return 1;
}

int ShowAboutBox(HWND owner) {
  DialogBoxParam(instance, "About", owner, AboutDialogProc, 0);
  return 1;
}

INT_PTR AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      SetFocus(GetDlgItem(dialog, IDOK));
      return FALSE;  // the focus is set already
    case WM_COMMAND:
      // The whole parameter is compared: only a plain click or key closes the box.
      if (wParam == IDOK || wParam == IDCANCEL) {
        EndDialog(dialog, 0);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}
