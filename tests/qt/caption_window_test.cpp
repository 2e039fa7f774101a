// The clock's window on the desktop: where it is, what it says, and what the
// mouse on it tells the program.
#include <QAccessible>
#include <QApplication>
#include <QWindow>

#include <QAction>
#include <QMenu>

#include "platform/qt/caption_layout.h"
#include "platform/qt/caption_window.h"
#include "platform/qt/system_menu_popup.h"
#include "qt_fixture.h"

namespace qt_test {
namespace {

constexpr DWORD kClockStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

class CaptionWindowTest : public QtDesk {
 protected:
  HWND MakeClock(DWORD style = kClockStyle) {
    const int height = GetSystemMetrics(SM_CYCAPTION);
    return CreateCaptionWindow(style, RECT{600, 30, 800, 30 + height}, " 3:05 PM  Mon 12/07/92 ");
  }
};

TEST_F(CaptionWindowTest, ShowsTheFaceAsTitleWhereTheCoreHasTheWindow) {
  const HWND clock = MakeClock();
  QWidget* widget = WidgetOf(clock);
  ASSERT_NE(widget, nullptr);
  EXPECT_TRUE(widget->isVisible());
  EXPECT_EQ(widget->windowTitle(), QStringLiteral(" 3:05 PM  Mon 12/07/92 "));
  EXPECT_EQ(widget->geometry(), QRect(600, 30, 200, GetSystemMetrics(SM_CYCAPTION)));
  SetWindowText(clock, " 3:06 PM  Mon 12/07/92 ");
  EXPECT_EQ(widget->windowTitle(), QStringLiteral(" 3:06 PM  Mon 12/07/92 "));
  MoveWindow(clock, 100, 40, 220, GetSystemMetrics(SM_CYCAPTION), TRUE);
  EXPECT_EQ(widget->geometry(), QRect(100, 40, 220, GetSystemMetrics(SM_CYCAPTION)));
}

// A screen reader finds the boxes the caption has after the program's last
// change of its style, not those it was made with.
TEST_F(CaptionWindowTest, AReaderFindsTheCaptionBoxesOfTheStyleNow) {
  const HWND clock = MakeClock();
  auto boxNames = [&] {
    QStringList names;
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(WidgetOf(clock));
    for (int i = 0; window != nullptr && i < window->childCount(); ++i) names << window->child(i)->text(QAccessible::Name);
    return names;
  };
  EXPECT_EQ(boxNames(), QStringList({"System Menu", "Minimize"}));
  SetWindowLong(clock, GWL_STYLE, GetWindowLong(clock, GWL_STYLE) & ~WS_MINIMIZEBOX);
  EXPECT_EQ(boxNames(), QStringList({"System Menu"}));
  SetWindowLong(clock, GWL_STYLE, GetWindowLong(clock, GWL_STYLE) & ~WS_SYSMENU);
  EXPECT_EQ(boxNames(), QStringList());
}

}  // namespace
}  // namespace qt_test

namespace qt_test {
namespace {

struct NcButton {
  UINT message;
  WPARAM hit;
  bool operator==(const NcButton&) const = default;
};

std::ostream& operator<<(std::ostream& out, const NcButton& b) {
  return out << "{0x" << std::hex << b.message << std::dec << ", hit " << b.hit << "}";
}

class CaptionInputTest : public QtDesk {
 protected:
  void SetUp() override {
    QtDesk::SetUp();
    clock_ = CreateCaptionWindow(kClockStyle, RECT{600, 30, 800, 30 + GetSystemMetrics(SM_CYCAPTION)}, "12:00");
    widget_ = WidgetOf(clock_);
    ASSERT_NE(widget_, nullptr);
    height_ = widget_->height();
  }

  std::vector<NcButton> NcButtons() const {
    std::vector<NcButton> seen;
    for (const Recorded& m : Messages()) {
      if (m.message >= WM_NCLBUTTONDOWN && m.message <= WM_NCRBUTTONUP) seen.push_back({m.message, m.wParam});
    }
    return seen;
  }

  RECT CoreRect() const { return platform::DescribeWindow(clock_).rect; }
  platform::qt::CaptionWindow& Caption() const { return *static_cast<platform::qt::CaptionWindow*>(widget_); }

