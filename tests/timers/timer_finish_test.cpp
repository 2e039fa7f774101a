// The finish of a countdown, seen from a small clock window on the desk: its
// beeps, its notice, the message after it, and two countdowns due at once.
#include <gtest/gtest.h>

#include <string>

#include "base/clock_app.h"
#include "app/program_state.h"
#include "display/face.h"
#include "settings/preferences.h"
#include "resources/resources.h"
#include "support/desk.h"
#include "timers/timer_engine.h"

namespace {

// A window that shows the face in its caption, composed when it is asked to
// (kCompose) and, when ticking, on every 500 ms tick as the clock window does.
constexpr UINT kCompose = WM_USER + 1;
Preferences programPreferences;
bool ticking = false;

void Compose(HWND hwnd) {
  FormatClockTime();
  FormatClockFace(hwnd);
  SetWindowText(hwnd, clockText);
}

LRESULT CALLBACK FaceWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
    case kCompose:
      Compose(hwnd);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProc(hwnd, message, wParam, lParam);
  }
}

int FaceWindowProgram(HINSTANCE programInstance, HINSTANCE, LPSTR, int) {
  instance = programInstance;
  programPreferences = Preferences{};
  SetDefaultPreferences(programPreferences);
  prefs = &programPreferences;
  SetTimersStartState();
  WNDCLASS windowClass{};
  windowClass.lpfnWndProc = FaceWindowProc;
  windowClass.hInstance = programInstance;
  windowClass.lpszClassName = "Horatick";
  RegisterClass(&windowClass);
  mainWindow = CreateWindow("Horatick", "", WS_POPUP | WS_CAPTION, 100, 30, 200, 20, nullptr, nullptr,
                            programInstance, nullptr);
  ShowWindow(mainWindow, SW_SHOWNOACTIVATE);
  if (ticking) SetTimer(mainWindow, 1, 500, nullptr);
  MSG message;
  while (GetMessage(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessage(&message);
  }
  return static_cast<int>(message.wParam);
}

class TimerFinishTest : public ::testing::Test {
 protected:
  explicit TimerFinishTest(bool tick = false)
      : desk_((ticking = tick, Settings::ForProgram(&FaceWindowProgram, &kHoratickResources, &ResetHoratickState))) {}

  void SetUp() override { desk_.start(); }

  void Compose() { desk_.post(desk_.clockWindow(), kCompose, 0, 0); }

  std::size_t FinishMessages() { return desk_.trace(desk_.clockWindow(), {WM_TIMER_FINISHED}).size(); }

  void ExpectNotice(const desk::MessageBoxRecord& box, int countdown) {
    EXPECT_EQ(box.text, "Countdown timer " + std::to_string(countdown) + " finished.");
    EXPECT_EQ(box.caption, "Horatick");
    EXPECT_EQ(box.style, MB_OK | MB_ICONINFORMATION);
    EXPECT_EQ(box.owner, desk_.clockWindow());
  }

  void ExpectFinishBeeps(std::size_t count) {
    ASSERT_EQ(desk_.beeps().size(), count);
    for (const desk::BeepRecord& beep : desk_.beeps()) {
      EXPECT_EQ(beep.frequencyHz, 200u);
      EXPECT_EQ(beep.durationMs, 100u);
    }
  }

  Desk desk_;
};

TEST_F(TimerFinishTest, LessThanOneSecondLeftFinishesWithItsNotice) {
  StartCountdown(2, 1);
  desk_.advanceTimerClockOnly(59'000);
  Compose();
  EXPECT_EQ(desk_.clockTitle(), " C1 00:00:01 ");
  EXPECT_FALSE(desk_.hasMessageBox());

  desk_.advanceTimerClockOnly(100);  // 0.9 s left
  Compose();
  ASSERT_TRUE(desk_.hasMessageBox());
  ASSERT_EQ(desk_.messageBoxes().size(), 1u);
  ExpectNotice(desk_.messageBoxes()[0], 1);
  EXPECT_EQ(timers[2].running, 0);
  EXPECT_TRUE(desk_.beeps().empty());  // "When Finished" is off
  EXPECT_EQ(FinishMessages(), 0u);     // sent only once the notice is dismissed

  desk_.messageBox().ok();
  EXPECT_EQ(FinishMessages(), 1u);
  EXPECT_EQ(timers[2].hours + timers[2].minutes + timers[2].seconds, 0);
  Compose();
  EXPECT_EQ(desk_.clockTitle(), " 3:05 PM  Mon 12/07/92 ");
  EXPECT_EQ(desk_.messageBoxes().size(), 1u);
}

TEST_F(TimerFinishTest, BeepsFollowTheChosenLengthBeforeTheNotice) {
  struct Row {
    std::int32_t beepDuration;
    std::int32_t beepPitch;
    std::size_t beeps;
  };
  const Row rows[] = {{321, 310, 10}, {320, 310, 85}, {321, 311, 10}, {320, 311, 85}};
  std::size_t total = 0;
  for (const Row& row : rows) {
    timers[3].beepWhenFinished = 1;
    timers[3].beepDuration = row.beepDuration;
    timers[3].beepPitch = row.beepPitch;
    StartCountdown(3, 1);
    desk_.advanceTimerClockOnly(60'000);
    Compose();
    total += row.beeps;
    ASSERT_TRUE(desk_.hasMessageBox());
    ExpectFinishBeeps(total);
    ExpectNotice(desk_.messageBoxes().back(), 2);
    desk_.messageBox().ok();
  }
}

// A hidden countdown still finishes and notifies.
TEST_F(TimerFinishTest, HiddenCountdownStillFinishes) {
  timers[2].showTimer = 0;
  StartCountdown(2, 2);
  desk_.advanceTimerClockOnly(60'000);
  Compose();
  EXPECT_EQ(desk_.clockTitle(), " ");  // no time, no date, and this timer's piece hidden
  desk_.advanceTimerClockOnly(60'000);
  Compose();
  ASSERT_TRUE(desk_.hasMessageBox());
  ExpectNotice(desk_.messageBoxes()[0], 1);
}

// Countdown 1 is handled first; Countdown 2 by the next update, which runs
// while the first notice is still up. One notice each, each with its beeps.
TEST_F(TimerFinishTest, BothCountdownsDueAtOnce) {
  timers[2].beepWhenFinished = 1;  // short
  timers[3].beepWhenFinished = 1;
  timers[3].beepDuration = kTimerBeepLong;
  StartCountdown(2, 1);
  StartCountdown(3, 1);
  desk_.advanceTimerClockOnly(60'000);
  Compose();
  ASSERT_EQ(desk_.messageBoxes().size(), 1u);
  ExpectNotice(desk_.messageBoxes()[0], 1);
  ExpectFinishBeeps(10);
  EXPECT_EQ(timers[3].running, 1);

  Compose();  // dispatched by the first notice's own loop
  ASSERT_EQ(desk_.messageBoxes().size(), 2u);
  ExpectNotice(desk_.messageBoxes()[1], 2);
  EXPECT_TRUE(desk_.messageBoxes()[0].open);
  ExpectFinishBeeps(95);

  desk_.messageBox().ok();
  EXPECT_EQ(FinishMessages(), 1u);
  desk_.messageBox().ok();
  EXPECT_FALSE(desk_.hasMessageBox());
  EXPECT_EQ(FinishMessages(), 2u);
  Compose();
  EXPECT_EQ(desk_.messageBoxes().size(), 2u);
  EXPECT_EQ(desk_.clockTitle(), " 3:05 PM  Mon 12/07/92 ");
}

class TickingTimerFinishTest : public TimerFinishTest {
 protected:
  TickingTimerFinishTest() : TimerFinishTest(true) {}
};

// As on the clock: the ticks go on behind the first notice, and one of them
// finishes the second countdown.
TEST_F(TickingTimerFinishTest, TicksBehindTheNoticeFinishTheOtherCountdown) {
  timers[0].showTime = 1;
  StartCountdown(2, 1);
  StartCountdown(3, 1);
  desk_.advance(1'000);
  EXPECT_EQ(desk_.clockTitle(), " 3:05 PM C1 00:00:59 C2 00:00:59 ");
  desk_.advanceUntil([&] { return desk_.messageBoxes().size() == 2; }, 65'000, "both notices");
  ExpectNotice(desk_.messageBoxes()[0], 1);
  ExpectNotice(desk_.messageBoxes()[1], 2);
  EXPECT_TRUE(desk_.beeps().empty());
  desk_.advance(10'000);
  EXPECT_EQ(desk_.messageBoxes().size(), 2u);
  desk_.messageBox().ok();
  desk_.messageBox().ok();
  desk_.advance(1'000);
  EXPECT_EQ(desk_.messageBoxes().size(), 2u);
  EXPECT_EQ(desk_.clockTitle(), " 3:06 PM  Mon 12/07/92 ");
}

}  // namespace
