// The controls of a dialog as widgets: push buttons, check boxes, radio
// buttons, edits, static texts, icons, group boxes, frames and rectangles.
//
// The core owns every control's state (check marks, text, selection, focus);
// the widgets show it and report what a person does to them as input. So a
// check box or radio button never checks itself when clicked: the click goes
// to the core, whose dialog decides (a plain radio button stays as it is), and
// the new state comes back to the widget. An edit is edited in place by the
// toolkit's line editor, and each change of its text or selection is handed
// to the core at once.
#pragma once

#include <QWidget>
#include <functional>

#include "platform/user/inspect.h"

namespace platform::qt {

enum class ControlType { PushButton, CheckBox, RadioButton, GroupBox, Edit, Text, Icon, BlackRect, BlackFrame };

ControlType ControlTypeOf(const WindowSnapshot& control);

// Whether the control can take the focus from a static text's mnemonic.
bool TakesMnemonicFocus(ControlType type);

// Makes the widget for a control, as a child of dialog; its geometry is set
// by the dialog.
QWidget* CreateControlWidget(const WindowSnapshot& control, QWidget* dialog);

// Brings the widget up to date with the core's control (bits are
// platform::WindowChange bits; ~0u for everything).
void ApplyControl(QWidget* widget, const WindowSnapshot& control, unsigned bits);

// A static text whose mnemonic moves the focus to buddy (the next control
// after it); with no buddy its mnemonic marks are shown as the text would be.
void SetTextBuddy(QWidget* textWidget, QWidget* buddy);

// A group box's mnemonic moves the focus to the control target() names at
// that moment (none when it gives nullptr).
void SetGroupMnemonicTarget(QWidget* groupBox, std::function<QWidget*()> target);

// The control a widget shows, nullptr when it shows none.
HWND ControlHandleOf(const QWidget* widget);

}  // namespace platform::qt
