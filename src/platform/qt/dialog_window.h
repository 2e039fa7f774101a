// A dialog of the core as a dialog window: its controls placed where the
// core put them (the template's dialog units times the dialog font's base
// units, from the client area's corner), tab order in template order, a static text's or group box's mnemonic
// handing the focus to the control after it, and the window's close button as Cancel.
// Enter and Escape go to the core, whose dialog manager picks the default
// button or IDCANCEL; so do the arrow keys on a button, which move the focus
// through its group there and come back here as the core's focus.
#pragma once

#include <QFont>
#include <QPoint>
#include <map>
#include <vector>

#include "platform/qt/dialog_controls.h"
#include "platform/qt/mirror_window.h"

namespace platform::qt {

class DialogWindow final : public MirrorWindow {
 public:
  // captionHeight is SM_CYCAPTION, which tells where the core's client area
  // begins inside the window's rectangle.
  DialogWindow(const WindowSnapshot& dialog, const QFont& dialogFont, QWidget* owner, int captionHeight);

  void Apply(const WindowSnapshot& dialog, unsigned bits) override;
  void AddControl(const WindowSnapshot& control) override;
  void ApplyControl(const WindowSnapshot& control, unsigned bits) override;
  void RemoveControl(HWND control) override;
  QWidget* ControlWidget(HWND control) const override;

  // The top-left corner of the client area on the screen, as the core sees it.
  QPoint ClientOrigin() const { return clientOrigin_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  struct Control {
    HWND handle;
    int id;
    ControlType type;
    QWidget* widget;
    bool startsGroup;  // WS_GROUP
  };

  void PlaceControl(QWidget* widget, const RECT& rect);
  void LinkControls();
  // Where a group box's mnemonic sends the focus: the next control after it
  // that can take the focus; for a radio button, its group's checked one.
  QWidget* MnemonicTargetAfter(const QWidget* marker) const;

  int captionHeight_;
  // The control the core gave the focus; it takes the keyboard whenever the
  // window does.
  QWidget* coreFocus_ = nullptr;
  QPoint clientOrigin_;
  std::vector<Control> controls_;  // template order
};

}  // namespace platform::qt
