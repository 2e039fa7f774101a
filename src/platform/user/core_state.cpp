#include "platform/user/core_state.h"

#include "platform/kernel/zone_change.h"

namespace platform {

namespace {

// A new time zone reaches every top-level window at once, as on Win32.
void TellTopLevelWindowsOfTheZone() {
  for (HWND window : Core().topLevel) PostMessage(window, WM_TIMECHANGE, 0, 0);
}

}  // namespace

CoreState& Core() {
  static CoreState state;
  // The clocks, a floor below, notice the change; the windows are here.
  static const bool listening = [] {
    SetZoneChangeListener(&TellTopLevelWindowsOfTheZone);
    return true;
  }();
  (void)listening;
  return state;
}

namespace {

// Handles are spaced by four from a base well above any small integer, so a
// stray number (0, 1, -1 as "no dialog") never names a window.
constexpr std::uintptr_t kWindowHandleBase = 0x10000;
constexpr std::uintptr_t kWindowHandleStep = 4;

}  // namespace

HWND NewWindowHandle() {
  const std::size_t index = Core().windows.size();
  Core().windows.emplace_back();
  return reinterpret_cast<HWND>(kWindowHandleBase + index * kWindowHandleStep);
}

Window* FindWindowEntry(HWND hwnd) {
  const auto value = reinterpret_cast<std::uintptr_t>(hwnd);
  if (value < kWindowHandleBase || (value - kWindowHandleBase) % kWindowHandleStep != 0) return nullptr;
  const std::size_t index = (value - kWindowHandleBase) / kWindowHandleStep;
  auto& windows = Core().windows;
  return index < windows.size() ? windows[index].get() : nullptr;
}

std::unique_ptr<Window>* WindowSlot(HWND hwnd) {
  const auto value = reinterpret_cast<std::uintptr_t>(hwnd);
  if (value < kWindowHandleBase || (value - kWindowHandleBase) % kWindowHandleStep != 0) return nullptr;
  const std::size_t index = (value - kWindowHandleBase) / kWindowHandleStep;
  auto& windows = Core().windows;
  return index < windows.size() ? &windows[index] : nullptr;
}

HWND TopLevelOf(HWND hwnd) {
  Window* window = FindWindowEntry(hwnd);
  while (window != nullptr && window->parent != nullptr) {
    Window* parent = FindWindowEntry(window->parent);
    if (parent == nullptr) break;
    window = parent;
  }
  return window != nullptr ? window->handle : nullptr;
}

void NotifyChange(HWND hwnd, unsigned changes) { CurrentDriver().WindowChanged(hwnd, changes); }

}  // namespace platform
