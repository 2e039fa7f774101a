// An open menu: its own modal loop, in which every other message is still
// dispatched (timers keep firing), keys move and choose, and the owner hears
// WM_ENTERIDLE each time the menu waits for input.
#include "platform/user/core_state.h"

namespace platform {

const std::vector<MenuItem>* MenuItems(HMENU handle);

namespace {

constexpr int kKeyUp = 0x26;
constexpr int kKeyDown = 0x28;

bool Selectable(const MenuItem& item) { return (item.flags & MF_SEPARATOR) == 0; }

bool Enabled(const MenuItem& item) { return (item.flags & (MF_GRAYED | MF_DISABLED)) == 0; }

void MoveHighlight(MenuTrack& track, int step) {
  const std::vector<MenuItem>* items = MenuItems(track.menu);
  if (items == nullptr || items->empty()) return;
  const int count = static_cast<int>(items->size());
  int at = -1;
  for (int i = 0; i < count; ++i) {
    if (Selectable((*items)[static_cast<std::size_t>(i)]) && (*items)[static_cast<std::size_t>(i)].id == track.highlighted) at = i;
  }
  for (int n = 0; n < count; ++n) {
    at = at < 0 ? (step > 0 ? 0 : count - 1) : (at + step + count) % count;
    if (Selectable((*items)[static_cast<std::size_t>(at)])) {
      track.highlighted = (*items)[static_cast<std::size_t>(at)].id;
      CurrentDriver().MenuHighlightChanged(track.menu, track.highlighted);
      return;
    }
  }
}

// Enter chooses the highlighted item (nothing highlighted: the menu just
// closes), Escape closes, the arrows move; every key is the menu's.
bool MenuKey(MenuTrack& track, const MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return true;
  switch (static_cast<int>(message.wParam)) {
    case VK_RETURN: {
      const std::vector<MenuItem>* items = MenuItems(track.menu);
      if (items != nullptr) {
        for (const MenuItem& item : *items) {
          if (Selectable(item) && item.id == track.highlighted && Enabled(item)) track.chosen = item.id;
        }
      }
      track.done = true;
      break;
    }
    case VK_ESCAPE:
      track.done = true;
      break;
    case kKeyUp:
      MoveHighlight(track, -1);
      break;
    case kKeyDown:
      MoveHighlight(track, +1);
      break;
    default:
      break;
  }
  return true;
}

// Clears a pointer to a loop's state when the loop ends, also when the
// program is unwound out of it.
template <class T>
class Tracking {
 public:
  Tracking(T*& slot, T* value) : slot_(slot) { slot_ = value; }
  ~Tracking() { slot_ = nullptr; }
  Tracking(const Tracking&) = delete;
  Tracking& operator=(const Tracking&) = delete;

 private:
  T*& slot_;
};

// A menu opens with its first item that can be chosen highlighted, as one
// opened from the keyboard does.
UINT FirstChoosable(HMENU menu) {
  const std::vector<MenuItem>* items = MenuItems(menu);
  if (items == nullptr) return 0;
  for (const MenuItem& item : *items) {
    if (Selectable(item) && Enabled(item)) return item.id;
  }
  return 0;
}

}  // namespace

void EndOpenMenu() {
  if (Core().menuTrack != nullptr) Core().menuTrack->done = true;
}

void TrackSystemMenu(HWND hwnd) {
  CoreState& core = Core();
  if (core.menuTrack != nullptr || FindWindowEntry(hwnd) == nullptr) return;
  const HMENU menu = GetSystemMenu(hwnd, FALSE);
  CallProcedure(hwnd, WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
  if (FindWindowEntry(hwnd) == nullptr || core.menuTrack != nullptr) return;

  MenuTrack track;
  track.owner = hwnd;
  track.menu = menu;
  track.highlighted = FirstChoosable(menu);
  const Tracking<MenuTrack> tracking(core.menuTrack, &track);
  CurrentDriver().MenuOpened(hwnd, menu);
  RunModalLoop([&] { return track.done || FindWindowEntry(hwnd) == nullptr; }, nullptr,
               [&](const MSG& message) { return MenuKey(track, message); },
               [&] { CallProcedure(hwnd, WM_ENTERIDLE, MSGF_MENU, 0); });
  CurrentDriver().MenuClosed(hwnd, menu);
  // The choice arrives as a posted command, after the menu has closed.
  if (track.chosen != 0 && FindWindowEntry(hwnd) != nullptr) PostMessage(hwnd, WM_SYSCOMMAND, track.chosen, 0);
}

void RunMoveLoop(HWND hwnd) {
  CoreState& core = Core();
  const Window* window = FindWindowEntry(hwnd);
  if (core.moveTrack != nullptr || window == nullptr) return;
  MoveTrack track;
  track.hwnd = hwnd;
  track.start = window->rect;
  const Tracking<MoveTrack> tracking(core.moveTrack, &track);
  CurrentDriver().MoveStarted(hwnd);
  RunModalLoop([&] { return track.done || FindWindowEntry(hwnd) == nullptr; }, nullptr, [&](const MSG& message) {
    if (message.message != WM_KEYDOWN) return true;
    if (message.wParam == static_cast<WPARAM>(VK_ESCAPE)) {
      // Escape puts the window back where the move began.
      track.done = true;
      SetWindowPos(hwnd, nullptr, track.start.left, track.start.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else if (message.wParam == static_cast<WPARAM>(VK_RETURN)) {
      track.done = true;
    }
    return true;
  });
  CurrentDriver().MoveEnded(hwnd);
}

}  // namespace platform
