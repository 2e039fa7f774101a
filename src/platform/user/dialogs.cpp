// Modal dialogs: DialogBoxParam, EndDialog and the modal loop between them.
#include "platform/user/dialog_layout.h"
#include "platform/user/resource_lookup.h"

namespace platform {

namespace {

HWND CreateFromTemplate(const DialogTemplateResource& source, HWND owner, DLGPROC proc, HINSTANCE instance) {
  auto state = std::make_unique<DialogState>();
  state->proc = proc;
  state->source = &source;
  const HWND dialog =
      CreateDialogShell(WindowKind::Dialog, source.caption != nullptr ? source.caption : "", source.style, owner,
                        DialogUnitsX(source.x), DialogUnitsY(source.y), DialogUnitsX(source.cx),
                        DialogUnitsY(source.cy), instance, std::move(state));
  for (int i = 0; i < source.itemCount; ++i) {
    const DialogItemTemplate& item = source.items[i];
    AddControl(dialog, item.className, item.style, item.id, item.text, DialogUnitsX(item.x), DialogUnitsY(item.y),
               DialogUnitsX(item.cx), DialogUnitsY(item.cy));
  }
  return dialog;
}

}  // namespace

// Runs a dialog that was made (hidden, its owner already disabled): the
// start message, then the modal loop until EndDialog, a WM_QUIT or the
// dialog's destruction. Returns the result given to EndDialog (0 otherwise).
INT_PTR RunDialog(HWND dialog, HWND owner, bool ownerDisabled, UINT startMessage, LPARAM param) {
  if (Window* made = FindWindowEntry(dialog); made != nullptr && made->dialog != nullptr) {
    made->dialog->disabledOwner = ownerDisabled;
  }
  CurrentDriver().WindowCreated(dialog);
  const HWND first = FirstTabStop(dialog);
  const LRESULT focusDefault = CallProcedure(dialog, startMessage, reinterpret_cast<WPARAM>(first), param);
  const Window* window = FindWindowEntry(dialog);
  if (window != nullptr && !window->dialog->ended) {
    if (focusDefault != 0 && FindWindowEntry(first) != nullptr) SetFocus(first);
    ShowWindow(dialog, SW_SHOW);
    if (window->kind == WindowKind::MessageBox) CurrentDriver().MessageBoxOpened(dialog);
    RunModalLoop(
        [dialog] {
          const Window* w = FindWindowEntry(dialog);
          return w == nullptr || w->dialog->ended;
        },
        dialog);
  }
  window = FindWindowEntry(dialog);
  const INT_PTR result = window != nullptr && window->dialog->ended ? window->dialog->result : 0;
  if (ownerDisabled && FindWindowEntry(owner) != nullptr) EnableWindow(owner, TRUE);
  if (window != nullptr) DestroyWindow(dialog);
  return result;
}

HWND LatestOpenDialogOwnedBy(HWND owner, HWND except) {
  const auto& topLevel = Core().topLevel;
  for (auto it = topLevel.rbegin(); it != topLevel.rend(); ++it) {
    const Window* w = FindWindowEntry(*it);
    if (*it == except || w == nullptr || w->dialog == nullptr || w->dialog->ended) continue;
    if (w->owner == owner && IsWindowVisible(*it)) return *it;
  }
  return nullptr;
}

// Disables the owner for the time of a modal dialog; true when it was
// enabled before (and is to be enabled again at the end).
bool DisableOwner(HWND owner) {
  if (owner == nullptr || !IsWindowEnabled(owner)) return false;
  EnableWindow(owner, FALSE);
  return true;
}

}  // namespace platform

using platform::FindWindowEntry;

INT_PTR DialogBoxParam(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC proc, LPARAM param) {
  const DialogTemplateResource* source = FindDialogTemplate(instance, templateName);
  if (source == nullptr) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return -1;
  }
  if (owner != nullptr && FindWindowEntry(owner) == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return -1;
  }
  owner = platform::TopLevelOf(owner);
  // A dialog that opens closes any open menu, as the activation change does on Win32.
  platform::EndOpenMenu();
  const bool ownerDisabled = platform::DisableOwner(owner);
  const HWND dialog = platform::CreateFromTemplate(*source, owner, proc, instance);
  return platform::RunDialog(dialog, owner, ownerDisabled, WM_INITDIALOG, param);
}

// Marks the dialog ended; its loop sees it when the message in hand is done.
// As on Win32 the owner is enabled and activated again at once and the dialog
// hidden, so that whatever runs before the loop returns finds them so.
BOOL EndDialog(HWND dialog, INT_PTR result) {
  platform::Window* window = FindWindowEntry(dialog);
  if (window == nullptr || window->dialog == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  window->dialog->ended = true;
  window->dialog->result = result;
  const HWND owner = window->owner;
  const bool enableOwner = window->dialog->disabledOwner;
  if (enableOwner && owner != nullptr && FindWindowEntry(owner) != nullptr) EnableWindow(owner, TRUE);
  const bool wasActive = platform::Core().active == dialog;
  SetWindowPos(dialog, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  if (wasActive) {
    // The keyboard goes back to whatever still holds the owner: the dialog
    // opened before this one, or the owner itself once it is free again.
    const HWND next = platform::LatestOpenDialogOwnedBy(owner, dialog);
    if (next != nullptr) {
      platform::ActivateWindow(next, WA_ACTIVE);
    } else if (owner != nullptr && IsWindowVisible(owner)) {
      platform::ActivateWindow(owner, WA_ACTIVE);
    }
  }
  return TRUE;
}
