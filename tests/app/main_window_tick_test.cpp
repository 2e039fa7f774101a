// The 500 ms tick: when the face is rebuilt, and the hourly beep.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/main_window_files.h"
#include "support/desk.h"
#include "support/message_sequence.h"
#include "timers/timer_record.h"

using clock_files::Configuration;

namespace {

Desk ClockAt(const Configuration& files, const char* at) {
  return Desk{Settings().at(at).settingsFile("HORATICK.CFG", files.Image())};
}

struct RefreshCase {
  const char* name;
  std::int16_t displaySeconds;
  std::int32_t blinkColon;
  const char* start;
  std::vector<std::string> titles;  // after each of the next ticks
};

class FaceRefresh : public testing::TestWithParam<RefreshCase> {};

}  // namespace

TEST_P(FaceRefresh, FollowsTheTicks) {
  const RefreshCase& c = GetParam();
  Configuration files;
  files.preferences.displaySeconds = c.displaySeconds;
  files.preferences.blinkColon = c.blinkColon;
  Desk desk = ClockAt(files, c.start);
  desk.start();
  std::vector<std::string> titles;
  for (std::size_t i = 0; i < c.titles.size(); ++i) {
    desk.advance(500);
    titles.push_back(desk.clockTitle());
  }
  EXPECT_EQ(titles, c.titles);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FaceRefresh,
    testing::Values(
        RefreshCase{"MinuteChange", 0, 0, "1992-12-07 15:05:58.700",
                    {" 3:05 PM  Mon 12/07/92 ", " 3:05 PM  Mon 12/07/92 ", " 3:06 PM  Mon 12/07/92 "}},
        RefreshCase{"BlinkingColon", 0, 1, "1992-12-07 15:05:09.100",
                    {" 3 05 PM  Mon 12/07/92 ", " 3:05 PM  Mon 12/07/92 ", " 3 05 PM  Mon 12/07/92 "}},
        // Seconds are counted in ticks from the window's creation, not aligned
        // with the clock's second, and the blink is ignored.
        RefreshCase{"SecondsEverySecondTick", 1, 1, "1992-12-07 15:05:09.100",
                    {" 3:05:09 PM  Mon 12/07/92 ", " 3:05:10 PM  Mon 12/07/92 ", " 3:05:10 PM  Mon 12/07/92 ",
                     " 3:05:11 PM  Mon 12/07/92 "}}),
    [](const testing::TestParamInfo<RefreshCase>& info) { return std::string(info.param.name); });

TEST(ClockTick, WithinAMinuteNeitherTimerRebuildsTheFace) {
  Desk desk{Settings().at("1992-12-07 15:05:09")};
  desk.start();
  desk.advance(500);
  // A title set from outside stays until the face is next rebuilt.
  desk.post(desk.clockWindow(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("marker"));
  desk.advance(2500);
  EXPECT_EQ(desk.clockTitle(), "marker");
  desk.advanceTo("1992-12-07 15:06:00.300");
  EXPECT_EQ(desk.clockTitle(), " 3:06 PM  Mon 12/07/92 ");
}

TEST(ClockTick, AFinishedCountdownLaysTheWindowOutAfterwards) {
  Desk desk{Settings()};
  desk.start();
  const HWND clock = desk.clockWindow();
  desk.clearTrace();
  desk.post(clock, WM_TIMER_FINISHED, 0, 0);
  EXPECT_TRUE(desk::MatchesSequence(
      desk.trace(clock, {WM_TIMER_FINISHED, WM_SYSCOMMAND}),
      {{WM_TIMER_FINISHED, 0, 0, desk::kCompareParams}, {WM_SYSCOMMAND, IDM_RELAYOUT, 0, desk::kCompareParams}}));
}

// The hourly beep: two beeps of 200 Hz for 100 ms when the hour changes.
struct HourlyCase {
  const char* name;
  int hourlyBeep;
  const char* start;
  const char* until;
  std::size_t beeps;
};

class HourlyBeep : public testing::TestWithParam<HourlyCase> {};

TEST_P(HourlyBeep, SoundsOnceWhenTheHourChanges) {
  const HourlyCase& c = GetParam();
  Configuration files;
  files.alarms[0].hourlyBeep = c.hourlyBeep;
  Desk desk = ClockAt(files, c.start);
  desk.start();
  desk.advanceTo(c.until);
  ASSERT_EQ(desk.beeps().size(), c.beeps);
  for (const BeepRecord& beep : desk.beeps()) {
    EXPECT_EQ(beep.frequencyHz, 200u);
    EXPECT_EQ(beep.durationMs, 100u);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HourlyBeep,
    testing::Values(HourlyCase{"AtTen", 1, "1992-12-07 09:59:30", "1992-12-07 10:00:01", 2},
                    HourlyCase{"NotAgainAtOnePastTen", 1, "1992-12-07 09:59:30", "1992-12-07 10:01:30", 2},
                    HourlyCase{"NotForTheHourItStartedIn", 1, "1992-12-07 10:00:00", "1992-12-07 10:59:30", 0},
                    HourlyCase{"EveryHourOverThreeHours", 1, "1992-12-07 09:30:00", "1992-12-07 12:30:00", 6},
                    HourlyCase{"OffIsSilent", 0, "1992-12-07 09:59:30", "1992-12-07 10:00:01", 0},
                    HourlyCase{"OnlyWhenExactlyOne", 2, "1992-12-07 09:59:30", "1992-12-07 10:00:01", 0}),
    [](const testing::TestParamInfo<HourlyCase>& info) { return std::string(info.param.name); });

TEST(HourlyBeepClock, AnHourAlreadySoundedIsNotSoundedAgainAfterTheClockIsSetBack) {
  Configuration files;
  files.alarms[0].hourlyBeep = 1;
  Desk desk = ClockAt(files, "1992-12-07 09:59:30");
  desk.start();
  desk.advanceTo("1992-12-07 10:00:01");
  ASSERT_EQ(desk.beeps().size(), 2u);
  desk.setClock("1992-12-07 09:59:50");  // nine o'clock was not sounded yet
  desk.advance(500);
  EXPECT_EQ(desk.beeps().size(), 4u);
  desk.advanceTo("1992-12-07 10:00:30");
  EXPECT_EQ(desk.beeps().size(), 4u) << "ten o'clock sounded twice";
}
