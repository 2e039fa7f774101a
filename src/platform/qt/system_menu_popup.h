// The system menu of a window, shown as a popup menu while the core's menu
// is open. The pointer resting on an item, a choice and a close without a
// choice go to the core; the core's own highlight (a key that moved it) and
// its closing of the menu come back here.
#pragma once

#include <QMenu>
#include <QObject>
#include <QPoint>
#include <QPointer>

#include "platform/win32.h"

class QAction;

namespace platform::qt {

class SystemMenuPopup final : public QObject {
 public:
  SystemMenuPopup();
  ~SystemMenuPopup() override;

  // Shows the items of menu at the given place on the screen.
  void Open(HMENU menu, QPoint at);
  void Highlight(UINT id);
  // The core closed the menu (a choice, a cancel, the window went away).
  void Close();
  bool IsOpen() const;
  QMenu* Menu() const { return menu_; }

 private:
  void OnTriggered(QAction* action);
  void OnHovered(QAction* action);
  void OnAboutToHide();

  QPointer<QMenu> menu_;
  bool closingForCore_ = false;
  bool chosen_ = false;
  bool highlighting_ = false;
};

}  // namespace platform::qt
