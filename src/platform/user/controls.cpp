// The controls' own procedures: buttons (push, check box, radio, group box),
// edits and statics.
#include <algorithm>
#include <iterator>
#include <string>

#include "platform/user/core_state.h"

namespace platform {

namespace {

DWORD ButtonType(const Window& control) { return control.style & BS_TYPEMASK; }

bool HasCheckState(const Window& control) {
  const DWORD type = ButtonType(control);
  return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

void SetCheck(HWND hwnd, UINT check) {
  Window* control = FindWindowEntry(hwnd);
  if (control == nullptr || control->check == check) return;
  control->check = check;
  NotifyChange(hwnd, kChangeControl);
}

void Notify(HWND control, WORD code) {
  const Window* window = FindWindowEntry(control);
  if (window == nullptr || window->parent == nullptr) return;
  CallProcedure(window->parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(window->id), code),
                reinterpret_cast<LPARAM>(control));
}

void SetEditSelection(Window& edit, long start, long end) {
  const auto length = static_cast<long>(edit.text.size());
  if (start < 0) {
    // A start of -1 takes the selection away and leaves the caret.
    edit.selectionStart = edit.selectionEnd;
  } else {
    if (end < 0 || end > length) end = length;
    start = std::min(start, length);
    if (start > end) std::swap(start, end);
    edit.selectionStart = static_cast<DWORD>(start);
    edit.selectionEnd = static_cast<DWORD>(end);
  }
  NotifyChange(edit.handle, kChangeControl);
}

std::string Utf8Of(char32_t codePoint) {
  std::string out;
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    out += static_cast<char>(0xE0 | (codePoint >> 12));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (codePoint >> 18));
    out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
  return out;
}

// The start of the character before byte offset `at`.
std::size_t PreviousCharacter(const std::string& text, std::size_t at) {
  if (at == 0) return 0;
  std::size_t start = at - 1;
  while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) --start;
  return start;
}

// A typed character replaces the selection; one that would pass the limit
// is refused. Backspace removes the selection or the character before the caret.
void TypeCharacter(HWND hwnd, char32_t codePoint) {
  Window* edit = FindWindowEntry(hwnd);
  if (edit == nullptr) return;
  std::size_t start = std::min<std::size_t>(edit->selectionStart, edit->text.size());
  std::size_t end = std::min<std::size_t>(edit->selectionEnd, edit->text.size());
  if (start > end) std::swap(start, end);
  std::string inserted;
  if (codePoint == 0x08) {
    if (start == end) start = PreviousCharacter(edit->text, start);
    if (start == end) return;
  } else if (codePoint < 0x20 || codePoint == 0x7F) {
    return;
  } else {
    inserted = Utf8Of(codePoint);
    if (edit->text.size() - (end - start) + inserted.size() > edit->textLimit) return;
  }
  edit->text.replace(start, end - start, inserted);
  edit->selectionStart = edit->selectionEnd = static_cast<DWORD>(start + inserted.size());
  NotifyChange(hwnd, kChangeText | kChangeControl);
  Notify(hwnd, EN_CHANGE);
}

}  // namespace