  HWND clock_ = nullptr;
  QWidget* widget_ = nullptr;
  int height_ = 0;
};

TEST_F(CaptionInputTest, ButtonsOnEachPartReachTheProcedureWithTheirHitTestCodes) {
  const QPoint minimizeBox(200 - height_ / 2, height_ / 2);
  const QPoint caption(100, height_ / 2);
  Press(widget_, minimizeBox);
  Release(widget_, minimizeBox);
  Press(widget_, caption, Qt::RightButton);
  Release(widget_, caption, Qt::RightButton);
  Settle();
  const std::vector<NcButton> expected = {
      {WM_NCLBUTTONDOWN, HTMINBUTTON},
      {WM_NCLBUTTONUP, HTMINBUTTON},
      {WM_NCRBUTTONDOWN, HTCAPTION},
      {WM_NCRBUTTONUP, HTCAPTION},
  };
  EXPECT_EQ(NcButtons(), expected);
  const auto down = MessagesOf(WM_NCLBUTTONDOWN);
  ASSERT_FALSE(down.empty());
  const QPoint global = widget_->mapToGlobal(minimizeBox);
  EXPECT_EQ(LOWORD(static_cast<std::uintptr_t>(down.front().lParam)), global.x());
  EXPECT_EQ(HIWORD(static_cast<std::uintptr_t>(down.front().lParam)), global.y());
}

TEST_F(CaptionInputTest, AFirstPressActivatesTheWindowBeforeTheButtonMessage) {
  Press(widget_, QPoint(100, 5));
  Release(widget_, QPoint(100, 5));
  Settle();
  std::vector<UINT> order;
  for (const Recorded& m : Messages()) {
    if (m.message == WM_MOUSEACTIVATE || m.message == WM_ACTIVATE || m.message == WM_NCLBUTTONDOWN) {
      order.push_back(m.message);
    }
  }
  const std::vector<UINT> expected = {WM_MOUSEACTIVATE, WM_ACTIVATE, WM_NCLBUTTONDOWN};
  EXPECT_EQ(order, expected);
  EXPECT_EQ(LOWORD(MessagesOf(WM_ACTIVATE).front().wParam), WA_CLICKACTIVE);
}

TEST_F(CaptionInputTest, DoubleClickOnTheCaptionGivesTheDoubleClickMessage) {
  DoubleClick(widget_, QPoint(100, 5));
  Settle();
  const auto clicks = MessagesOf(WM_NCLBUTTONDBLCLK);
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks.front().wParam, HTCAPTION);
}

TEST_F(CaptionInputTest, DraggingTheCaptionMovesTheWindowAndReportsTheNewPlace) {
  const QPoint grip(100, 5);
  Press(widget_, grip);
  When([&] { return Driver().MovingWindow() == clock_; }, [&] { MoveHeld(widget_, grip + QPoint(30, 10)); });
  When([&] { return CoreRect().left == 630; }, [&] { Release(widget_, grip + QPoint(30, 10)); });
  ASSERT_TRUE(Pump([&] { return Driver().MovingWindow() == nullptr && CoreRect().left == 630; }));
  EXPECT_EQ(CoreRect().top, 40);
  EXPECT_EQ(widget_->geometry().topLeft(), QPoint(630, 40));
  const auto moves = MessagesOf(WM_MOVE);
  ASSERT_FALSE(moves.empty());
  // WM_MOVE carries the client area's corner: one pixel in, a caption down.
  EXPECT_EQ(LOWORD(static_cast<std::uintptr_t>(moves.back().lParam)), 631);
  EXPECT_EQ(HIWORD(static_cast<std::uintptr_t>(moves.back().lParam)), 40 + GetSystemMetrics(SM_CYCAPTION));
}

TEST_F(CaptionInputTest, TheSystemBoxOpensTheSystemMenuWithTheCoresItems) {
  HMENU menu = GetSystemMenu(clock_, FALSE);
  AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenu(menu, MF_STRING | MF_CHECKED, 5, "H&ourly beep");
  AppendMenu(menu, MF_STRING, 2, "&Preferences...");
  QStringList texts;
  bool hourlyChecked = false;
  Press(widget_, QPoint(height_ / 2, height_ / 2));
  When([&] { return Driver().SystemMenu().IsOpen(); },
       [&] {
         for (QAction* action : Driver().SystemMenu().Menu()->actions()) {
           if (action->isSeparator()) continue;
           texts << action->text();
           if (action->data().toUInt() == 5) hourlyChecked = action->isChecked();
         }
         for (QAction* action : Driver().SystemMenu().Menu()->actions()) {
           if (action->data().toUInt() == 2) action->trigger();
         }
       });
  ASSERT_TRUE(Pump([&] { return !MessagesOf(WM_SYSCOMMAND).empty(); }));
  EXPECT_EQ(MessagesOf(WM_SYSCOMMAND).front().wParam, 2u);
  EXPECT_TRUE(texts.contains(QStringLiteral("H&ourly beep")));
  EXPECT_TRUE(texts.contains(QStringLiteral("&Preferences...")));
  EXPECT_TRUE(hourlyChecked);
  EXPECT_FALSE(MessagesOf(WM_INITMENU).empty());
  Settle();
  EXPECT_FALSE(Driver().SystemMenu().IsOpen());
}

// F1 on a highlighted item: the program sees the key down while the menu
// waits, and chooses the item itself to learn which one it was.
TEST_F(CaptionInputTest, F1InTheSystemMenuIsSeenByTheProgramWhileTheMenuWaits) {
  AppendMenu(GetSystemMenu(clock_, FALSE), MF_STRING, 4, "A&larms...");
  bool helpAsked = false;
  OnMessage([&](HWND hwnd, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_ENTERIDLE && wParam == MSGF_MENU && (GetKeyState(VK_F1) & 0x8000) != 0 && !helpAsked) {
      helpAsked = true;
      PostMessage(hwnd, WM_KEYDOWN, VK_RETURN, 0);
    }
  });
  Press(widget_, QPoint(height_ / 2, height_ / 2));
  When([&] { return Driver().SystemMenu().IsOpen(); },
       [&] {
         QMenu* menu = Driver().SystemMenu().Menu();
         for (QAction* action : menu->actions()) {
           if (action->data().toUInt() == 4) menu->setActiveAction(action);
         }
       });
  When([&] { return platform::OpenMenu() && platform::OpenMenu()->highlighted == 4; },
       [&] { Key(Driver().SystemMenu().Menu(), Qt::Key_F1); });
  ASSERT_TRUE(Pump([&] { return !MessagesOf(WM_SYSCOMMAND).empty(); }));
  EXPECT_TRUE(helpAsked);
  EXPECT_EQ(MessagesOf(WM_SYSCOMMAND).front().wParam, 4u);
}

