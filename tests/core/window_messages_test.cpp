// The messages a window gets, compared with tables: creation, moves, the
// click activation order, drags, the caption and the end of the session.
#include <gtest/gtest.h>

#include "core/sample_program.h"
#include "support/message_sequence.h"

namespace {

using sample::MainWindow;

using desk::kCompareParams;
using desk::MatchesSequence;

const std::vector<UINT> kWatched = {WM_CREATE,          WM_MOVE,          WM_ACTIVATE,    WM_MOUSEACTIVATE,
                                    WM_NCLBUTTONDOWN,   WM_NCLBUTTONUP,   WM_NCLBUTTONDBLCLK,
                                    WM_NCRBUTTONUP,     WM_SYSCOMMAND,    WM_DESTROY,     WM_CLOSE,
                                    WM_QUERYENDSESSION, WM_ENDSESSION,    WM_INITMENU};

class WindowMessages : public ::testing::Test {
 protected:
  void SetUp() override { sample::TheScript() = sample::Script{}; }
};

// A caption window at (100, 50): its client area starts one pixel right of
// the left edge and SM_CYCAPTION (20) below the top.
TEST_F(WindowMessages, CreationSendsCreateThenMoveWithTheClientOrigin) {
  Desk desk{sample::SampleSettings()};
  desk.start();
  EXPECT_TRUE(MatchesSequence(desk.trace(MainWindow(), kWatched),
                              {{WM_CREATE, 0, 0, kCompareParams}, {WM_MOVE, 0, MAKELPARAM(101, 70), kCompareParams}}));
  RECT client{};
  GetClientRect(MainWindow(), &client);
  EXPECT_EQ(client.right, 198);
  EXPECT_EQ(client.bottom, 0);
}

TEST_F(WindowMessages, MovesSendMoveOnlyWhenThePlaceChanges) {
  sample::TheScript().onMessage = [](HWND hwnd, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_USER) MoveWindow(hwnd, static_cast<int>(wParam), 50, 200, 20, TRUE);
    if (message == WM_USER + 1) SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return std::nullopt;
  };
  Desk desk{sample::SampleSettings()};
  desk.start();
  desk.clearTrace();
  desk.post(MainWindow(), WM_USER, 100, 0);      // the same place
  desk.post(MainWindow(), WM_USER + 1, 0, 0);    // topmost, not moved
  desk.post(MainWindow(), WM_USER, 0xFFFF, 0);   // x = 65535: the low word as it is
  desk.moveClockByOthers(10, 5);
  EXPECT_TRUE(MatchesSequence(desk.trace(MainWindow(), {WM_MOVE}), {{WM_MOVE, 0, MAKELPARAM(0, 70), kCompareParams},
                                                                    {WM_MOVE, 0, MAKELPARAM(11, 25), kCompareParams}}));
  EXPECT_TRUE(desk.window(MainWindow()).topmost);
}

TEST_F(WindowMessages, AClickOnAnInactiveWindowActivatesItBeforeThePress) {
  Desk desk{sample::SampleSettings()};
  desk.start();
  desk.clearTrace();
  desk.clickCaption();
  const LPARAM where = MAKELPARAM(200, 52);
  EXPECT_TRUE(MatchesSequence(desk.trace(MainWindow(), kWatched),
                              {{WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(MainWindow()),
                                MAKELPARAM(HTCAPTION, WM_NCLBUTTONDOWN), kCompareParams},
                               {WM_ACTIVATE, WA_CLICKACTIVE, 0, kCompareParams},
                               {WM_NCLBUTTONDOWN, HTCAPTION, where, kCompareParams},
                               {WM_SYSCOMMAND, SC_MOVE + HTCAPTION, where, kCompareParams}}));
  EXPECT_TRUE(desk.window(MainWindow()).active);
  // A second click on the now active window goes straight to the press.
  desk.clearTrace();
  desk.clickCaption();
  EXPECT_TRUE(MatchesSequence(desk.trace(MainWindow(), kWatched),
                              {{WM_NCLBUTTONDOWN, HTCAPTION, where, kCompareParams},
                               {WM_SYSCOMMAND, SC_MOVE + HTCAPTION, where, kCompareParams}}));
}

TEST_F(WindowMessages, TheWindowManagerActivatesAndDeactivates) {
  Desk desk{sample::SampleSettings()};
  desk.start();
  desk.clearTrace();
  desk.activateByKeyboard();
  desk.deactivate();
  EXPECT_TRUE(MatchesSequence(desk.trace(MainWindow(), kWatched), {{WM_ACTIVATE, WA_ACTIVE, 0, kCompareParams},
                                                                   {WM_ACTIVATE, WA_INACTIVE, 0, kCompareParams}}));
  EXPECT_FALSE(desk.window(MainWindow()).active);
}

