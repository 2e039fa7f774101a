#include "platform/user/dialog_layout.h"

#include <strings.h>

#include <algorithm>

namespace platform {

int DialogUnitsX(int units) { return units * CurrentDriver().Metrics().dialogBaseX / 4; }

int DialogUnitsY(int units) { return units * CurrentDriver().Metrics().dialogBaseY / 8; }

namespace {

constexpr LRESULT kHasDefaultId = 0x534B;  // DC_HASDEFID in DM_GETDEFID's answer

WindowKind ControlKind(const char* className) {
  if (className != nullptr && strcasecmp(className, "BUTTON") == 0) return WindowKind::Button;
  if (className != nullptr && strcasecmp(className, "EDIT") == 0) return WindowKind::Edit;
  return WindowKind::Static;
}

// Every dialog's window procedure: the program's dialog procedure sees each
// message first, and what it leaves is the dialog manager's.
LRESULT DialogWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const Window* window = FindWindowEntry(hwnd);
  if (window == nullptr || window->dialog == nullptr) return DefWindowProc(hwnd, message, wParam, lParam);
  const DLGPROC proc = window->dialog->proc;
  const INT_PTR handled = proc != nullptr ? proc(hwnd, message, wParam, lParam) : 0;
  if (handled != 0 || message == WM_INITDIALOG) return handled;
  switch (message) {
    case WM_CLOSE:
      // Closing a dialog is its Cancel.
      PostMessage(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(hwnd, IDCANCEL)));
      return 0;
    case DM_GETDEFID:
      return MAKELONG(static_cast<WORD>(DefaultButtonId(hwnd)), static_cast<WORD>(kHasDefaultId));
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && (Core().focus == nullptr || TopLevelOf(Core().focus) != hwnd)) {
        const HWND first = FirstTabStop(hwnd);
        SetFocus(first != nullptr ? first : hwnd);
      }
      return 0;
    case WM_COMMAND:
      return 0;
    default:
      return DefWindowProc(hwnd, message, wParam, lParam);
  }
}

}  // namespace

LRESULT ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

HWND CreateDialogShell(WindowKind kind, const std::string& caption, DWORD style, HWND owner, int x, int y,
                       int clientWidth, int clientHeight, HINSTANCE instance, std::unique_ptr<DialogState> dialog) {
  auto window = std::make_unique<Window>();
  window->kind = kind;
  window->className = "#32770";
  window->proc = &DialogWindowProc;
  window->text = caption;
  window->style = (style | WS_POPUP) & ~(WS_VISIBLE | WS_CHILD);
  window->owner = owner;
  window->instance = instance;
  window->dialog = std::move(dialog);

  // A caption and a one-pixel border around the client area.
  const DisplayMetrics metrics = CurrentDriver().Metrics();
  const bool caption_ = (style & WS_CAPTION) == WS_CAPTION;
  const int width = clientWidth + 2;
  const int height = clientHeight + (caption_ ? metrics.captionHeight : 1) + 1;
  POINT origin{0, 0};
  if (const Window* ownerWindow = FindWindowEntry(owner)) origin = ClientOrigin(*ownerWindow);
  int left = origin.x + x;
  int top = origin.y + y;
  // A dialog is kept on the screen, as the dialog manager does.
  left = std::max(0, std::min(left, metrics.screenWidth - width));
  top = std::max(0, std::min(top, metrics.screenHeight - height));
  window->rect = RECT{left, top, left + width, top + height};
  return CreateWindowEntry(std::move(window));
}

HWND AddControl(HWND dialog, const char* className, DWORD style, int id, const char* text, int x, int y, int cx,
                int cy) {
  const Window* owner = FindWindowEntry(dialog);
  if (owner == nullptr) return nullptr;
  const POINT origin = ClientOrigin(*owner);
  auto control = std::make_unique<Window>();
  control->kind = ControlKind(className);
  control->className = className != nullptr ? className : "STATIC";
  std::transform(control->className.begin(), control->className.end(), control->className.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  control->style = style | WS_CHILD;
  control->id = id;
  control->parent = dialog;
  control->instance = owner->instance;
  control->text = text != nullptr ? text : "";
  control->rect = RECT{origin.x + x, origin.y + y, origin.x + x + cx, origin.y + y + cy};
  switch (control->kind) {
    case WindowKind::Button:
      control->proc = &ButtonProc;
      break;
    case WindowKind::Edit:
      control->proc = &EditProc;
      break;
    default:
      control->proc = &StaticProc;
      if ((style & SS_TYPEMASK) == SS_ICON) control->icon = LoadIcon(owner->instance, control->text.c_str());
      break;
  }
  return CreateWindowEntry(std::move(control));
}

HWND FirstTabStop(HWND dialog) {
  const Window* window = FindWindowEntry(dialog);
  if (window == nullptr) return nullptr;
  for (HWND child : window->children) {
    const Window* control = FindWindowEntry(child);
    if (control != nullptr && (control->style & WS_TABSTOP) != 0 && (control->style & WS_VISIBLE) != 0 &&
        (control->style & WS_DISABLED) == 0) {
      return child;
    }
  }
  return nullptr;
}

int DefaultButtonId(HWND dialog) {
  const Window* window = FindWindowEntry(dialog);
  if (window == nullptr) return IDOK;
  for (HWND child : window->children) {
    const Window* control = FindWindowEntry(child);
    if (control != nullptr && control->kind == WindowKind::Button &&
        (control->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
      return control->id;
    }
  }
  return IDOK;
}

}  // namespace platform