// Under a window manager Alt+Space is usually the manager's own key: the
// clock opens its system menu from Shift+F10 and the Menu key too.
TEST_F(CaptionInputTest, TheMenuKeysOpenTheSystemMenu) {
  struct Case {
    const char* what;
    int key;
    Qt::KeyboardModifiers modifiers;
  };
  const Case cases[] = {
      {"Alt+Space", Qt::Key_Space, Qt::AltModifier},
      {"Shift+F10", Qt::Key_F10, Qt::ShiftModifier},
      {"Menu", Qt::Key_Menu, Qt::NoModifier},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ClearMessages();
    bool opened = false;
    Key(widget_, c.key, c.modifiers);
    When([&] { return Driver().SystemMenu().IsOpen(); },
         [&] {
           opened = true;
           Driver().SystemMenu().Menu()->hide();
         });
    ASSERT_TRUE(Pump([&] { return opened && !Driver().SystemMenu().IsOpen() && !platform::OpenMenu().has_value(); }));
    EXPECT_FALSE(MessagesOf(WM_INITMENU).empty());
  }
}

// The system menu's Move runs from the keyboard: each arrow moves the window
// a step, Escape puts it back where the move began, Enter leaves it.
TEST_F(CaptionInputTest, TheMoveCommandMovesByTheArrowsUntilEnterOrEscape) {
  struct Case {
    const char* what;
    int endKey;
    LONG left;
    LONG top;
  };
  const Case cases[] = {
      {"Escape puts it back", Qt::Key_Escape, 600, 30},
      {"Enter leaves it there", Qt::Key_Return, 608, 38},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MoveWindow(clock_, 600, 30, 200, height_, TRUE);
    When([&] { return Driver().MovingWindow() == clock_; }, [&] { Key(widget_, Qt::Key_Right); });
    When([&] { return CoreRect().left == 608; }, [&] { Key(widget_, Qt::Key_Down); });
    When([&] { return CoreRect().top == 38; }, [&] { Key(widget_, c.endKey); });
    SendMessage(clock_, WM_SYSCOMMAND, SC_MOVE, 0);
    EXPECT_EQ(Driver().MovingWindow(), nullptr);
    EXPECT_EQ(CoreRect().left, c.left);
    EXPECT_EQ(CoreRect().top, c.top);
    Settle();
    EXPECT_EQ(widget_->pos(), QPoint(c.left, c.top));
  }
}

