#include "platform/qt/dialog_window.h"

#include <QAbstractButton>

#include <QCloseEvent>
#include <QLabel>
#include <QWindow>
#include <algorithm>

#include "platform/kernel/driver.h"
#include "platform/qt/accessibility.h"

namespace platform::qt {

namespace {

constexpr Qt::WindowFlags kDialogFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

}  // namespace

DialogWindow::DialogWindow(const WindowSnapshot& dialog, const std::vector<WindowSnapshot>& controls,
                           const QFont& dialogFont, QWidget* owner, int captionHeight)
    : MirrorWindow(dialog.handle, kDialogFlags), captionHeight_(captionHeight) {
  setFont(dialogFont);
  create();
  if (owner != nullptr && owner->windowHandle() != nullptr && windowHandle() != nullptr) {
    windowHandle()->setTransientParent(owner->windowHandle());
  }
  Apply(dialog, ~0u & ~kChangeVisible);
  // The controls are linked once all are there.
  for (const WindowSnapshot& control : controls) MakeControl(control);
  LinkControls();
  Apply(dialog, kChangeVisible);
}

void DialogWindow::Apply(const WindowSnapshot& dialog, unsigned bits) {
  if ((bits & kChangeText) != 0) setWindowTitle(QString::fromUtf8(dialog.text.c_str()));
  if ((bits & kChangeRect) != 0) {
    // The core's window has a one-pixel border and, with a caption, the
    // caption above its client area; the client area is this widget, and the
    // window manager draws the frame around it.
    const RECT& r = dialog.rect;
    const QPoint corner(r.left, r.top);
    const QPoint moved = corner - corner_;
    corner_ = corner;
    for (Control& control : controls_) {
      RECT& place = control.described.rect;
      place = RECT{place.left + moved.x(), place.top + moved.y(), place.right + moved.x(), place.bottom + moved.y()};
    }
    const int top = (dialog.style & WS_CAPTION) == WS_CAPTION ? captionHeight_ : 1;
    clientOrigin_ = QPoint(r.left + 1, r.top + top);
    setFixedSize(QSize(r.right - r.left - 2, r.bottom - r.top - top - 1).expandedTo(QSize(1, 1)));
    move(r.left, r.top);
  }
  if ((bits & kChangeEnabled) != 0) setEnabled(dialog.enabled);
  if ((bits & kChangeVisible) != 0) {
    if (dialog.visible && !isVisible()) {
      show();
      BringToFront(this);
      activateWindow();
    } else if (!dialog.visible && isVisible()) {
      hide();
    }
  }
  if ((bits & kChangeActive) != 0 && dialog.active && isVisible()) {
    BringToFront(this);
    activateWindow();
  }
}

void DialogWindow::PlaceControl(QWidget* widget, const RECT& rect) {
  QSize size(rect.right - rect.left, rect.bottom - rect.top);
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    if (!label->pixmap().isNull()) {
      // An icon static takes the size of its icon, as the dialog manager makes it.
      size = size.expandedTo(label->pixmap().size());
    } else if (size.height() < 2 * label->fontMetrics().height()) {
      // A label one line high keeps to one line and is as wide as its text
      // needs: the dialog font is a little wider than the one the templates
      // were drawn for, and a cut label says less than a long one.
      label->setWordWrap(false);
      size.setWidth(std::max(size.width(), label->sizeHint().width()));
    }
  }
  widget->setGeometry(QRect(QPoint(rect.left, rect.top) - clientOrigin_, size));
}

void DialogWindow::AddControl(const WindowSnapshot& control) {
  if (ControlWidget(control.handle) != nullptr) {
    ApplyControl(control, ~0u);
    return;
  }
  MakeControl(control);
  LinkControls();
}

void DialogWindow::MakeControl(const WindowSnapshot& control) {
  QWidget* widget = CreateControlWidget(control, this);
  PlaceControl(widget, control.rect);
  const ControlType type = ControlTypeOf(control);
  // Boxes and frames stay beneath the controls drawn inside them.
  if (type == ControlType::GroupBox || type == ControlType::BlackFrame) widget->lower();
  controls_.push_back(Control{control, type, widget, (control.style & WS_GROUP) != 0});
}

