// Where the clock window stands: the position rule with Anti-Cascade and
// Lock Location, the system box toggle, minimise and restore, and the
// right-button click that hides it.
#include <gtest/gtest.h>

#include <string>

#include "app/main_window.h"
#include "app/main_window_files.h"
#include "support/desk.h"

using clock_files::Configuration;
using clock_files::ProfileValue;

namespace {

Desk ClockWith(const Configuration& files) {
  return Desk{Settings().settingsFile("HORATICK.CFG", files.Image())};
}

}  // namespace

enum class Mover {
  Drag,         // the user drags the caption
  Others,       // another program moves the window
  MoveCommand,  // the Move command of the system menu, then the move
};

struct PlaceCase {
  const char* name;
  int antiCascade;
  int lockLocation;
  Mover mover;
  bool staysMoved;
};

class PositionRule : public testing::TestWithParam<PlaceCase> {};

TEST_P(PositionRule, KeepsOrUndoesAMove) {
  const PlaceCase& c = GetParam();
  Configuration files;
  files.preferences.antiCascade = static_cast<std::int16_t>(c.antiCascade);
  files.preferences.lockLocation = c.lockLocation;
  Desk desk = ClockWith(files);
  desk.start();
  const RECT before = desk.clock().rect;

  switch (c.mover) {
    case Mover::Drag:
      desk.drag(-100, 50);
      break;
    case Mover::Others:
      desk.moveClockByOthers(before.left - 100, before.top + 50);
      break;
    case Mover::MoveCommand:
      desk.sysCommand(SC_MOVE);
      desk.moveClockByOthers(before.left - 100, before.top + 50);
      break;
  }

  const RECT after = desk.clock().rect;
  const RECT expected = c.staysMoved ? RECT{before.left - 100, before.top + 50, before.right - 100, before.bottom + 50}
                                     : before;
  EXPECT_EQ(after.left, expected.left);
  EXPECT_EQ(after.top, expected.top);
  EXPECT_EQ(after.right - after.left, before.right - before.left);

  // The place that is kept is the one written when the program ends.
  desk.endSession();
  EXPECT_EQ(ProfileValue(desk.settingsFolder(), "xPos"), std::to_string(expected.right));
  EXPECT_EQ(ProfileValue(desk.settingsFolder(), "yPos"), std::to_string(expected.top));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PositionRule,
    testing::Values(PlaceCase{"AntiCascadeLockedDragGoesBack", 1, 1, Mover::Drag, false},
                    PlaceCase{"AntiCascadeUnlockedDragStays", 1, 0, Mover::Drag, true},
                    PlaceCase{"NoAntiCascadeLockedDragStays", 0, 1, Mover::Drag, true},
                    PlaceCase{"NoAntiCascadeUnlockedDragStays", 0, 0, Mover::Drag, true},
                    PlaceCase{"AntiCascadeUndoesOthers", 1, 0, Mover::Others, false},
                    PlaceCase{"AntiCascadeLockedUndoesOthers", 1, 1, Mover::Others, false},
                    PlaceCase{"NoAntiCascadeKeepsOthers", 0, 0, Mover::Others, true},
                    PlaceCase{"AntiCascadeUnlockedMoveCommandStays", 1, 0, Mover::MoveCommand, true},
                    PlaceCase{"AntiCascadeLockedMoveCommandGoesBack", 1, 1, Mover::MoveCommand, false}),
    [](const testing::TestParamInfo<PlaceCase>& info) { return std::string(info.param.name); });

TEST(PositionRule, APlaceLeftOfTheScreenIsKeptAsANegativeEdge) {
  Configuration files;
  files.preferences.antiCascade = 0;
  Desk desk = ClockWith(files);
  desk.start();
  desk.moveClockByOthers(-300, 40);
  desk.endSession();
  const int width = 28 * 8;
  EXPECT_EQ(ProfileValue(desk.settingsFolder(), "xPos"), std::to_string(-300 + width));
  EXPECT_EQ(ProfileValue(desk.settingsFolder(), "yPos"), "40");
}

TEST(SystemBox, DoubleClickingTwiceGivesBackTheStyleAndWidth) {
  Desk desk{Settings()};
  desk.start();
  const platform::WindowSnapshot before = desk.clock();
  ASSERT_NE(before.style & WS_SYSMENU, 0u);

  desk.doubleClickCaption();
  const platform::WindowSnapshot without = desk.clock();
  EXPECT_EQ(without.style & WS_SYSMENU, 0u);
  // Without the box the window is three average widths narrower.
  EXPECT_EQ(without.rect.right - without.rect.left, before.rect.right - before.rect.left - 3 * 8);
  EXPECT_EQ(without.rect.right, before.rect.right);
  EXPECT_EQ(without.rect.top, before.rect.top);

  // Kept in the record, saved with the next save and not at the toggle.
  auto saved = clock_files::ReadConfiguration(desk.settingsFolder());
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(saved->preferences.systemBox, 1);

  desk.doubleClickCaption();
  const platform::WindowSnapshot again = desk.clock();
  EXPECT_EQ(again.style, before.style);
  EXPECT_EQ(again.rect.left, before.rect.left);
  EXPECT_EQ(again.rect.right, before.rect.right);
}

