// The system menu: its standard items, editing it, opening and choosing,
// WM_ENTERIDLE while it waits, and F1 on a highlighted item.
#include <gtest/gtest.h>

#include "core/sample_program.h"

namespace {

TEST(SystemMenu, StartsWithTheStandardItemsAndCanBeEdited) {
  sample::TheScript() = sample::Script{};
  std::vector<UINT> before;
  std::vector<UINT> after;
  DWORD previousCheck = 0;
  DWORD missing = 0;
  sample::TheScript().onStart = [&](HWND hwnd) {
    HMENU menu = GetSystemMenu(hwnd, FALSE);
    for (int i = 0; i < GetMenuItemCount(menu); ++i) before.push_back(GetMenuItemID(menu, i));
    for (UINT position : {4u, 3u, 2u, 0u}) DeleteMenu(menu, position, MF_BYPOSITION);
    AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenu(menu, MF_STRING, 400, "&Help...");
    AppendMenu(menu, MF_STRING, 5, "H&ourly beep");
    CheckMenuItem(menu, 5, MF_BYCOMMAND | MF_CHECKED);
    previousCheck = CheckMenuItem(menu, 5, MF_BYCOMMAND | MF_CHECKED);
    missing = CheckMenuItem(menu, 77, MF_BYCOMMAND | MF_CHECKED);
    for (int i = 0; i < GetMenuItemCount(menu); ++i) after.push_back(GetMenuItemID(menu, i));
  };
  Desk desk{sample::SampleSettings()};
  desk.start();
  EXPECT_EQ(before, (std::vector<UINT>{SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, 0, SC_CLOSE}));
  EXPECT_EQ(after, (std::vector<UINT>{SC_MOVE, 0, SC_CLOSE, 0, 400, 5}));
  EXPECT_EQ(previousCheck, MF_CHECKED);
  EXPECT_EQ(missing, MENU_FAILED);
}

TEST(SystemMenu, OpeningSendsInitMenuAndChoosingPostsTheCommandAfterItCloses) {
  sample::TheScript() = sample::Script{};
  std::vector<std::pair<UINT, WPARAM>> seen;
  sample::TheScript().onStart = [](HWND hwnd) { AppendMenu(GetSystemMenu(hwnd, FALSE), MF_STRING, 4, "A&larms..."); };
  sample::TheScript().onMessage = [&seen](HWND hwnd, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_INITMENU) seen.push_back({message, wParam == reinterpret_cast<WPARAM>(GetSystemMenu(hwnd, FALSE))});
    if (message == WM_SYSCOMMAND) seen.push_back({message, wParam});
    return std::nullopt;
  };
  Desk desk{sample::SampleSettings()};
  desk.start();
  desk.sysCommand(4);
  EXPECT_EQ(seen, (std::vector<std::pair<UINT, WPARAM>>{{WM_INITMENU, 1}, {WM_SYSCOMMAND, 4}}));
  EXPECT_FALSE(desk.menu().isOpen());
  EXPECT_THROW(desk.sysCommand(99), DeskError);  // no such item
  desk.menu().cancel();
}

// The program asks for help with F1 as the menu waits: it sees the key down
// in WM_ENTERIDLE and posts Enter, which chooses the highlighted item.
TEST(SystemMenu, F1OnAHighlightedItemReachesTheProgramThroughEnterIdle) {
  sample::TheScript() = sample::Script{};
  std::vector<WPARAM> commands;
  int idleWithF1 = 0;
  sample::TheScript().onStart = [](HWND hwnd) { AppendMenu(GetSystemMenu(hwnd, FALSE), MF_STRING, 4, "A&larms..."); };
  sample::TheScript().onMessage = [&](HWND hwnd, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_ENTERIDLE && wParam == MSGF_MENU && GetKeyState(VK_F1) < 0) {
      ++idleWithF1;
      PostMessage(hwnd, WM_KEYDOWN, VK_RETURN, 0);
    }
    if (message == WM_SYSCOMMAND) commands.push_back(wParam);
    return std::nullopt;
  };
  Desk desk{sample::SampleSettings()};
  desk.start();
  MenuView menu = desk.openSystemMenu();
  EXPECT_EQ(menu.highlighted(), SC_RESTORE);  // an open menu always has an item highlighted
  menu.highlight(4);
  EXPECT_EQ(menu.highlighted(), 4u);
  menu.pressF1();
  EXPECT_EQ(idleWithF1, 1);
  EXPECT_EQ(commands, (std::vector<WPARAM>{4}));
  EXPECT_FALSE(menu.isOpen());
}

TEST(SystemMenu, TheMenuWaitsWithTimersRunningAndEscapeClosesItWithoutACommand) {
  sample::TheScript() = sample::Script{};
  int ticks = 0;
  int idles = 0;
  bool command = false;
  sample::TheScript().onStart = [](HWND hwnd) { SetTimer(hwnd, 1, 500, nullptr); };
  sample::TheScript().onMessage = [&](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_TIMER) ++ticks;
    if (message == WM_ENTERIDLE) ++idles;
    if (message == WM_SYSCOMMAND) command = true;
    return std::nullopt;
  };
  Desk desk{sample::SampleSettings()};
  desk.start();
  MenuView menu = desk.openSystemMenu();
  desk.advance(2000);
  EXPECT_EQ(ticks, 4);
  EXPECT_EQ(idles, 5);  // once on opening, then after each tick
  desk.key(VK_ESCAPE);
  EXPECT_FALSE(menu.isOpen());
  EXPECT_FALSE(command);
}

TEST(SystemMenu, DefaultCommandsMinimiseRestoreAndClose) {
  sample::TheScript() = sample::Script{};
  Desk desk{sample::SampleSettings()};
  desk.start();
  desk.sysCommand(SC_MINIMIZE);
  EXPECT_TRUE(desk.window(sample::MainWindow()).minimized);
  desk.restore();
  EXPECT_FALSE(desk.window(sample::MainWindow()).minimized);
  desk.sysCommand(SC_CLOSE);
  EXPECT_FALSE(desk.running());
  EXPECT_EQ(desk.exitCode(), 7);
}

}  // namespace