void DialogWindow::ApplyControl(const WindowSnapshot& control, unsigned bits) {
  const auto known = std::find_if(controls_.begin(), controls_.end(),
                                  [&](const Control& c) { return c.described.handle == control.handle; });
  if (known == controls_.end()) return;
  known->described = control;
  QWidget* widget = known->widget;
  platform::qt::ApplyControl(widget, control, bits);
  if ((bits & kChangeRect) != 0) PlaceControl(widget, control.rect);
  if ((bits & kChangeFocus) != 0 && control.focused && widget->focusPolicy() != Qt::NoFocus) {
    coreFocus_ = widget;
    widget->setFocus(Qt::OtherFocusReason);
  }
}

void DialogWindow::RemoveControl(HWND control) {
  for (auto it = controls_.begin(); it != controls_.end(); ++it) {
    if (it->described.handle != control) continue;
    if (coreFocus_ == it->widget) coreFocus_ = nullptr;
    delete it->widget;
    controls_.erase(it);
    LinkControls();
    return;
  }
}

QWidget* DialogWindow::ControlWidget(HWND control) const {
  for (const Control& known : controls_) {
    if (known.described.handle == control) return known.widget;
  }
  return nullptr;
}

std::vector<WindowSnapshot> DialogWindow::ControlDescriptions() const {
  std::vector<WindowSnapshot> described;
  described.reserve(controls_.size());
  for (const Control& control : controls_) described.push_back(control.described);
  return described;
}

const WindowSnapshot* DialogWindow::ControlDescription(HWND control) const {
  for (const Control& known : controls_) {
    if (known.described.handle == control) return &known.described;
  }
  return nullptr;
}

void DialogWindow::LinkControls() {
  QWidget* previous = nullptr;
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const Control& control = controls_[i];
    if (TakesMnemonicFocus(control.type)) {
      if (previous != nullptr) QWidget::setTabOrder(previous, control.widget);
      previous = control.widget;
    }
    if (control.type == ControlType::GroupBox) {
      QWidget* marker = control.widget;
      SetGroupMnemonicTarget(marker, [this, marker] { return MnemonicTargetAfter(marker); });
    }
    if (control.type != ControlType::Text) continue;
    QWidget* buddy = nullptr;
    for (std::size_t j = i + 1; j < controls_.size() && buddy == nullptr; ++j) {
      if (TakesMnemonicFocus(controls_[j].type)) buddy = controls_[j].widget;
    }
    SetTextBuddy(control.widget, buddy);
  }
  LabelControlsForReaders(ControlDescriptions(), [this](HWND control) { return ControlWidget(control); });
}

QWidget* DialogWindow::MnemonicTargetAfter(const QWidget* marker) const {
  std::size_t next = 0;
  while (next < controls_.size() && controls_[next].widget != marker) ++next;
  ++next;
  while (next < controls_.size() &&
         !(TakesMnemonicFocus(controls_[next].type) && controls_[next].widget->isEnabled() &&
           controls_[next].widget->isVisible())) {
    ++next;
  }
  if (next >= controls_.size()) return nullptr;
  if (controls_[next].type != ControlType::RadioButton) return controls_[next].widget;
  // The radio buttons up to the next one that starts a group are one group.
  for (std::size_t i = next; i < controls_.size() && controls_[i].type == ControlType::RadioButton; ++i) {
    if (i > next && controls_[i].startsGroup) break;
    if (const auto* radio = qobject_cast<const QAbstractButton*>(controls_[i].widget); radio && radio->isChecked()) {
      return controls_[i].widget;
    }
  }
  return controls_[next].widget;
}

void DialogWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && coreFocus_ != nullptr &&
      focusWidget() != coreFocus_) {
    coreFocus_->setFocus(Qt::OtherFocusReason);
  }
  MirrorWindow::changeEvent(event);
}

void DialogWindow::closeEvent(QCloseEvent* event) {
  // The dialog ends when its procedure says so: the close button is the
  // Close command, which a dialog takes as its Cancel.
  event->ignore();
  PostToCore(Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
}

}  // namespace platform::qt
