// Message boxes: a dialog of the core, with the buttons of the MB_ style and
// the answer of the button that was pressed.
#include <algorithm>
#include <cstring>

#include "platform/user/dialog_layout.h"

namespace platform {

INT_PTR RunDialog(HWND dialog, HWND owner, bool ownerDisabled, UINT startMessage, LPARAM param);
bool DisableOwner(HWND owner);

namespace {

struct ButtonSpec {
  int id;
  const char* text;
};

std::vector<ButtonSpec> ButtonsFor(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
    case MB_ABORTRETRYIGNORE: return {{IDABORT, "&Abort"}, {IDRETRY, "&Retry"}, {IDIGNORE, "&Ignore"}};
    case MB_YESNOCANCEL: return {{IDYES, "&Yes"}, {IDNO, "&No"}, {IDCANCEL, "Cancel"}};
    case MB_YESNO: return {{IDYES, "&Yes"}, {IDNO, "&No"}};
    case MB_RETRYCANCEL: return {{IDRETRY, "&Retry"}, {IDCANCEL, "Cancel"}};
    default: return {{IDOK, "OK"}};
  }
}

// Escape is IDCANCEL when there is a Cancel button, OK in a box with OK
// alone, and nothing otherwise (a Yes/No box must be answered).
INT_PTR CALLBACK MessageBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM) {
  const Window* window = FindWindowEntry(box);
  if (window == nullptr || window->dialog == nullptr) return FALSE;
  const std::vector<int>& buttons = window->dialog->messageBoxButtons;
  switch (message) {
    case WM_INITDIALOG: {
      const int defaultIndex = (window->dialog->messageBoxStyle & MB_DEFBUTTON2) != 0 && buttons.size() > 1 ? 1 : 0;
      SetFocus(GetDlgItem(box, buttons[static_cast<std::size_t>(defaultIndex)]));
      return FALSE;
    }
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      if (std::find(buttons.begin(), buttons.end(), id) != buttons.end()) {
        EndDialog(box, id);
      } else if (id == IDCANCEL && buttons.size() == 1 && buttons[0] == IDOK) {
        EndDialog(box, IDOK);
      }
      return TRUE;
    }
    default:
      return FALSE;
  }
}

std::size_t LongestLine(const std::string& text, std::size_t* lines) {
  std::size_t longest = 0;
  std::size_t current = 0;
  *lines = 1;
  for (char c : text) {
    if (c == '\n') {
      ++*lines;
      current = 0;
    } else {
      longest = std::max(longest, ++current);
    }
  }
  return longest;
}

}  // namespace

}  // namespace platform

using platform::FindWindowEntry;

int MessageBoxEx(HWND owner, LPCSTR text, LPCSTR caption, UINT type, WORD) {
  if (owner != nullptr && FindWindowEntry(owner) == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  owner = platform::TopLevelOf(owner);
  platform::EndOpenMenu();

  const std::string body = text != nullptr ? text : "";
  const std::vector<platform::ButtonSpec> buttons = platform::ButtonsFor(type);
  auto state = std::make_unique<platform::DialogState>();
  state->proc = &platform::MessageBoxProc;
  state->messageBoxStyle = type;
  for (const auto& button : buttons) state->messageBoxButtons.push_back(button.id);

  // Layout in pixels: an icon, the text beside it, the buttons centred below.
  const platform::DisplayMetrics metrics = platform::CurrentDriver().Metrics();
  const int margin = 12;
  const int iconSize = (type & MB_ICONMASK) != 0 ? 32 : 0;
  std::size_t lines = 1;
  const int textWidth = std::min(static_cast<int>(platform::LongestLine(body, &lines)) * metrics.fontAverageWidth,
                                 metrics.screenWidth * 3 / 5);
  const int textHeight = static_cast<int>(lines) * metrics.fontHeight;
  const int buttonWidth = 75;
  const int buttonHeight = 23;
  const int buttonsWidth = static_cast<int>(buttons.size()) * (buttonWidth + margin) - margin;
  const int clientWidth = std::max(textWidth + iconSize + (iconSize != 0 ? margin : 0), buttonsWidth) + 2 * margin;
  const int clientHeight = std::max(textHeight, iconSize) + buttonHeight + 3 * margin;
  const int x = (metrics.screenWidth - clientWidth) / 2;
  const int y = (metrics.screenHeight - clientHeight) / 2;

  const bool ownerDisabled = platform::DisableOwner(owner);
  const HWND box = platform::CreateDialogShell(
      platform::WindowKind::MessageBox, caption != nullptr ? caption : "Error",
      WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, nullptr, x, y, clientWidth, clientHeight, nullptr,
      std::move(state));
  if (platform::Window* window = FindWindowEntry(box)) {
    window->owner = owner;
    if ((type & MB_SYSTEMMODAL) != 0) window->exStyle |= WS_EX_TOPMOST;
  }
  if (iconSize != 0) {
    platform::AddControl(box, "STATIC", WS_VISIBLE | SS_ICON, platform::kMessageBoxIconId, "", margin, margin,
                         iconSize, iconSize);
  }
  const int textLeft = margin + iconSize + (iconSize != 0 ? margin : 0);
  platform::AddControl(box, "STATIC", WS_VISIBLE | SS_LEFT | SS_NOPREFIX, platform::kMessageBoxTextId, body.c_str(),
                       textLeft, margin, textWidth, textHeight);
  int buttonLeft = (clientWidth - buttonsWidth) / 2;
  const int buttonTop = std::max(textHeight, iconSize) + 2 * margin;
  const std::size_t defaultIndex = (type & MB_DEFBUTTON2) != 0 && buttons.size() > 1 ? 1 : 0;
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const bool isDefault = i == defaultIndex;
    platform::AddControl(box, "BUTTON", WS_VISIBLE | WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
                         buttons[i].id, buttons[i].text, buttonLeft, buttonTop, buttonWidth, buttonHeight);
    buttonLeft += buttonWidth + margin;
  }
  const int result = static_cast<int>(platform::RunDialog(box, owner, ownerDisabled, WM_INITDIALOG, 0));
  platform::CurrentDriver().MessageBoxClosed(box, result);
  return result;
}

int MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  return MessageBoxEx(owner, text, caption, type, 0);
}
