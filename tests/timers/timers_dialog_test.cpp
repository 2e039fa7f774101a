// The Timers dialog through the running clock: selection, settings, OK and
// Cancel, starting and stopping, and the live count.
#include <gtest/gtest.h>

#include <string>

#include "app/main_window.h"
#include "support/desk.h"
#include "timers/timer_record.h"
#include "timers/timers_dialog.h"

namespace {

using namespace TimersId;

desk::DialogView OpenTimers(Desk& desk) {
  desk.sysCommand(IDM_TIMERS);
  return desk.dialog("Timers");
}

TEST(TimersDialog, AlwaysOpensOnStopwatchOne) {
  Desk desk;
  desk.start();
  OpenTimers(desk).click(Countdown2).click(IDOK);
  auto dialog = OpenTimers(desk);
  EXPECT_TRUE(dialog.checked(Stopwatch1));
  EXPECT_FALSE(dialog.checked(Countdown2));
  for (int id : {CountdownFrom, CountdownFromLabel, WhenFinished}) EXPECT_FALSE(dialog.enabled(id)) << id;
  EXPECT_EQ(dialog.text(StartStop), "&Start");
  dialog.click(Help);
  EXPECT_EQ(desk.helpRequests().back().data, 1006u);
}

TEST(TimersDialog, NinetyMinutesTypedStartsAnHourAndAHalf) {
  Desk desk;
  desk.start();
  auto dialog = OpenTimers(desk);
  dialog.click(Countdown1).type(CountdownFrom, "90").click(StartStop);
  EXPECT_EQ(dialog.text(StartStop), "&Stop");
  desk.advance(1000);
  EXPECT_EQ(dialog.text(CurrentCount), "01:29:59");
  EXPECT_EQ(dialog.click(Stopwatch1).click(Countdown1).text(CountdownFrom), "1:30");
}

TEST(TimersDialog, ALengthCommittedByOkIsShownAgain) {
  Desk desk;
  desk.start();
  OpenTimers(desk).click(Countdown2).type(CountdownFrom, "45").click(IDOK);
  EXPECT_EQ(timers[3].countFromMinutes, 45);
  EXPECT_EQ(OpenTimers(desk).click(Countdown2).text(CountdownFrom), "0:45");
}

TEST(TimersDialog, ACountdownWithoutALengthIsRefused) {
  for (const char* typed : {"\b", "0", "abc"}) {
    Desk desk;
    desk.start();
    auto dialog = OpenTimers(desk);
    dialog.click(Countdown2).type(CountdownFrom, typed).click(StartStop);
    ASSERT_TRUE(desk.hasMessageBox()) << typed;
    EXPECT_EQ(desk.messageBox().text(),
              "In order to use the countdown timer, you must enter a number to countdown from which is greater than "
              "zero.");
    EXPECT_EQ(desk.messageBox().owner(), dialog.hwnd());
    desk.messageBox().ok();
    EXPECT_EQ(timers[3].running, 0) << typed;
  }
}

TEST(TimersDialog, StartOnARunningCountdownStopsItWhateverItsEditReads) {
  Desk desk;
  desk.start();
  auto dialog = OpenTimers(desk);
  dialog.click(Countdown1).type(CountdownFrom, "5").click(StartStop).type(CountdownFrom, "0").click(StartStop);
  EXPECT_FALSE(desk.hasMessageBox());
  EXPECT_EQ(timers[2].running, 0);
  EXPECT_EQ(dialog.text(StartStop), "&Start");
}

TEST(TimersDialog, AStopwatchStartedAndThenCancelledKeepsRunning) {
  Desk desk;
  desk.start();
  OpenTimers(desk).click(StartStop).click(IDCANCEL);
  EXPECT_EQ(timersDialog, reinterpret_cast<HWND>(-1));
  // Started at 15:05:09; the face is next composed at the new minute.
  desk.advanceTo("1992-12-07 15:06:00");
  EXPECT_NE(desk.clockTitle().find("S1 00:00:51"), std::string::npos) << desk.clockTitle();
}

TEST(TimersDialog, PitchAndDurationWithAStopwatchSelectedChangeNothing) {
  Desk desk;
  desk.start();
  auto dialog = OpenTimers(desk);
  dialog.click(PitchHi).click(BeepLong);
  EXPECT_FALSE(dialog.checked(PitchHi));
  EXPECT_FALSE(dialog.checked(BeepLong));
  dialog.click(IDOK);
  EXPECT_EQ(timers[0].beepPitch, 0);
  EXPECT_EQ(timers[0].beepDuration, 0);
}

// Display Time is an option of the whole face carried by every record: OK
// spreads the selected timer's working copy to all four, then takes the
// check box for the selected timer and for Stopwatch 1.
TEST(TimersDialog, DisplayTimeSpreadsFromTheSelectedTimerOnOk) {
  Desk desk;
  desk.start();
  auto all = OpenTimers(desk);
  for (int id : {Stopwatch1, Stopwatch2, Countdown1, Countdown2}) all.click(id).click(DisplayTime);
  all.click(Stopwatch1).click(IDOK);
  OpenTimers(desk).click(Countdown1).click(DisplayTime).click(IDOK);
  EXPECT_EQ(timers[0].showTime, 0);
  EXPECT_EQ(timers[1].showTime, 1);
  EXPECT_EQ(timers[2].showTime, 0);
  EXPECT_EQ(timers[3].showTime, 1);
  auto again = OpenTimers(desk);
  EXPECT_FALSE(again.checked(DisplayTime));
  EXPECT_TRUE(again.click(Stopwatch2).checked(DisplayTime));
  EXPECT_TRUE(again.click(Countdown2).checked(DisplayTime));
}

TEST(TimersDialog, TheSelectedTimersCountIsRefreshedOnEveryTick) {
  Desk desk;
  desk.start();
  auto dialog = OpenTimers(desk);
  dialog.click(StartStop);
  for (const char* expected : {"00:00:00", "00:00:01", "00:00:01", "00:00:02"}) {
    desk.advance(500);
    EXPECT_EQ(dialog.text(CurrentCount), expected) << desk.now();
  }
  // Stopped, the count keeps its last value; another selection starts from zero.
  dialog.click(StartStop);
  desk.advance(2000);
  EXPECT_EQ(dialog.text(CurrentCount), "00:00:02");
  EXPECT_EQ(dialog.click(Stopwatch2).text(CurrentCount), "00:00:00");
}

TEST(TimersDialog, ACountdownFinishingInsideTheDialogNotifiesOverIt) {
  Desk desk;
  desk.start();
  auto dialog = OpenTimers(desk);
  dialog.click(Countdown1).type(CountdownFrom, "1").click(StartStop);
  desk.advanceUntil([&] { return desk.hasMessageBox(); }, 61000, "the countdown's notice");
  EXPECT_EQ(desk.messageBox().text(), "Countdown timer 1 finished.");
  EXPECT_EQ(desk.messageBox().owner(), dialog.hwnd());
  desk.messageBox().ok();
  EXPECT_EQ(dialog.text(CurrentCount), "00:00:00");
  // The button must not offer to stop a countdown that has ended.
  EXPECT_EQ(dialog.text(StartStop), "&Start");
  EXPECT_EQ(desk.messageBoxes().size(), 1u);
}

}  // namespace
