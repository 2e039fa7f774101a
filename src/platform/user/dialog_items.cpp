// A dialog's controls by id.
#include <algorithm>

#include "platform/user/core_state.h"
#include "platform/kernel/utf8_cut.h"

using platform::FindWindowEntry;

HWND GetDlgItem(HWND dialog, int id) {
  const platform::Window* window = FindWindowEntry(dialog);
  if (window == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  for (HWND child : window->children) {
    const platform::Window* control = FindWindowEntry(child);
    if (control != nullptr && control->id == id) return child;
  }
  SetLastError(ERROR_CONTROL_ID_NOT_FOUND);
  return nullptr;
}

BOOL SetDlgItemText(HWND dialog, int id, LPCSTR text) {
  const HWND control = GetDlgItem(dialog, id);
  return control != nullptr ? SetWindowText(control, text) : FALSE;
}

UINT GetDlgItemText(HWND dialog, int id, LPSTR buffer, int size) {
  if (buffer == nullptr || size <= 0) return 0;
  const HWND control = GetDlgItem(dialog, id);
  if (control == nullptr) {
    buffer[0] = '\0';
    return 0;
  }
  return static_cast<UINT>(GetWindowText(control, buffer, size));
}

BOOL CheckDlgButton(HWND dialog, int id, UINT check) {
  const HWND control = GetDlgItem(dialog, id);
  if (control == nullptr) return FALSE;
  SendMessage(control, BM_SETCHECK, check, 0);
  return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id) {
  const HWND control = GetDlgItem(dialog, id);
  return control != nullptr ? static_cast<UINT>(SendMessage(control, BM_GETCHECK, 0, 0)) : 0;
}

BOOL CheckRadioButton(HWND dialog, int firstId, int lastId, int checkId) {
  if (FindWindowEntry(dialog) == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  for (int id = std::min(firstId, lastId); id <= std::max(firstId, lastId); ++id) {
    if (const HWND control = GetDlgItem(dialog, id)) {
      SendMessage(control, BM_SETCHECK, id == checkId ? BST_CHECKED : BST_UNCHECKED, 0);
    }
  }
  return TRUE;
}

LRESULT SendDlgItemMessage(HWND dialog, int id, UINT msg, WPARAM wParam, LPARAM lParam) {
  const HWND control = GetDlgItem(dialog, id);
  return control != nullptr ? SendMessage(control, msg, wParam, lParam) : 0;
}
