#include "platform/qt/key_router.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

#include "platform/user/arrow_keys.h"
#include "platform/kernel/driver.h"
#include "platform/qt/caption_window.h"
#include "platform/qt/dialog_controls.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/mirror_window.h"

namespace platform::qt {

namespace {

constexpr int kVkShift = 0x10;
constexpr int kVkControl = 0x11;
constexpr int kVkSpace = 0x20;

}  // namespace

int VirtualKeyOf(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Alt: return VK_MENU;
    case Qt::Key_Shift: return kVkShift;
    case Qt::Key_Control: return kVkControl;
    case Qt::Key_Space: return kVkSpace;
    case Qt::Key_Left: return kVkLeft;
    case Qt::Key_Up: return kVkUp;
    case Qt::Key_Right: return kVkRight;
    case Qt::Key_Down: return kVkDown;
    default: break;
  }
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return VK_F1 + (qtKey - Qt::Key_F1);
  // Letters and digits have the same codes in both.
  if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) return qtKey;
  return 0;
}

KeyRouter::KeyRouter(std::function<MirrorWindow*(QWidget*)> findWindow, std::function<bool()> menuOpen)
    : findWindow_(std::move(findWindow)), menuOpen_(std::move(menuOpen)) {}

SHORT KeyRouter::KeyState(int virtualKey) const {
  const auto found = down_.find(virtualKey);
  return found != down_.end() && found->second ? static_cast<SHORT>(-32768) : 0;
}

void KeyRouter::SetDown(int virtualKey, bool down) {
  if (virtualKey == 0) return;
  if (down) {
    down_[virtualKey] = true;
  } else {
    releasesPending_.push_back(virtualKey);
  }
}

void KeyRouter::ProgramWaits() {
  for (int key : releasesPending_) down_[key] = false;
  releasesPending_.clear();
}

bool KeyRouter::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::ApplicationDeactivate) {
    // Keys released while another program has the keyboard are never seen.
    down_.clear();
    releasesPending_.clear();
    return false;
  }
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
  // A key event reaches the window first and then each widget from the one
  // with the focus outwards; it is looked at once, at the first widget.
  if (!watched->isWidgetType()) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  return RouteKey(watched, key->key(), key->modifiers(), type == QEvent::KeyPress, key->isAutoRepeat());
}

bool KeyRouter::RouteKey(QObject* watched, int qtKey, Qt::KeyboardModifiers modifiers, bool down,
                         bool autoRepeat) {
  const int virtualKey = VirtualKeyOf(qtKey);
  if (!autoRepeat) SetDown(virtualKey, down);
  auto* widget = static_cast<QWidget*>(watched);
  if (menuOpen_() && virtualKey == VK_F1) {
    // Help on the highlighted item: the program looks at F1 while the menu
    // waits, so the key must reach the core's menu.
    if (!autoRepeat) PostInput(input::Key{VK_F1, down});
    return false;
  }
  MirrorWindow* window = findWindow_(widget->window());
  if (window == nullptr) return false;
  if (auto* caption = dynamic_cast<CaptionWindow*>(window)) {
    // Alt+Space is the system menu's key on its home system; under a window
    // manager that key is usually the manager's, so Shift+F10 and the Menu
    // key open it too, as they open a context menu.
    const bool menuKey = (qtKey == Qt::Key_Space && (modifiers & Qt::AltModifier) != 0) ||
                         (qtKey == Qt::Key_F10 && (modifiers & Qt::ShiftModifier) != 0) || qtKey == Qt::Key_Menu;
    if (menuKey) {
      if (down && !autoRepeat) PostInput(input::OpenSystemMenu{caption->Handle()});
      return true;
    }
    return false;
  }
  if (IsArrowKey(virtualKey)) {
    // On a dialog's button the arrows move through its group by the core's
    // rule, which moves the focus and makes the choice; the toolkit's own
    // arrow handling (Left and Right as Tab) stays out of it. A held arrow
    // repeats, as it does in a list. Elsewhere (an edit's caret, a message
    // box) the arrows stay the widget's.
    const bool dialogButton = dynamic_cast<DialogWindow*>(window) != nullptr &&
                              qobject_cast<QAbstractButton*>(widget) != nullptr && ControlHandleOf(widget) != nullptr;
    if (!dialogButton) return false;
    if (down || !autoRepeat) PostInput(input::Key{virtualKey, down});
    return true;
  }
  if (virtualKey != VK_RETURN && virtualKey != VK_ESCAPE) return false;
  // Enter on a push button with the focus clicks that button: the button
  // with the focus is the default one while it has it.
  if (auto* button = qobject_cast<QPushButton*>(widget); button != nullptr && virtualKey == VK_RETURN) {
    if (down && !autoRepeat) button->click();
    return true;
  }
  if (!autoRepeat) PostInput(input::Key{virtualKey, down});
  return true;
}

}  // namespace platform::qt
