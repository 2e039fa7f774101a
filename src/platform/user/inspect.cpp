// Snapshots of the core's windows for drivers and tests.
#include "platform/user/inspect.h"

#include "platform/user/core_state.h"

namespace platform {

WindowSnapshot DescribeWindow(HWND hwnd) {
  WindowSnapshot shot;
  const Window* window = FindWindowEntry(hwnd);
  if (window == nullptr) return shot;
  const CoreState& core = Core();
  shot.exists = true;
  shot.handle = hwnd;
  shot.kind = window->kind;
  shot.className = window->className;
  shot.text = window->text;
  shot.style = window->style;
  shot.exStyle = window->exStyle;
  shot.rect = window->rect;
  shot.parent = window->parent;
  shot.owner = window->owner;
  shot.id = window->id;
  shot.visible = IsWindowVisible(hwnd) != FALSE;
  shot.enabled = (window->style & WS_DISABLED) == 0;
  shot.minimized = (window->style & WS_MINIMIZE) != 0;
  shot.topmost = (window->exStyle & WS_EX_TOPMOST) != 0;
  shot.focused = core.focus == hwnd;
  shot.active = core.active == hwnd;
  shot.check = window->check;
  shot.selectionStart = window->selectionStart;
  shot.selectionEnd = window->selectionEnd;
  shot.textLimit = window->textLimit;
  shot.icon = window->icon;
  shot.children = window->children;
  if (window->dialog != nullptr) {
    if (window->dialog->source != nullptr && window->dialog->source->name != nullptr) {
      shot.templateName = window->dialog->source->name;
    }
    shot.messageBoxStyle = window->dialog->messageBoxStyle;
  }
  if (window->kind == WindowKind::MessageBox) {
    for (HWND child : window->children) {
      const Window* control = FindWindowEntry(child);
      if (control != nullptr && control->id == kMessageBoxTextId) shot.messageBoxText = control->text;
    }
  }
  return shot;
}

std::vector<HWND> TopLevelWindows() { return Core().topLevel; }

void SetMessageTrace(std::function<void(HWND, UINT, WPARAM, LPARAM)> trace) { Core().trace = std::move(trace); }

}  // namespace platform
