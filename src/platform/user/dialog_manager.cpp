// The dialog manager's keys: Enter for the default button (or the focused
// push button), Escape for IDCANCEL, Tab between tab stops, and the arrow
// keys from one button of a group to the next.
#include <algorithm>

#include "platform/user/arrow_keys.h"
#include "platform/user/dialog_layout.h"

namespace platform {

namespace {

bool IsPushButton(const Window& control) {
  const DWORD type = control.style & BS_TYPEMASK;
  return control.kind == WindowKind::Button && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

bool Usable(const Window& control) {
  return (control.style & WS_VISIBLE) != 0 && (control.style & WS_DISABLED) == 0;
}

// Radio buttons, check boxes and push buttons: the controls whose arrows
// belong to the dialog. An edit keeps them to move its caret.
bool IsButton(const Window& control) {
  return control.kind == WindowKind::Button && (control.style & BS_TYPEMASK) != BS_GROUPBOX;
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

// The focus moves to the previous or next usable button of the group,
// wrapping around inside it; edits, statics and boxes in the group are passed
// over, since an edit would keep the arrows and cut the rest of the group off.
// A radio button reached so that is not checked yet is chosen as a click
// chooses it: an automatic one checks itself and clears its group, and the
// dialog hears BN_CLICKED either way, so a plain one is checked by the
// dialog procedure as after a click.
void PressArrow(HWND dialog, HWND from, bool backwards) {
  const Window* window = FindWindowEntry(dialog);
  if (window == nullptr) return;
  const std::vector<HWND> group = ControlGroup(*window, from);
  const auto at = std::find(group.begin(), group.end(), from);
  if (at == group.end()) return;
  const std::size_t count = group.size();
  const auto start = static_cast<std::size_t>(at - group.begin());
  for (std::size_t step = 1; step < count; ++step) {
    const std::size_t index = backwards ? (start + count - step) % count : (start + step) % count;
    const Window* control = FindWindowEntry(group[index]);
    if (control == nullptr || !IsButton(*control) || !Usable(*control)) continue;
    if (IsRadioButton(*control) && control->check != BST_CHECKED) {
      ClickButton(control->handle);
    } else {
      SetFocus(control->handle);
    }
    return;
  }
}

// Whether the arrow keys of this message are the dialog's to carry out.
bool ArrowForDialog(HWND dialog, const MSG& msg) {
  if (!IsArrowKey(static_cast<int>(msg.wParam))) return false;
  const Window* control = FindWindowEntry(msg.hwnd);
  return control != nullptr && control->parent == dialog && IsButton(*control);
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
        if (platform::ArrowForDialog(dialog, *msg)) {
          platform::PressArrow(dialog, msg->hwnd, platform::ArrowGoesBack(static_cast<int>(msg->wParam)));
          return TRUE;
        }
        break;
    }
  }
  if (msg->message == WM_CHAR && (msg->wParam == '\r' || msg->wParam == 0x1B || msg->wParam == '\t')) return TRUE;
  TranslateMessage(msg);
  DispatchMessage(msg);
  return TRUE;
}
