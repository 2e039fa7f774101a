#include "platform/qt/system_menu_popup.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

#include "platform/kernel/driver.h"
#include "platform/user/inspect.h"

namespace platform::qt {

namespace {

UINT IdOf(const QAction* action) { return action != nullptr ? action->data().toUInt() : 0; }

}  // namespace

SystemMenuPopup::SystemMenuPopup() = default;

SystemMenuPopup::~SystemMenuPopup() { delete menu_; }

void SystemMenuPopup::Open(HMENU handle, QPoint at) {
  Close();
  const auto described = DescribeMenu(handle);
  if (!described) return;
  menu_ = new QMenu;
  // What a screen reader calls the menu.
  menu_->setAccessibleName(QStringLiteral("System Menu"));
  for (const MenuItemSnapshot& item : described->items) {
    if ((item.flags & MF_SEPARATOR) != 0) {
      menu_->addSeparator();
      continue;
    }
    // Menu texts mark their mnemonics with "&" as the toolkit does.
    QAction* action = menu_->addAction(QString::fromUtf8(item.text.c_str()));
    action->setData(item.id);
    action->setEnabled((item.flags & (MF_GRAYED | MF_DISABLED)) == 0);
    if ((item.flags & MF_CHECKED) != 0) {
      action->setCheckable(true);
      action->setChecked(true);
    }
  }
  chosen_ = false;
  QObject::connect(menu_, &QMenu::triggered, this, &SystemMenuPopup::OnTriggered);
  QObject::connect(menu_, &QMenu::hovered, this, &SystemMenuPopup::OnHovered);
  QObject::connect(menu_, &QMenu::aboutToHide, this, &SystemMenuPopup::OnAboutToHide);
  menu_->popup(at);
  if (described->highlighted != 0) Highlight(described->highlighted);
}

void SystemMenuPopup::Highlight(UINT id) {
  if (menu_ == nullptr) return;
  highlighting_ = true;
  for (QAction* action : menu_->actions()) {
    if (!action->isSeparator() && IdOf(action) == id && menu_->activeAction() != action) menu_->setActiveAction(action);
  }
  highlighting_ = false;
}

void SystemMenuPopup::Close() {
  if (menu_ == nullptr) return;
  closingForCore_ = true;
  QMenu* menu = menu_;
  menu_ = nullptr;
  menu->hide();
  menu->deleteLater();
  closingForCore_ = false;
}

bool SystemMenuPopup::IsOpen() const { return menu_ != nullptr && menu_->isVisible(); }

void SystemMenuPopup::OnTriggered(QAction* action) {
  chosen_ = true;
  PostInput(input::MenuChoose{IdOf(action)});
}

void SystemMenuPopup::OnHovered(QAction* action) {
  if (highlighting_ || closingForCore_) return;
  PostInput(input::MenuHighlight{IdOf(action)});
}

void SystemMenuPopup::OnAboutToHide() {
  if (closingForCore_) return;
  // The menu hides before it reports the item clicked, so whether this was
  // a cancel is known only once the click has been delivered.
  QPointer<QMenu> menu = menu_;
  QTimer::singleShot(0, this, [this, menu] {
    if (menu != menu_ || menu_ == nullptr || chosen_) return;
    PostInput(input::MenuCancel{});
  });
}

}  // namespace platform::qt
