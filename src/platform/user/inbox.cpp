#include "platform/user/inbox.h"

#include <atomic>
#include <mutex>
#include <vector>

#include "platform/user/core_state.h"

namespace platform {

namespace {

struct InboxItem {
  enum class Kind { Message, Input, Quit } kind;
  MSG message;
  InputEvent input;
  int quitCode;
};

struct Inbox {
  std::mutex mutex;
  std::vector<InboxItem> items;
  // Checked without the lock on every look for a message, so an empty inbox
  // costs the program's loop one atomic read.
  std::atomic<bool> filled{false};
};

Inbox& TheInbox() {
  static Inbox inbox;
  return inbox;
}

void Put(InboxItem item) {
  Inbox& inbox = TheInbox();
  {
    std::lock_guard lock(inbox.mutex);
    inbox.items.push_back(std::move(item));
    inbox.filled.store(true, std::memory_order_release);
  }
  CurrentDriver().WakeUp();
}

}  // namespace

void PostToCore(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Put(InboxItem{InboxItem::Kind::Message, MSG{hwnd, message, wParam, lParam, 0, {0, 0}}, {}, 0});
}

void PostInput(InputEvent event) { Put(InboxItem{InboxItem::Kind::Input, {}, std::move(event), 0}); }

void PostQuitToCore(int exitCode) { Put(InboxItem{InboxItem::Kind::Quit, {}, {}, exitCode}); }

void DrainInbox() {
  Inbox& inbox = TheInbox();
  if (!inbox.filled.load(std::memory_order_acquire)) return;
  std::vector<InboxItem> items;
  {
    std::lock_guard lock(inbox.mutex);
    items.swap(inbox.items);
    inbox.filled.store(false, std::memory_order_relaxed);
  }
  CoreState& core = Core();
  for (InboxItem& item : items) {
    switch (item.kind) {
      case InboxItem::Kind::Message:
        // A message for a window that is gone by now goes nowhere.
        if (item.message.hwnd == nullptr || FindWindowEntry(item.message.hwnd) != nullptr) {
          core.posted.push_back(item.message);
        }
        break;
      case InboxItem::Kind::Input:
        core.input.push_back(std::move(item.input));
        break;
      case InboxItem::Kind::Quit:
        core.quitPending = true;
        core.quitCode = item.quitCode;
        break;
    }
  }
}

void ClearInbox() {
  Inbox& inbox = TheInbox();
  std::lock_guard lock(inbox.mutex);
  inbox.items.clear();
  inbox.filled.store(false, std::memory_order_relaxed);
}

}  // namespace platform
