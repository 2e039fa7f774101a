// The desk as the user of the clock window: menus, clicks, drags, keys.
#include <cstring>

#include "support/desk.h"

namespace desk {

namespace {

POINT CaptionPoint(const RECT& rect) { return POINT{(rect.left + rect.right) / 2, rect.top + 2}; }

}  // namespace

HWND Desk::clockWindow() const {
  const auto windows = platform::TopLevelWindows();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    if (platform::DescribeWindow(*it).className == settings_.mainClass_) return *it;
  }
  fail("there is no main window (class \"" + settings_.mainClass_ + "\")");
  return nullptr;
}

std::string Desk::clockTitle() const { return window(clockWindow()).text; }

platform::WindowSnapshot Desk::window(HWND hwnd) const { return platform::DescribeWindow(hwnd); }

std::vector<HWND> Desk::topLevelWindows() const { return platform::TopLevelWindows(); }

void Desk::input(platform::InputEvent event) {
  platform::PostInput(std::move(event));
  settle();
}

void Desk::post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  platform::PostToCore(hwnd, message, wParam, lParam);
  settle();
}

void Desk::postSysCommand(UINT id) { post(clockWindow(), WM_SYSCOMMAND, id, 0); }

MenuView Desk::openSystemMenu() {
  input(platform::input::OpenSystemMenu{clockWindow()});
  if (!platform::OpenMenu()) fail("openSystemMenu(): no menu opened");
  return MenuView(*this);
}

MenuView Desk::clickSystemBox() {
  const HWND hwnd = clockWindow();
  const RECT rect = window(hwnd).rect;
  input(platform::input::NcMouse{hwnd, WM_NCLBUTTONDOWN, HTSYSMENU, POINT{rect.left + 4, rect.top + 4}});
  return MenuView(*this);
}

void Desk::sysCommand(UINT id) {
  MenuView menu = openSystemMenu();
  menu.choose(id);
}

void Desk::clickCaption() {
  const HWND hwnd = clockWindow();
  const POINT at = CaptionPoint(window(hwnd).rect);
  input(platform::input::NcMouse{hwnd, WM_NCLBUTTONDOWN, HTCAPTION, at});
  input(platform::input::NcMouse{hwnd, WM_NCLBUTTONUP, HTCAPTION, at});
}

void Desk::doubleClickCaption() {
  const HWND hwnd = clockWindow();
  const POINT at = CaptionPoint(window(hwnd).rect);
  input(platform::input::NcMouse{hwnd, WM_NCLBUTTONDOWN, HTCAPTION, at});
  input(platform::input::NcMouse{hwnd, WM_NCLBUTTONUP, HTCAPTION, at});
  input(platform::input::NcMouse{hwnd, WM_NCLBUTTONDBLCLK, HTCAPTION, at});
  input(platform::input::NcMouse{hwnd, WM_NCLBUTTONUP, HTCAPTION, at});
}

void Desk::rightClickCaption() {
  const HWND hwnd = clockWindow();
  const POINT at = CaptionPoint(window(hwnd).rect);
  input(platform::input::NcMouse{hwnd, WM_NCRBUTTONDOWN, HTCAPTION, at});
  input(platform::input::NcMouse{hwnd, WM_NCRBUTTONUP, HTCAPTION, at});
}

void Desk::drag(int dx, int dy) {
  const HWND hwnd = clockWindow();
  const RECT rect = window(hwnd).rect;
  const POINT at = CaptionPoint(rect);
  input(platform::input::NcMouse{hwnd, WM_NCLBUTTONDOWN, HTCAPTION, at});
  if (driver_->Moving()) input(platform::input::MoveTo{POINT{rect.left + dx, rect.top + dy}});
  input(platform::input::NcMouse{hwnd, WM_NCLBUTTONUP, HTCAPTION, POINT{at.x + dx, at.y + dy}});
}

void Desk::clickMinimizeBox() {
  const HWND hwnd = clockWindow();
  const RECT rect = window(hwnd).rect;
  const POINT at{rect.right - 4, rect.top + 4};
  input(platform::input::NcMouse{hwnd, WM_NCLBUTTONDOWN, HTMINBUTTON, at});
  input(platform::input::NcMouse{hwnd, WM_NCLBUTTONUP, HTMINBUTTON, at});
}

void Desk::minimize() { postSysCommand(SC_MINIMIZE); }

void Desk::restore() { postSysCommand(SC_RESTORE); }

void Desk::close() { postSysCommand(SC_CLOSE); }

void Desk::endSession() { input(platform::input::EndSession{}); }

void Desk::activateByKeyboard() { input(platform::input::WindowActivated{clockWindow()}); }

void Desk::deactivate() { input(platform::input::WindowActivated{nullptr}); }

void Desk::moveClockByOthers(int x, int y) { input(platform::input::WindowMoved{clockWindow(), POINT{x, y}}); }

void Desk::key(int virtualKey) {
  input(platform::input::Key{virtualKey, true});
  input(platform::input::Key{virtualKey, false});
}

void Desk::setKeyDown(int virtualKey, bool down) { driver_->SetKeyDown(virtualKey, down); }

// --- The open menu -------------------------------------------------------------

bool MenuView::isOpen() const { return platform::OpenMenu().has_value(); }

std::vector<platform::MenuItemSnapshot> MenuView::items() const {
  const auto menu = platform::OpenMenu();
  if (!menu) throw DeskError("menu: no menu is open");
  return menu->items;
}

UINT MenuView::highlighted() const {
  const auto menu = platform::OpenMenu();
  return menu ? menu->highlighted : 0;
}

MenuView& MenuView::highlight(UINT id) {
  for (const auto& item : items()) {
    if (item.id == id && (item.flags & MF_SEPARATOR) == 0) {
      desk_->input(platform::input::MenuHighlight{id});
      return *this;
    }
  }
  throw DeskError("menu: no item with id " + std::to_string(id));
}

void MenuView::choose(UINT id) {
  for (const auto& item : items()) {
    if (item.id != id || (item.flags & MF_SEPARATOR) != 0) continue;
    if ((item.flags & (MF_GRAYED | MF_DISABLED)) != 0) {
      throw DeskError("menu: item " + std::to_string(id) + " (\"" + item.text + "\") is disabled");
    }
    desk_->input(platform::input::MenuChoose{id});
    return;
  }
  throw DeskError("menu: no item with id " + std::to_string(id));
}

void MenuView::pressF1() {
  if (!isOpen()) throw DeskError("menu: pressF1 with no menu open");
  desk_->setKeyDown(VK_F1, true);
  desk_->input(platform::input::Key{VK_F1, true});
  desk_->setKeyDown(VK_F1, false);
  desk_->input(platform::input::Key{VK_F1, false});
}

void MenuView::pressEnter() {
  if (!isOpen()) throw DeskError("menu: pressEnter with no menu open");
  desk_->key(VK_RETURN);
}

void MenuView::cancel() {
  if (!isOpen()) throw DeskError("menu: cancel with no menu open");
  desk_->input(platform::input::MenuCancel{});
}

}  // namespace desk
