// The keyboard: which keys are down (GetKeyState), and the keys that mean
// something to the core rather than to the widget with the focus: Enter and
// Escape in a dialog or message box, the arrow keys on a dialog's button,
// Alt+Space, Shift+F10 and the Menu key on the clock, F1 in the open system menu. Every other key is left
// to the widgets (typing, Tab, a button's mnemonic, an edit's caret).
#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <vector>

#include "platform/win32.h"

namespace platform::qt {

class MirrorWindow;

// The virtual-key code of a toolkit key, 0 for one the program never asks about.
int VirtualKeyOf(int qtKey);

class KeyRouter final : public QObject {
 public:
  // findWindow maps a top-level widget to the mirror window it is, or nullptr.
  // menuOpen tells whether the system menu is open.
  KeyRouter(std::function<MirrorWindow*(QWidget*)> findWindow, std::function<bool()> menuOpen);

  // GetKeyState: the high bit set while the key is down.
  SHORT KeyState(int virtualKey) const;

  // The program sees a key as released only after it has had the chance to
  // see it down: releases wait until the program next waits for input.
  void ProgramWaits();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool RouteKey(QObject* watched, int qtKey, Qt::KeyboardModifiers modifiers, bool down, bool autoRepeat);
  void SetDown(int virtualKey, bool down);

  std::function<MirrorWindow*(QWidget*)> findWindow_;
  std::function<bool()> menuOpen_;
  std::map<int, bool> down_;
  std::vector<int> releasesPending_;
};

}  // namespace platform::qt
