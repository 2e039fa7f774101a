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
  // controls: the dialog's controls in template order. captionHeight is
  // SM_CYCAPTION, which tells where the core's client area begins inside the
  // window's rectangle.
  DialogWindow(const WindowSnapshot& dialog, const std::vector<WindowSnapshot>& controls, const QFont& dialogFont,
               QWidget* owner, int captionHeight);

  void Apply(const WindowSnapshot& dialog, unsigned bits) override;
  void AddControl(const WindowSnapshot& control) override;
  void ApplyControl(const WindowSnapshot& control, unsigned bits) override;
  void RemoveControl(HWND control) override;
  QWidget* ControlWidget(HWND control) const override;

  // The top-left corner of the client area on the screen, as the core sees it.
  QPoint ClientOrigin() const { return clientOrigin_; }
  // The controls as the core last described them, in template order; one of
  // them, nullptr when the dialog has no such control. Readers are answered
  // from these without asking the core again.
  std::vector<WindowSnapshot> ControlDescriptions() const;
  const WindowSnapshot* ControlDescription(HWND control) const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  struct Control {
    WindowSnapshot described;  // kept current by every change of the control
    ControlType type;
    QWidget* widget;
    bool startsGroup;  // WS_GROUP
  };

  // Makes the widget of a control; LinkControls then fits it in among the others.
  void MakeControl(const WindowSnapshot& control);
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
  // The window's top-left corner on the screen: the core moves the controls
  // with the dialog without a word about them.
  QPoint corner_;
  std::vector<Control> controls_;  // template order
};

}  // namespace platform::qt
