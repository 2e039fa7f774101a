#include "platform/qt/key_router.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

#include "platform/core/driver.h"
#include "platform/qt/caption_window.h"
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
    if (qtKey == Qt::Key_Space && (modifiers & Qt::AltModifier) != 0) {
      if (down && !autoRepeat) PostInput(input::OpenSystemMenu{caption->Handle()});
      return true;
    }
    return false;
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
