// The About box: how it closes, what it shows, the clock going on behind it,
// and the companion window told when it opens and closes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/about_box.h"
#include "app/entry.h"
#include "app/main_window.h"
#include "app/program_state.h"
#include "resources/resources.h"
#include "support/desk.h"
#include "platform/user/resource_lookup.h"

namespace {

// A program that shows only the About box and keeps its result.
INT_PTR aboutResult = -2;

int AboutOnlyProgram(HINSTANCE programInstance, HINSTANCE, LPSTR, int) {
  aboutResult = DialogBoxParam(programInstance, "About", nullptr, AboutDialogProc, 0);
  return 0;
}

TEST(AboutBox, EnterEscapeAndOkAllCloseItWithResultZero) {
  enum class Close { Enter, Escape, Ok };
  for (Close how : {Close::Enter, Close::Escape, Close::Ok}) {
    aboutResult = -2;
    Desk desk{Settings::ForProgram(&AboutOnlyProgram, &kHoratickResources, &ResetHoratickState)};
    desk.start();
    auto about = desk.dialog("About");
    EXPECT_EQ(about.focusId(), IDOK);
    switch (how) {
      case Close::Enter: about.enter(); break;
      case Close::Escape: about.escape(); break;
      case Close::Ok: about.click(IDOK); break;
    }
    EXPECT_FALSE(desk.running());
    EXPECT_EQ(aboutResult, 0) << static_cast<int>(how);
  }
}

TEST(AboutBox, ShowsTheProgramIconAndVersionAndTheClockGoesOnBehindIt) {
  Desk desk{Settings().at("1992-12-07 15:05:09")};
  desk.start();
  desk.sysCommand(IDM_ABOUT);
  auto about = desk.dialog("About");
  EXPECT_EQ(desk.window(about.hwnd()).style & WS_SYSMENU, 0u);
  EXPECT_NE(about.text(101).find("1.0.0"), std::string::npos);
  const IconResource* icon = FindIconResource(desk.window(about.control(106)).icon);
  ASSERT_NE(icon, nullptr);
  EXPECT_STREQ(icon->name, "Horatick");

  desk.advanceTo("1992-12-07 15:07:00");
  EXPECT_NE(desk.clockTitle().find("3:07"), std::string::npos) << desk.clockTitle();
  EXPECT_TRUE(about.isOpen());
}

// A companion window of class "Tesk" beside the clock, which records what it is told.
std::vector<WPARAM> peerCommands;
HWND peerWindow = nullptr;

LRESULT PeerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SYSCOMMAND && wParam >= 6000) {
    peerCommands.push_back(wParam);
    return 0;
  }
  return DefWindowProc(hwnd, message, wParam, lParam);
}

int ClockWithPeer(HINSTANCE programInstance, HINSTANCE previous, LPSTR commandLine, int showCommand) {
  WNDCLASS peerClass{};
  peerClass.lpfnWndProc = PeerProc;
  peerClass.hInstance = programInstance;
  peerClass.lpszClassName = "Tesk";
  RegisterClass(&peerClass);
  peerWindow = CreateWindow("Tesk", "Companion", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, programInstance, nullptr);
  return HoratickMain(programInstance, previous, commandLine, showCommand);
}

TEST(AboutBox, TheCompanionWindowIsToldWhenItOpensAndCloses) {
  peerCommands.clear();
  Desk desk{Settings::ForProgram(&ClockWithPeer, &kHoratickResources, &ResetHoratickState)};
  desk.start();
  ASSERT_NE(peerWindow, nullptr);
  desk.sysCommand(IDM_ABOUT);
  EXPECT_EQ(peerCommands, std::vector<WPARAM>{6000});
  desk.dialog("About").enter();
  EXPECT_EQ(peerCommands, (std::vector<WPARAM>{6000, 6001}));
  for (const auto& entry : desk.trace(peerWindow, {WM_SYSCOMMAND})) EXPECT_EQ(entry.lParam, 0);
}

}  // namespace
