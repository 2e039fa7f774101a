// A message box of the core: its icon, its text and its buttons, laid out
// by the toolkit. A button click is the answer the core waits for; Enter and
// Escape go to the core, which knows the box's default and cancel buttons;
// the close button is the Close command, which the box answers as Escape.
#pragma once

#include <QFont>
#include <string>
#include <vector>

#include "platform/qt/mirror_window.h"

class QHBoxLayout;
class QLabel;
class QPushButton;

namespace platform::qt {

class MessageBoxWindow final : public MirrorWindow {
 public:
  // controls: the box's text, icon and buttons in the order the core made them.
  MessageBoxWindow(const WindowSnapshot& box, const std::vector<WindowSnapshot>& controls, const QFont& font,
                   QWidget* owner);

  void Apply(const WindowSnapshot& box, unsigned bits) override;
  void AddControl(const WindowSnapshot& control) override;
  void ApplyControl(const WindowSnapshot& control, unsigned bits) override;
  void RemoveControl(HWND control) override;
  QWidget* ControlWidget(HWND control) const override;

  // What the box says, as it shows it.
  const std::string& Message() const { return message_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  struct Button {
    HWND handle;
    int id;
    QPushButton* widget;
  };

  QLabel* icon_;
  QLabel* text_;
  QHBoxLayout* buttonRow_;
  std::vector<Button> buttons_;
  std::string message_;
  bool centred_ = false;
};

}  // namespace platform::qt