TEST_F(WindowMessages, AWindowThatRefusesActivationStaysInactiveAndCanEatThePress) {
  for (LRESULT answer : {MA_NOACTIVATE, MA_NOACTIVATEANDEAT, MA_ACTIVATEANDEAT}) {
    sample::TheScript().onMessage = [answer](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
      if (message == WM_MOUSEACTIVATE) return answer;
      return std::nullopt;
    };
    Desk desk{sample::SampleSettings()};
    desk.start();
    desk.clearTrace();
    desk.rightClickCaption();
    const bool eaten = answer != MA_NOACTIVATE;
    const bool activated = answer == MA_ACTIVATEANDEAT;
    EXPECT_EQ(desk.trace(MainWindow(), {WM_NCRBUTTONDOWN}).size(), eaten ? 0u : 1u) << answer;
    EXPECT_EQ(desk.trace(MainWindow(), {WM_NCRBUTTONUP}).size(), 1u) << answer;
    EXPECT_EQ(desk.window(MainWindow()).active, activated) << answer;
  }
}

// A drag moves the window through the move loop: WM_MOVE carries the new
// client origin, from which x + width - 1 and y - SM_CYCAPTION give the
// window's right edge and top.
TEST_F(WindowMessages, ADragMovesTheWindowAndReportsTheNewPlace) {
  Desk desk{sample::SampleSettings()};
  desk.start();
  desk.clearTrace();
  desk.drag(30, -20);
  const auto moves = desk.trace(MainWindow(), {WM_MOVE});
  ASSERT_EQ(moves.size(), 1u);
  const int x = LOWORD(static_cast<WPARAM>(moves[0].lParam));
  const int y = HIWORD(static_cast<WPARAM>(moves[0].lParam));
  const RECT rect = desk.window(MainWindow()).rect;
  EXPECT_EQ(rect.left, 130);
  EXPECT_EQ(rect.top, 30);
  EXPECT_EQ(200 + x - 1, rect.right);
  EXPECT_EQ(y - GetSystemMetrics(SM_CYCAPTION), rect.top);
  EXPECT_FALSE(desk.driver().Moving());
}

TEST_F(WindowMessages, ClicksOnTheCaptionBoxesAndTheirDefaults) {
  Desk desk{sample::SampleSettings()};
  desk.start();
  desk.clickMinimizeBox();  // the press does nothing, the release is the program's
  EXPECT_FALSE(desk.window(MainWindow()).minimized);
  EXPECT_EQ(desk.trace(MainWindow(), {WM_NCLBUTTONUP}).size(), 1u);
  desk.minimize();
  EXPECT_TRUE(desk.window(MainWindow()).minimized);
  desk.clearTrace();
  desk.doubleClickCaption();  // a minimised window restores on a double click
  EXPECT_FALSE(desk.window(MainWindow()).minimized);
  EXPECT_EQ(desk.trace(MainWindow(), {WM_SYSCOMMAND}).back().wParam, SC_RESTORE);
}

TEST_F(WindowMessages, ThePressOnTheSystemBoxOpensTheMenu) {
  Desk desk{sample::SampleSettings()};
  desk.start();
  MenuView menu = desk.clickSystemBox();
  EXPECT_TRUE(menu.isOpen());
  EXPECT_EQ(desk.trace(MainWindow(), {WM_INITMENU}).size(), 1u);
  menu.choose(SC_CLOSE);
  EXPECT_TRUE(MatchesSequence(desk.trace(MainWindow(), {WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY}),
                              {{WM_SYSCOMMAND, SC_CLOSE, 0, kCompareParams},
                               {WM_CLOSE, 0, 0, kCompareParams},
                               {WM_DESTROY, 0, 0, kCompareParams}}));
  EXPECT_FALSE(desk.running());
}

TEST_F(WindowMessages, TheEndOfTheSessionAsksEveryWindowThenTellsIt) {
  sample::TheScript().onMessage = [](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_QUERYENDSESSION) {
      PostQuitMessage(3);
      return 1;
    }
    return std::nullopt;
  };
  Desk desk{sample::SampleSettings()};
  desk.start();
  desk.clearTrace();
  desk.endSession();
  EXPECT_TRUE(MatchesSequence(desk.trace(MainWindow(), kWatched),
                              {{WM_QUERYENDSESSION, 0, 0, kCompareParams}, {WM_ENDSESSION, TRUE, 0, kCompareParams}}));
  EXPECT_EQ(desk.exitCode(), 3);
}

TEST_F(WindowMessages, DestroyingAWindowStopsItsTimersAndDropsItsQueuedMessages) {
  int late = 0;
  sample::TheScript().onStart = [](HWND owner) {
    HWND extra = CreateWindow("Sample", "extra", WS_POPUP, 0, 0, 10, 10, owner, nullptr, sample::Instance(), nullptr);
    SetTimer(extra, 1, 100, nullptr);
    PostMessage(extra, WM_USER + 5, 0, 0);
    DestroyWindow(extra);
  };
  sample::TheScript().onMessage = [&late](HWND hwnd, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (hwnd != MainWindow() && (message == WM_TIMER || message == WM_USER + 5)) ++late;
    return std::nullopt;
  };
  Desk desk{sample::SampleSettings()};
  desk.start();
  desk.advance(1000);
  EXPECT_EQ(late, 0);
  EXPECT_EQ(FindWindow("Sample", "extra"), nullptr);
  EXPECT_EQ(FindWindow("sample", nullptr), MainWindow());
}

}  // namespace