TEST_F(CaptionInputTest, AWindowManagerMinimiseRestoreAndCloseBecomeSystemCommands) {
  widget_->showMinimized();
  Settle();
  widget_->showNormal();
  Settle();
  widget_->close();
  Settle();
  std::vector<WPARAM> commands;
  for (const Recorded& m : MessagesOf(WM_SYSCOMMAND)) commands.push_back(m.wParam);
  const std::vector<WPARAM> expected = {SC_MINIMIZE, SC_RESTORE, SC_CLOSE};
  EXPECT_EQ(commands, expected);
  EXPECT_FALSE(IsWindow(clock_));
}

TEST_F(CaptionInputTest, TopmostFollowsTheCore) {
  SetWindowPos(clock_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_TRUE(widget_->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  SetWindowPos(clock_, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_FALSE(widget_->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(widget_->isVisible());
}

// The window manager may put the window elsewhere than asked (a panel, the
// screen's edge). That answer is the window's own place; only later moves
// by others are reported, so a program that moves back cannot fight it.
TEST_F(CaptionInputTest, TheWindowManagersAnswerIsQuietAndLaterMovesAreReported) {
  Caption().SetPlacementAnswerMs(60'000);
  ClearMessages();
  MoveWindow(clock_, 500, 30, 200, height_, TRUE);
  widget_->move(480, 30);  // the window manager's answer
  Settle();
  EXPECT_EQ(CoreRect().left, 500);
  EXPECT_EQ(MessagesOf(WM_MOVE).size(), 1u);  // the program's own move only

  Caption().SetPlacementAnswerMs(0);
  ClearMessages();
  widget_->move(300, 200);  // someone else, long after
  Settle();
  EXPECT_EQ(CoreRect().left, 300);
  EXPECT_EQ(CoreRect().top, 200);
  EXPECT_EQ(MessagesOf(WM_MOVE).size(), 1u);
}

// What activated the clock decides whether the program hears of it as a
// keyboard activation: a window list or Alt+Tab does; a press on the window,
// or the window manager focusing a window the program has just shown, does not.
TEST_F(CaptionInputTest, OnlyAnActivationByTheKeyboardIsReportedAsOne) {
  struct Case {
    const char* what;
    qint64 showAnswerMs;
    bool pressAfter;
    std::vector<WORD> activations;
  };
  const Case cases[] = {
      {"keyboard", 0, false, {WA_ACTIVE}},
      {"press just after", 0, true, {WA_CLICKACTIVE}},
      {"answer to the program's show", 60'000, false, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Caption().SetPlacementAnswerMs(c.showAnswerMs);
    ShowWindow(clock_, SW_HIDE);
    Settle();
    QApplication::setActiveWindow(nullptr);
    ShowWindow(clock_, SW_SHOWNA);
    Settle();
    ClearMessages();
    QApplication::setActiveWindow(widget_);
    if (c.pressAfter) {
      Press(widget_, QPoint(100, 5));
      Release(widget_, QPoint(100, 5));
    }
    // The activation has settled (a press just after it was seen first),
    // and what the core made of it has come back.
    ASSERT_TRUE(Pump([&] { return widget_->isActiveWindow() && !Caption().ActivationReportPending(); }));
    Settle();
    std::vector<WORD> activations;
    for (const Recorded& m : MessagesOf(WM_ACTIVATE)) {
      if (LOWORD(m.wParam) != WA_INACTIVE) activations.push_back(LOWORD(m.wParam));
    }
    EXPECT_EQ(activations, c.activations);
    ShowWindow(clock_, SW_HIDE);  // the program hides it: no longer active anywhere
    Settle();
  }
}

}  // namespace
}  // namespace qt_test
