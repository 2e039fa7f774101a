// Turning a driver's input into the messages a Win32 program gets.
#include <type_traits>

#include "platform/user/core_state.h"

namespace platform {

namespace {

template <class... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

bool IsButtonDown(UINT message) {
  return message == WM_NCLBUTTONDOWN || message == WM_NCRBUTTONDOWN || message == WM_NCLBUTTONDBLCLK;
}

// Input for a window that is gone, hidden or disabled goes nowhere, as a
// click on a window behind a modal dialog does.
bool Reachable(HWND hwnd) {
  const HWND top = TopLevelOf(hwnd);
  return top != nullptr && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd) && IsWindowEnabled(top);
}

// A press on a window that is not active asks it first (WM_MOUSEACTIVATE),
// then activates it (WM_ACTIVATE with WA_CLICKACTIVE) unless it said no; a
// result of 0 counts as MA_ACTIVATE. Returns false when the press is eaten.
bool ActivateByMouse(HWND hwnd, UINT message, WPARAM hitTest) {
  if (Core().active == hwnd) return true;
  LRESULT answer = CallProcedure(hwnd, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(hwnd),
                                 MAKELPARAM(static_cast<WORD>(hitTest), static_cast<WORD>(message)));
  if (answer == 0) answer = MA_ACTIVATE;
  if ((answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT) && FindWindowEntry(hwnd) != nullptr) {
    ActivateWindow(hwnd, WA_CLICKACTIVE);
  }
  return answer == MA_ACTIVATE || answer == MA_NOACTIVATE;
}

// Keys go to an open menu or a move first, then to the focus, then to the
// active window.
HWND KeyTarget() {
  const CoreState& core = Core();
  if (core.menuTrack != nullptr) return core.menuTrack->owner;
  if (core.moveTrack != nullptr) return core.moveTrack->hwnd;
  if (core.focus != nullptr) return core.focus;
  return core.active;
}

// One code point from UTF-8 text; a byte that is not UTF-8 stands for itself.
char32_t NextCodePoint(const std::string& text, std::size_t* at) {
  const auto lead = static_cast<unsigned char>(text[*at]);
  std::size_t length = 1;
  char32_t value = lead;
  if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    value = lead & 0x07;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    value = lead & 0x0F;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    value = lead & 0x1F;
  }
  if (*at + length > text.size()) length = 1;
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[*at + i]);
    if ((next & 0xC0) != 0x80) {
      length = 1;
      value = lead;
      break;
    }
    value = (value << 6) | (next & 0x3F);
  }
  if (length == 1) value = lead;
  *at += length;
  return value;
}

MSG Message(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return MSG{hwnd, message, wParam, lParam, 0, {0, 0}};
}

// Input the core carries out itself when its message is dispatched, so that
// what it sets off runs where the program's code runs.
MSG Deferred(InputEvent event) {
  CoreState& core = Core();
  const WPARAM id = core.nextInputId++;
  core.inputInFlight.emplace(id, std::move(event));
  return Message(nullptr, kCoreInputMessage, id, 0);
}

// Returns true with a message to hand out, false when the input went nowhere.
bool Convert(InputEvent& event, MSG* out) {
  CoreState& core = Core();
  return std::visit(
      Overloaded{
          [&](input::NcMouse& mouse) {
            if (core.moveTrack != nullptr) {
              *out = Deferred(mouse);
              return true;
            }
            if (!Reachable(mouse.hwnd) || FindWindowEntry(mouse.hwnd)->parent != nullptr) return false;
            if (IsButtonDown(mouse.message) && !ActivateByMouse(mouse.hwnd, mouse.message, mouse.hitTest)) return false;
            if (FindWindowEntry(mouse.hwnd) == nullptr) return false;
            *out = Message(mouse.hwnd, mouse.message, mouse.hitTest,
                           MAKELPARAM(static_cast<WORD>(mouse.screen.x), static_cast<WORD>(mouse.screen.y)));
            return true;
          },
          [&](input::Key& key) {
            const HWND target = KeyTarget();
            if (target == nullptr) return false;
            *out = Message(target, key.down ? WM_KEYDOWN : WM_KEYUP, static_cast<WPARAM>(key.virtualKey),
                           key.down ? 1 : static_cast<LPARAM>(0xC0000001u));
            return true;
          },
          [&](input::Text& text) {
            const HWND target = text.hwnd != nullptr ? text.hwnd : KeyTarget();
            if (target == nullptr) return false;
            for (std::size_t at = 0; at < text.utf8.size();) {
              core.inputMessages.push_back(Message(target, WM_CHAR, NextCodePoint(text.utf8, &at), 1));
            }
            return false;  // the characters follow from inputMessages
          },
          [&](auto& other) {
            *out = Deferred(std::move(other));
            return true;
          },
      },
      event);
}

