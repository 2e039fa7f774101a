// The numbered error box, from a small program on the desk.
#include <gtest/gtest.h>

#include "base/clock_app.h"
#include "app/program_state.h"
#include "resources/resources.h"
#include "support/desk.h"

namespace {

const UINT kIds[] = {IDS_NO_TIMERS, IDS_CANNOT_SAVE_CONFIG, IDS_CANNOT_SAVE_ALARMS, IDS_INVALID_TIME,
                     IDS_INVALID_DATE, 4242};

// Shows each error in turn, each owned by the program's window.
int ErrorBoxProgram(HINSTANCE programInstance, HINSTANCE, LPSTR, int) {
  instance = programInstance;
  WNDCLASS windowClass{};
  windowClass.lpfnWndProc = DefWindowProc;
  windowClass.hInstance = programInstance;
  windowClass.lpszClassName = "Horatick";
  RegisterClass(&windowClass);
  mainWindow = CreateWindow("Horatick", "", WS_POPUP | WS_CAPTION, 0, 0, 200, 20, nullptr, nullptr,
                            programInstance, nullptr);
  for (UINT id : kIds) ShowErrorBox(mainWindow, id);
  return 0;
}

TEST(ErrorBox, NumberedTextFromTheStringTable) {
  const char* const texts[] = {
      "Error H1000: No system timers available",
      "Error H1010: Unable to save Horatick configuration file",
      "Error H1011: Unable to save alarm configuration file",
      "Error H1020: Invalid time entered",
      "Error H1021: Invalid date entered",
      "Error H4242: ",  // an id with no string still shows its number
  };
  Desk desk{Settings::ForProgram(&ErrorBoxProgram, &kHoratickResources, &ResetHoratickState)};
  desk.start();
  for (const char* text : texts) {
    ASSERT_TRUE(desk.hasMessageBox()) << text;
    desk::MessageBoxView box = desk.messageBox();
    EXPECT_EQ(box.text(), text);
    EXPECT_EQ(box.caption(), "Horatick");
    EXPECT_EQ(box.style(), MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(box.owner(), desk.clockWindow());
    box.ok();
  }
  EXPECT_FALSE(desk.running());
  EXPECT_EQ(desk.exitCode(), 0);
}

}  // namespace
