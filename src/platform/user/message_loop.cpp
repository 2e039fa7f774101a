// Where every message loop gets its next message: GetMessage, and the modal loops.
#include "platform/user/core_state.h"
#include "platform/user/inbox.h"

namespace platform {

namespace {

bool InFilter(const MSG& message, HWND filterWindow, UINT filterMin, UINT filterMax) {
  if (filterWindow != nullptr && message.hwnd != filterWindow) return false;
  if (filterMin == 0 && filterMax == 0) return true;
  return message.message >= filterMin && message.message <= filterMax;
}

bool TakePosted(MSG* out, HWND filterWindow, UINT filterMin, UINT filterMax) {
  auto& posted = Core().posted;
  for (auto it = posted.begin(); it != posted.end(); ++it) {
    if (!InFilter(*it, filterWindow, filterMin, filterMax)) continue;
    *out = *it;
    posted.erase(it);
    return true;
  }
  return false;
}

bool SomethingQueued() {
  const CoreState& core = Core();
  return !core.posted.empty() || core.quitPending || !core.input.empty() || !core.inputMessages.empty();
}

}  // namespace

bool IsKeyboardMessage(UINT message) { return message >= WM_KEYDOWN && message <= 0x0109; }

// The order is Win32's: posted messages, then the quit request, then input,
// then a due timer; with nothing of these the driver waits until the next
// deadline or until something arrives.
NextResult NextMessage(MSG* message, HWND filterWindow, UINT filterMin, UINT filterMax,
                       const std::function<void()>& idle) {
  CoreState& core = Core();
  const bool filtered = filterWindow != nullptr || filterMin != 0 || filterMax != 0;
  // The idle call comes once each time the loop runs dry, not again on every
  // wake-up that brings nothing.
  bool idleCalled = false;
  for (;;) {
    DrainInbox();
    // A WM_QUIT posted like any message ends the loop as the quit request does.
    if (TakePosted(message, filterWindow, filterMin, filterMax)) {
      return message->message == WM_QUIT ? NextResult::Quit : NextResult::Message;
    }
    if (core.quitPending) {
      core.quitPending = false;
      *message = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(core.quitCode), 0, 0, {0, 0}};
      return NextResult::Quit;
    }
    if (!filtered && TakeInput(message)) return NextResult::Message;
    Driver& driver = CurrentDriver();
    if (TakeDueTimer(message, driver.MonotonicNowMs(), filterWindow)) return NextResult::Message;
    if (idle && !idleCalled) {
      idleCalled = true;
      idle();
      DrainInbox();
      if (SomethingQueued()) continue;
    }
    driver.WaitForInput(NextWakeDeadline());
  }
}

bool RunModalLoop(const std::function<bool()>& done, HWND dialogForKeys,
                  const std::function<bool(const MSG&)>& keyFilter, const std::function<void()>& idle) {
  bool quit = false;
  while (!done()) {
    MSG message{};
    if (NextMessage(&message, nullptr, 0, 0, idle) == NextResult::Quit) {
      // The quit request belongs to the outermost loop: pass it on.
      PostQuitMessage(static_cast<int>(message.wParam));
      quit = true;
      break;
    }
    if (keyFilter && IsKeyboardMessage(message.message) && keyFilter(message)) continue;
    if (dialogForKeys != nullptr && IsDialogMessage(dialogForKeys, &message)) continue;
    TranslateMessage(&message);
    DispatchMessage(&message);
  }
  return !quit;
}

}  // namespace platform

using platform::FindWindowEntry;

BOOL GetMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax) {
  if (msg == nullptr || (hwnd != nullptr && FindWindowEntry(hwnd) == nullptr)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return -1;
  }
  return platform::NextMessage(msg, hwnd, filterMin, filterMax) == platform::NextResult::Quit ? FALSE : TRUE;
}