bool IsRadioButton(const Window& control) {
  const DWORD type = ButtonType(control);
  return control.kind == WindowKind::Button && (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
}

std::vector<HWND> ControlGroup(const Window& dialog, HWND control) {
  const auto& children = dialog.children;
  const auto at = std::find(children.begin(), children.end(), control);
  if (at == children.end()) return {};
  auto startsGroup = [](HWND h) {
    const Window* w = FindWindowEntry(h);
    return w != nullptr && (w->style & WS_GROUP) != 0;
  };
  auto isRadio = [](HWND h) {
    const Window* w = FindWindowEntry(h);
    return w != nullptr && IsRadioButton(*w);
  };
  auto first = at;
  auto last = at + 1;
  if (std::any_of(children.begin(), children.end(), startsGroup)) {
    while (first != children.begin() && !startsGroup(*first)) --first;
    last = first + 1;
    while (last != children.end() && !startsGroup(*last)) ++last;
  } else if (isRadio(control)) {
    // A radio button that starts over up and to the left of the one before it
    // begins another choice laid out elsewhere in the dialog.
    auto continues = [&](HWND before, HWND next) {
      if (!isRadio(before) || !isRadio(next)) return false;
      const RECT& a = FindWindowEntry(before)->rect;
      const RECT& b = FindWindowEntry(next)->rect;
      return !(b.top < a.top && b.left <= a.left);
    };
    while (first != children.begin() && continues(*(first - 1), *first)) --first;
    while (last != children.end() && continues(*(last - 1), *last)) ++last;
  }
  return std::vector<HWND>(first, last);
}

// A click on a button as the user makes it: the button takes the focus, an
// automatic check box toggles, an automatic radio button checks itself and
// clears the rest of its group, and the dialog hears BN_CLICKED. Plain check
// boxes and radio buttons leave their state to the dialog procedure.
void ClickButton(HWND hwnd) {
  Window* control = FindWindowEntry(hwnd);
  if (control == nullptr) return;
  if (control->kind == WindowKind::Edit) {
    SetFocus(hwnd);
    if (Window* edit = FindWindowEntry(hwnd)) {
      edit->selectionStart = edit->selectionEnd = static_cast<DWORD>(edit->text.size());
      NotifyChange(hwnd, kChangeControl);
    }
    return;
  }
  if (control->kind != WindowKind::Button || ButtonType(*control) == BS_GROUPBOX) return;
  SetFocus(hwnd);
  control = FindWindowEntry(hwnd);
  if (control == nullptr) return;
  switch (ButtonType(*control)) {
    case BS_AUTOCHECKBOX:
      SetCheck(hwnd, control->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
      break;
    case BS_AUTORADIOBUTTON:
      if (const Window* dialog = FindWindowEntry(control->parent)) {
        for (HWND other : ControlGroup(*dialog, hwnd)) {
          const Window* member = FindWindowEntry(other);
          if (other != hwnd && member != nullptr && IsRadioButton(*member)) SetCheck(other, BST_UNCHECKED);
        }
      }
      SetCheck(hwnd, BST_CHECKED);
      break;
    default:
      break;
  }
  Notify(hwnd, BN_CLICKED);
}

LRESULT ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const Window* control = FindWindowEntry(hwnd);
  if (control == nullptr) return 0;
  switch (message) {
    case BM_GETCHECK:
      return HasCheckState(*control) ? control->check : BST_UNCHECKED;
    case BM_SETCHECK:
      if (HasCheckState(*control)) SetCheck(hwnd, static_cast<UINT>(wParam));
      return 0;
    case BM_CLICK:
      ClickButton(hwnd);
      return 0;
    default:
      return DefWindowProc(hwnd, message, wParam, lParam);
  }
}

LRESULT EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* edit = FindWindowEntry(hwnd);
  if (edit == nullptr) return 0;
  switch (message) {
    case WM_SETTEXT: {
      // As a single-line edit does on Win32: the caret goes to the start, and
      // the dialog hears EN_CHANGE. The text limit binds typing only.
      const char* text = reinterpret_cast<const char*>(lParam);
      edit->text = text != nullptr ? text : "";
      edit->selectionStart = edit->selectionEnd = 0;
      NotifyChange(hwnd, kChangeText | kChangeControl);
      Notify(hwnd, EN_CHANGE);
      return TRUE;
    }
    case WM_CHAR:
      TypeCharacter(hwnd, static_cast<char32_t>(wParam));
      return 0;
    case EM_SETSEL:
      SetEditSelection(*edit, static_cast<long>(static_cast<std::intptr_t>(wParam)), static_cast<long>(lParam));
      return 0;
    case EM_GETSEL: {
      if (wParam != 0) *reinterpret_cast<DWORD*>(wParam) = edit->selectionStart;
      if (lParam != 0) *reinterpret_cast<DWORD*>(lParam) = edit->selectionEnd;
      return MAKELONG(static_cast<WORD>(edit->selectionStart), static_cast<WORD>(edit->selectionEnd));
    }
    case EM_LIMITTEXT:
      // 0 is the largest limit, as on Win32.
      edit->textLimit = wParam == 0 ? 0x7FFFFFFE : static_cast<std::size_t>(wParam);
      NotifyChange(hwnd, kChangeControl);
      return 0;
    default:
      return DefWindowProc(hwnd, message, wParam, lParam);
  }
}

LRESULT StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProc(hwnd, message, wParam, lParam);
}

}  // namespace platform
