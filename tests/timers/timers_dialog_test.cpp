// The Timers dialog through the running clock: selection, settings, OK and
// Cancel, starting and stopping, and the live count.
#include <gtest/gtest.h>

#include <string>

#include "app/main_window.h"
#include "support/desk.h"
#include "timers/timer_record.h"
#include "timers/timers_dialog.h"

namespace {

desk::DialogView OpenTimers(Desk& desk) {
  desk.sysCommand(IDM_TIMERS);
  return desk.dialog("Timers");
}

TEST(TimersDialog, AlwaysOpensOnStopwatchOne) {
  Desk desk;
  desk.start();
  OpenTimers(desk).click(IDC_TIMERS_COUNTDOWN2).click(IDOK);
  auto dialog = OpenTimers(desk);
  EXPECT_TRUE(dialog.checked(IDC_TIMERS_STOPWATCH1));
  EXPECT_FALSE(dialog.checked(IDC_TIMERS_COUNTDOWN2));
  for (int id : {IDC_TIMERS_COUNTDOWN_FROM, IDC_TIMERS_COUNTDOWN_FROM_LABEL, IDC_TIMERS_WHEN_FINISHED})
    EXPECT_FALSE(dialog.enabled(id)) << id;
  EXPECT_EQ(dialog.text(IDC_TIMERS_START_STOP), "&Start");
  dialog.click(IDC_TIMERS_HELP);
  EXPECT_EQ(desk.helpRequests().back().data, 1006u);
}

TEST(TimersDialog, NinetyMinutesTypedStartsAnHourAndAHalf) {
  Desk desk;
  desk.start();
  auto dialog = OpenTimers(desk);
  dialog.click(IDC_TIMERS_COUNTDOWN1).type(IDC_TIMERS_COUNTDOWN_FROM, "90").click(IDC_TIMERS_START_STOP);
  EXPECT_EQ(dialog.text(IDC_TIMERS_START_STOP), "&Stop");
  desk.advance(1000);
  EXPECT_EQ(dialog.text(IDC_TIMERS_CURRENT_COUNT), "01:29:59");
  EXPECT_EQ(dialog.click(IDC_TIMERS_STOPWATCH1).click(IDC_TIMERS_COUNTDOWN1).text(IDC_TIMERS_COUNTDOWN_FROM), "1:30");
}

TEST(TimersDialog, ALengthCommittedByOkIsShownAgain) {
  Desk desk;
  desk.start();
  OpenTimers(desk).click(IDC_TIMERS_COUNTDOWN2).type(IDC_TIMERS_COUNTDOWN_FROM, "45").click(IDOK);
  EXPECT_EQ(timers[3].countFromMinutes, 45);
  EXPECT_EQ(OpenTimers(desk).click(IDC_TIMERS_COUNTDOWN2).text(IDC_TIMERS_COUNTDOWN_FROM), "0:45");
}

TEST(TimersDialog, ACountdownWithoutALengthIsRefused) {
  for (const char* typed : {"\b", "0", "abc"}) {
    Desk desk;
    desk.start();
    auto dialog = OpenTimers(desk);
    dialog.click(IDC_TIMERS_COUNTDOWN2).type(IDC_TIMERS_COUNTDOWN_FROM, typed).click(IDC_TIMERS_START_STOP);
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
  dialog.click(IDC_TIMERS_COUNTDOWN1)
      .type(IDC_TIMERS_COUNTDOWN_FROM, "5")
      .click(IDC_TIMERS_START_STOP)
      .type(IDC_TIMERS_COUNTDOWN_FROM, "0")
      .click(IDC_TIMERS_START_STOP);
  EXPECT_FALSE(desk.hasMessageBox());
  EXPECT_EQ(timers[2].running, 0);
  EXPECT_EQ(dialog.text(IDC_TIMERS_START_STOP), "&Start");
}

TEST(TimersDialog, AStopwatchStartedAndThenCancelledKeepsRunning) {
  Desk desk;
  desk.start();
  OpenTimers(desk).click(IDC_TIMERS_START_STOP).click(IDCANCEL);
  EXPECT_EQ(timersDialog, reinterpret_cast<HWND>(-1));
  // Started at 15:05:09; the face is next composed at the new minute.
  desk.advanceTo("1992-12-07 15:06:00");
  EXPECT_NE(desk.clockTitle().find("S1 00:00:51"), std::string::npos) << desk.clockTitle();
}

TEST(TimersDialog, PitchAndDurationWithAStopwatchSelectedChangeNothing) {
  Desk desk;
  desk.start();
  auto dialog = OpenTimers(desk);
  dialog.click(IDC_TIMERS_PITCH_HI).click(IDC_TIMERS_BEEP_LONG);
  EXPECT_FALSE(dialog.checked(IDC_TIMERS_PITCH_HI));
  EXPECT_FALSE(dialog.checked(IDC_TIMERS_BEEP_LONG));
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
  for (int id : {IDC_TIMERS_STOPWATCH1, IDC_TIMERS_STOPWATCH2, IDC_TIMERS_COUNTDOWN1, IDC_TIMERS_COUNTDOWN2})
    all.click(id).click(IDC_TIMERS_DISPLAY_TIME);
  all.click(IDC_TIMERS_STOPWATCH1).click(IDOK);
  OpenTimers(desk).click(IDC_TIMERS_COUNTDOWN1).click(IDC_TIMERS_DISPLAY_TIME).click(IDOK);
  EXPECT_EQ(timers[0].showTime, 0);
  EXPECT_EQ(timers[1].showTime, 1);
  EXPECT_EQ(timers[2].showTime, 0);
  EXPECT_EQ(timers[3].showTime, 1);
  auto again = OpenTimers(desk);
  EXPECT_FALSE(again.checked(IDC_TIMERS_DISPLAY_TIME));
  EXPECT_TRUE(again.click(IDC_TIMERS_STOPWATCH2).checked(IDC_TIMERS_DISPLAY_TIME));
  EXPECT_TRUE(again.click(IDC_TIMERS_COUNTDOWN2).checked(IDC_TIMERS_DISPLAY_TIME));
}

TEST(TimersDialog, TheSelectedTimersCountIsRefreshedOnEveryTick) {
  Desk desk;
  desk.start();
  auto dialog = OpenTimers(desk);
  dialog.click(IDC_TIMERS_START_STOP);
  for (const char* expected : {"00:00:00", "00:00:01", "00:00:01", "00:00:02"}) {
    desk.advance(500);
    EXPECT_EQ(dialog.text(IDC_TIMERS_CURRENT_COUNT), expected) << desk.now();
  }
  // Stopped, the count keeps its last value; another selection starts from zero.
  dialog.click(IDC_TIMERS_START_STOP);
  desk.advance(2000);
  EXPECT_EQ(dialog.text(IDC_TIMERS_CURRENT_COUNT), "00:00:02");
  EXPECT_EQ(dialog.click(IDC_TIMERS_STOPWATCH2).text(IDC_TIMERS_CURRENT_COUNT), "00:00:00");
}

TEST(TimersDialog, ACountdownFinishingInsideTheDialogNotifiesOverIt) {
  Desk desk;
  desk.start();
  auto dialog = OpenTimers(desk);
  dialog.click(IDC_TIMERS_COUNTDOWN1).type(IDC_TIMERS_COUNTDOWN_FROM, "1").click(IDC_TIMERS_START_STOP);
  desk.advanceUntil([&] { return desk.hasMessageBox(); }, 61000, "the countdown's notice");
  EXPECT_EQ(desk.messageBox().text(), "Countdown timer 1 finished.");
  EXPECT_EQ(desk.messageBox().owner(), dialog.hwnd());
  desk.messageBox().ok();
  EXPECT_EQ(dialog.text(IDC_TIMERS_CURRENT_COUNT), "00:00:00");
  // The button must not offer to stop a countdown that has ended.
  EXPECT_EQ(dialog.text(IDC_TIMERS_START_STOP), "&Start");
  EXPECT_EQ(desk.messageBoxes().size(), 1u);
}

}  // namespace
