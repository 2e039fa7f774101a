#include "platform/qt/message_box_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <QWindow>

#include "platform/kernel/driver.h"

namespace platform::qt {

namespace {

constexpr Qt::WindowFlags kBoxFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
constexpr int kIconPixels = 32;
constexpr int kMinimumButtonWidth = 75;
constexpr int kMaximumTextWidth = 420;

QStyle::StandardPixmap IconFor(UINT style) {
  switch (style & MB_ICONMASK) {
    case MB_ICONHAND: return QStyle::SP_MessageBoxCritical;
    case MB_ICONQUESTION: return QStyle::SP_MessageBoxQuestion;
    case MB_ICONEXCLAMATION: return QStyle::SP_MessageBoxWarning;
    case MB_ICONASTERISK: return QStyle::SP_MessageBoxInformation;
    default: return QStyle::SP_CustomBase;
  }
}

}  // namespace

MessageBoxWindow::MessageBoxWindow(const WindowSnapshot& box, const std::vector<WindowSnapshot>& controls,
                                   const QFont& font, QWidget* owner)
    : MirrorWindow(box.handle, kBoxFlags), icon_(new QLabel(this)), text_(new QLabel(this)) {
  setFont(font);
  auto* column = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  top->setSpacing(14);
  icon_->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  const QStyle::StandardPixmap icon = IconFor(box.messageBoxStyle);
  if (icon != QStyle::SP_CustomBase) {
    icon_->setPixmap(style()->standardIcon(icon, nullptr, this).pixmap(kIconPixels, kIconPixels));
  } else {
    icon_->hide();
  }
  text_->setTextFormat(Qt::PlainText);
  text_->setWordWrap(true);
  text_->setMaximumWidth(kMaximumTextWidth);
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  text_->setFocusPolicy(Qt::NoFocus);
  top->addWidget(icon_, 0, Qt::AlignTop);
  top->addWidget(text_, 1);
  column->addLayout(top);
  column->addSpacing(8);
  buttonRow_ = new QHBoxLayout;
  buttonRow_->addStretch(1);
  buttonRow_->addStretch(1);
  column->addLayout(buttonRow_);
  column->setSizeConstraint(QLayout::SetFixedSize);
  create();
  if (owner != nullptr && owner->windowHandle() != nullptr && windowHandle() != nullptr) {
    windowHandle()->setTransientParent(owner->windowHandle());
  }
  for (const WindowSnapshot& control : controls) AddControl(control);
  Apply(box, ~0u);
}

void MessageBoxWindow::Apply(const WindowSnapshot& box, unsigned bits) {
  if ((bits & kChangeText) != 0) {
    setWindowTitle(QString::fromUtf8(box.text.c_str()));
    message_ = box.messageBoxText;
    text_->setText(QString::fromUtf8(message_.c_str()));
  }
  if ((bits & kChangeEnabled) != 0) setEnabled(box.enabled);
  if ((bits & kChangeVisible) != 0) {
    if (box.visible && !isVisible()) {
      adjustSize();
      if (!centred_) {
        // A message box comes up in the middle of the screen, where it is
        // seen whatever small window owns it.
        if (const QScreen* screen = this->screen()) {
          move(screen->availableGeometry().center() - rect().center());
        }
        centred_ = true;
      }
      show();
      BringToFront(this);
      activateWindow();
    } else if (!box.visible && isVisible()) {
      hide();
    }
  }
  if ((bits & kChangeActive) != 0 && box.active && isVisible()) activateWindow();
}

void MessageBoxWindow::AddControl(const WindowSnapshot& control) {
  if (control.kind != WindowKind::Button) return;
  for (const Button& known : buttons_) {
    if (known.handle == control.handle) return;
  }
  auto* button = new QPushButton(QString::fromUtf8(control.text.c_str()), this);
  button->setAutoDefault(false);
  button->setMinimumWidth(kMinimumButtonWidth);
  const HWND handle = control.handle;
  QObject::connect(button, &QPushButton::clicked, [handle] { PostInput(input::ClickControl{handle}); });
  // Buttons go in the order the core made them, between the two stretches.
  buttonRow_->insertWidget(buttonRow_->count() - 1, button);
  if (!buttons_.empty()) QWidget::setTabOrder(buttons_.back().widget, button);
  buttons_.push_back(Button{handle, control.id, button});
  ApplyControl(control, ~0u);
}

void MessageBoxWindow::ApplyControl(const WindowSnapshot& control, unsigned bits) {
  for (const Button& button : buttons_) {
    if (button.handle != control.handle) continue;
    if ((bits & kChangeText) != 0) button.widget->setText(QString::fromUtf8(control.text.c_str()));
    if ((bits & kChangeEnabled) != 0) button.widget->setEnabled(control.enabled);
    if ((bits & kChangeFocus) != 0 && control.focused) {
      button.widget->setDefault(true);
      button.widget->setFocus(Qt::OtherFocusReason);
    } else if ((bits & kChangeFocus) != 0) {
      button.widget->setDefault(false);
    }
  }
}

void MessageBoxWindow::RemoveControl(HWND control) {
  for (auto it = buttons_.begin(); it != buttons_.end(); ++it) {
    if (it->handle != control) continue;
    delete it->widget;
    buttons_.erase(it);
    return;
  }
}

QWidget* MessageBoxWindow::ControlWidget(HWND control) const {
  for (const Button& button : buttons_) {
    if (button.handle == control) return button.widget;
  }
  return nullptr;
}

void MessageBoxWindow::closeEvent(QCloseEvent* event) {
  // The box answers the Close command as Escape: Cancel where it has one, OK
  // when that is its only button, and not at all when it must be answered.
  event->ignore();
  PostToCore(Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
}

}  // namespace platform::qt
