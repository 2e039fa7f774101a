// The clock window's procedure by the messages it gets and sends: creation,
// activation before and after the user's first click, and the caption.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "app/main_window_files.h"
#include "support/desk.h"
#include "support/message_sequence.h"

using clock_files::Configuration;
using desk::MatchesSequence;

namespace {

// A note at 15:06 whose dismissal hands the activation back to its owner,
// the clock, as the system does when a window above it goes away.
Desk ClockWithNoteAtSix() {
  Configuration files;
  files.alarms[0] = clock_files::SilentOneDateAlarm(1992, 12, 7, 15, 6);
  files.alarms[0].action = kAlarmActionNote;
  return Desk{Settings().settingsFile("HORATICK.CFG", files.Image())};
}

}  // namespace

TEST(ClockMessages, CreationBuildsTheFaceThenLaysOutTwice) {
  Desk desk{Settings()};
  desk.start();
  const HWND clock = desk.clockWindow();
  // The second parameters (pointers and screen places) are not pinned.
  EXPECT_TRUE(MatchesSequence(desk.trace(clock),
                              {
                                  {WM_CREATE, 0},
                                  {WM_SETTEXT, 0},                // the first face
                                  {WM_SYSCOMMAND, IDM_RELAYOUT},  // sent at the end of the creation
                                  {WM_MOVE, 0},                   // ... which places the window
                                  {WM_SETTEXT, 0},                // ... and puts the face on it
                                  {WM_MOVE, 0},                   // the creation's own report of the place
                                  {WM_SYSCOMMAND, IDM_RELAYOUT},  // the one posted during the creation
                                  {WM_SETTEXT, 0},
                              }));
}

TEST(ClockMessages, BeforeTheFirstClickTheClockHandsAnActivationBack) {
  Desk desk = ClockWithNoteAtSix();
  desk.start();
  const HWND clock = desk.clockWindow();
  desk.advanceTo("1992-12-07 15:06:01");
  desk.clearTrace();
  desk.topDialog().click(IDOK);

  EXPECT_TRUE(MatchesSequence(desk.trace(clock, {WM_ACTIVATE}),
                              {
                                  {WM_ACTIVATE, WA_ACTIVE},    // the note is gone, the clock is activated
                                  {WM_ACTIVATE, WA_INACTIVE},  // hidden and shown again without the activation
                              }));
  EXPECT_FALSE(desk.clock().active);
  EXPECT_TRUE(desk.clock().visible);
}

TEST(ClockMessages, AfterAClickTheClockKeepsTheActivation) {
  Desk desk = ClockWithNoteAtSix();
  desk.start();
  const HWND clock = desk.clockWindow();
  desk.clickCaption();
  desk.advanceTo("1992-12-07 15:06:01");
  desk.clearTrace();
  desk.topDialog().click(IDOK);

  EXPECT_TRUE(MatchesSequence(desk.trace(clock, {WM_ACTIVATE}), {{WM_ACTIVATE, WA_ACTIVE}}));
  EXPECT_TRUE(desk.clock().active);
}

TEST(ClockMessages, AClickActivatesThroughACaptionPress) {
  Desk desk{Settings()};
  desk.start();
  const HWND clock = desk.clockWindow();
  desk.clearTrace();
  desk.clickCaption();
  EXPECT_TRUE(MatchesSequence(desk.trace(clock, {WM_MOUSEACTIVATE, WM_NCLBUTTONDOWN, WM_ACTIVATE, WM_SYSCOMMAND}),
                              {
                                  {WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(clock)},
                                  {WM_NCLBUTTONDOWN, 0},  // sent by the clock to itself: the user has touched it
                                  {WM_ACTIVATE, WA_CLICKACTIVE},
                                  {WM_NCLBUTTONDOWN, HTCAPTION},
                                  {WM_SYSCOMMAND, SC_MOVE | HTCAPTION},  // the caption drag of the default procedure
                              }));
  EXPECT_TRUE(desk.clock().active);
}

TEST(ClockMessages, TheWordParameterIsReadInItsLowSixteenBits) {
  Desk desk{Settings()};
  desk.start();
  desk.rightClickCaption();
  ASSERT_FALSE(desk.clock().visible);
  // A layout command with bits above the low word still lays out.
  desk.post(desk.clockWindow(), WM_SYSCOMMAND, (WPARAM{1} << 16) | IDM_RELAYOUT, 0);
  EXPECT_TRUE(desk.clock().visible);
}