TEST(SystemBox, ADoubleClickOnTheMinimisedClockLeavesTheBoxAlone) {
  Desk desk{Settings()};
  desk.start();
  desk.minimize();
  desk.doubleClickCaption();
  desk.endSession();
  const auto saved = clock_files::ReadConfiguration(desk.settingsFolder());
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(saved->preferences.systemBox, 1);
}

TEST(MinimizeRestore, TheRestoredWindowIsNewAndStandsWhereTheOldOneStood) {
  Configuration files;
  files.preferences.antiCascade = 0;
  Desk desk = ClockWith(files);
  desk.start();
  desk.drag(-200, 100);
  const HWND old = desk.clockWindow();
  const RECT place = desk.clock().rect;

  desk.minimize();
  EXPECT_TRUE(desk.clock().minimized);
  EXPECT_EQ(desk.clockTitle(), "Horatick");
  EXPECT_EQ(ProfileValue(desk.settingsFolder(), "xPos"), std::to_string(place.right));
  EXPECT_EQ(ProfileValue(desk.settingsFolder(), "yPos"), std::to_string(place.top));
  // The title shows "Horatick" until the face is next rebuilt.
  desk.advanceTo("1992-12-07 15:06:00.600");
  EXPECT_EQ(desk.clockTitle(), " 3:06 PM  Mon 12/07/92 ");

  desk.restore();
  ASSERT_TRUE(desk.running());
  const HWND restored = desk.clockWindow();
  EXPECT_NE(restored, old);
  EXPECT_FALSE(desk.window(old).exists);
  const platform::WindowSnapshot now = desk.clock();
  EXPECT_FALSE(now.minimized);
  EXPECT_TRUE(now.visible);
  EXPECT_EQ(now.rect.right, place.right);
  EXPECT_EQ(now.rect.top, place.top);
  EXPECT_EQ(now.rect.right - now.rect.left, place.right - place.left);
  EXPECT_EQ(desk.clockTitle(), " 3:06 PM  Mon 12/07/92 ");
  // The new window ticks on its own timers.
  EXPECT_TRUE(platform::TimerIsSet(restored, kClockTickTimer));
  EXPECT_TRUE(platform::TimerIsSet(restored, kAlarmScanTimer));
  desk.advanceTo("1992-12-07 15:07:00.600");
  EXPECT_EQ(desk.clockTitle(), " 3:07 PM  Mon 12/07/92 ");
}

TEST(MinimizeRestore, TheMinimizeBoxMinimizes) {
  Configuration files;
  files.preferences.minimizeBox = 1;
  Desk desk = ClockWith(files);
  desk.start();
  ASSERT_NE(desk.clock().style & WS_MINIMIZEBOX, 0u);
  desk.clickMinimizeBox();
  EXPECT_TRUE(desk.clock().minimized);
  EXPECT_EQ(desk.clockTitle(), "Horatick");
}

TEST(RightClick, HidesTheWindowUntilTheNextLayoutCommand) {
  Desk desk{Settings()};
  desk.start();
  ASSERT_TRUE(desk.clock().topmost);
  desk.rightClickCaption();
  EXPECT_FALSE(desk.clock().visible);
  desk.advanceTo("1992-12-07 15:10:00");
  EXPECT_FALSE(desk.clock().visible) << "nothing brings it back by itself";

  // What `horatick --show` sends from outside.
  desk.postSysCommand(IDM_RELAYOUT);
  const platform::WindowSnapshot shown = desk.clock();
  EXPECT_TRUE(shown.visible);
  EXPECT_FALSE(shown.topmost) << "Stay In Front was cleared by the click";
  EXPECT_EQ(shown.rect.right, 1014);
  desk.endSession();
  const auto saved = clock_files::ReadConfiguration(desk.settingsFolder());
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(saved->preferences.stayInFront, 0);
}

TEST(StayInFront, TheWindowIsTopmostExactlyWhenItIsOne) {
  for (const int stayInFront : {0, 1, 2}) {
    Configuration files;
    files.preferences.stayInFront = stayInFront;
    Desk desk = ClockWith(files);
    desk.start();
    EXPECT_EQ(desk.clock().topmost, stayInFront == 1) << "stayInFront " << stayInFront;
  }
}
