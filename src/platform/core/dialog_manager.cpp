// The dialog manager's keys: Enter for the default button (or the focused
// push button), Escape for IDCANCEL, Tab between tab stops.
#include "platform/core/dialog_layout.h"

namespace platform {

namespace {

bool IsPushButton(const Window& control) {
  const DWORD type = control.style & BS_TYPEMASK;
  return control.kind == WindowKind::Button && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

bool Usable(const Window& control) {
  return (control.style & WS_VISIBLE) != 0 && (control.style & WS_DISABLED) == 0;
}

void PressEnter(HWND dialog) {
  const Window* focus = FindWindowEntry(Core().focus);
  if (focus != nullptr && focus->parent == dialog && IsPushButton(*focus) && Usable(*focus)) {
    CallProcedure(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(focus->id), BN_CLICKED),
                  reinterpret_cast<LPARAM>(focus->handle));
    return;
  }
  const int id = LOWORD(static_cast<WPARAM>(CallProcedure(dialog, DM_GETDEFID, 0, 0)));
  const HWND button = GetDlgItem(dialog, id);
  // A disabled default button makes Enter do nothing.
  if (const Window* control = FindWindowEntry(button); control != nullptr && !Usable(*control)) return;
  CallProcedure(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

void PressTab(HWND dialog, bool backwards) {
  const Window* window = FindWindowEntry(dialog);
  if (window == nullptr || window->children.empty()) return;
  const auto& children = window->children;
  const int count = static_cast<int>(children.size());
  int at = -1;
  for (int i = 0; i < count; ++i) {
    if (children[static_cast<std::size_t>(i)] == Core().focus) at = i;
  }
  for (int n = 0; n < count; ++n) {
    at = at < 0 ? (backwards ? count - 1 : 0) : (at + (backwards ? -1 : 1) + count) % count;
    const Window* control = FindWindowEntry(children[static_cast<std::size_t>(at)]);
    if (control != nullptr && (control->style & WS_TABSTOP) != 0 && Usable(*control)) {
      SetFocus(control->handle);
      // Tabbing into an edit selects its whole text.
      if (control->kind == WindowKind::Edit) SendMessage(control->handle, EM_SETSEL, 0, -1);
      return;
    }
  }
}

}  // namespace

}  // namespace platform

using platform::FindWindowEntry;

// Every message for the dialog or one of its controls is taken here: the
// dialog keys are carried out, everything else is dispatched.
BOOL IsDialogMessage(HWND dialog, MSG* msg) {
  if (msg == nullptr || FindWindowEntry(dialog) == nullptr) return FALSE;
  if (msg->hwnd != dialog && platform::TopLevelOf(msg->hwnd) != dialog) return FALSE;
  if (msg->message == WM_KEYDOWN) {
    switch (static_cast<int>(msg->wParam)) {
      case VK_RETURN:
        platform::PressEnter(dialog);
        return TRUE;
      case VK_ESCAPE:
        platform::CallProcedure(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                                reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
        return TRUE;
      case VK_TAB:
        platform::PressTab(dialog, GetKeyState(0x10) < 0);
        return TRUE;
      default:
        break;
    }
  }
  if (msg->message == WM_CHAR && (msg->wParam == '\r' || msg->wParam == 0x1B || msg->wParam == '\t')) return TRUE;
  TranslateMessage(msg);
  DispatchMessage(msg);
  return TRUE;
}