void EndSessionNow() {
  const std::vector<HWND> windows = Core().topLevel;
  bool agreed = true;
  for (HWND hwnd : windows) {
    if (FindWindowEntry(hwnd) != nullptr && CallProcedure(hwnd, WM_QUERYENDSESSION, 0, 0) == 0) agreed = false;
  }
  for (HWND hwnd : windows) {
    if (FindWindowEntry(hwnd) != nullptr) CallProcedure(hwnd, WM_ENDSESSION, agreed ? TRUE : FALSE, 0);
  }
}

}  // namespace

bool TakeInput(MSG* out) {
  CoreState& core = Core();
  for (;;) {
    while (!core.inputMessages.empty()) {
      *out = core.inputMessages.front();
      core.inputMessages.pop_front();
      if (FindWindowEntry(out->hwnd) != nullptr) return true;
    }
    if (core.input.empty()) return false;
    InputEvent event = std::move(core.input.front());
    core.input.pop_front();
    if (Convert(event, out)) return true;
  }
}

void HandleInputMessage(WPARAM id) {
  CoreState& core = Core();
  const auto found = core.inputInFlight.find(id);
  if (found == core.inputInFlight.end()) return;
  InputEvent event = std::move(found->second);
  core.inputInFlight.erase(found);
  std::visit(Overloaded{
                 [&](input::NcMouse& mouse) {
                   if (core.moveTrack != nullptr && mouse.message == WM_NCLBUTTONUP) core.moveTrack->done = true;
                 },
                 [&](input::ClickControl& click) {
                   if (Reachable(click.control)) ClickButton(click.control);
                 },
                 [&](input::FocusControl& focus) {
                   if (!Reachable(focus.control)) return;
                   SetFocus(focus.control);
                   const Window* control = FindWindowEntry(focus.control);
                   if (control != nullptr && control->kind == WindowKind::Edit) {
                     SendMessage(focus.control, EM_SETSEL, 0, -1);
                   }
                 },
                 [&](input::OpenSystemMenu& open) {
                   if (Reachable(open.hwnd)) TrackSystemMenu(open.hwnd);
                 },
                 [&](input::MenuHighlight& highlight) {
                   if (core.menuTrack == nullptr) return;
                   core.menuTrack->highlighted = highlight.id;
                   CurrentDriver().MenuHighlightChanged(core.menuTrack->menu, highlight.id);
                 },
                 [&](input::MenuChoose& choose) {
                   if (core.menuTrack == nullptr) return;
                   core.menuTrack->chosen = choose.id;
                   core.menuTrack->done = true;
                 },
                 [&](input::MenuCancel&) {
                   if (core.menuTrack != nullptr) core.menuTrack->done = true;
                 },
                 [&](input::MoveTo& move) {
                   if (core.moveTrack == nullptr) return;
                   SetWindowPos(core.moveTrack->hwnd, nullptr, move.topLeft.x, move.topLeft.y, 0, 0,
                                SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                 },
                 [&](input::MoveEnd&) {
                   if (core.moveTrack != nullptr) core.moveTrack->done = true;
                 },
                 [&](input::WindowMoved& moved) {
                   if (FindWindowEntry(moved.hwnd) == nullptr) return;
                   SetWindowPos(moved.hwnd, nullptr, moved.topLeft.x, moved.topLeft.y, 0, 0,
                                SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                 },
                 [&](input::WindowActivated& activated) {
                   if (activated.hwnd == nullptr) {
                     ActivateWindow(nullptr, WA_INACTIVE);
                   } else if (Reachable(activated.hwnd) && FindWindowEntry(activated.hwnd)->parent == nullptr) {
                     ActivateWindow(activated.hwnd, WA_ACTIVE);
                   }
                 },
                 [&](input::EndSession&) { EndSessionNow(); },
                 [&](input::FileChosen& chosen) {
                   if (core.fileChooser == nullptr) return;
                   core.fileChooser->ok = chosen.ok;
                   core.fileChooser->path = chosen.path;
                   core.fileChooser->done = true;
                 },
                 [&](auto&) {},
             },
             event);
}

}  // namespace platform
