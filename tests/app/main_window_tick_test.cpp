// The 500 ms tick: when the face is rebuilt, and the hourly beep.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/main_window_files.h"
#include "support/desk.h"
#include "support/message_sequence.h"
#include "timers/timer_record.h"
#include "timers/timers_dialog.h"

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

// A timer started in the Timers dialog with seconds not shown on the clock:
// its piece moves every second; a one-minute countdown's notice comes within
// a tick of its end, with its piece on the face, left off it ("Display Timer"
// off) or the window minimised; once the notice is dismissed the face has its
// time back.
struct RunningTimerCase {
  const char* name;
  int timer;           // the radio of the timer started
  bool displayTimer;   // "Display Timer" left on
  bool minimised;
  std::vector<std::string> faces;  // a second, two and three after the start
};

void PrintTo(const RunningTimerCase& c, std::ostream* out) { *out << c.name; }

class RunningTimer : public testing::TestWithParam<RunningTimerCase> {};

TEST_P(RunningTimer, MovesEverySecondAndEndsOnTime) {
  const RunningTimerCase& c = GetParam();
  Desk desk{Settings().at("1992-12-07 15:05:09.100")};
  desk.start();
  if (c.minimised) desk.minimize();
  desk.sysCommand(IDM_TIMERS);
  DialogView dialog = desk.dialog("Timers").click(c.timer);
  const bool countdown = c.timer == IDC_TIMERS_COUNTDOWN1;
  if (countdown) dialog.type(IDC_TIMERS_COUNTDOWN_FROM, "1");
  if (!c.displayTimer) dialog.click(IDC_TIMERS_DISPLAY_TIMER);
  dialog.click(IDC_TIMERS_START_STOP).click(IDOK);
  const std::uint64_t startMs = desk.tickCount();
  std::vector<std::string> faces;
  for (int second = 1; second <= 3; ++second) {
    desk.advance(1000);
    faces.push_back(desk.clockTitle());
  }
  EXPECT_EQ(faces, c.faces);
  if (!countdown) return;
  desk.advanceUntil([&] { return desk.hasMessageBox(); }, 60'000, "the countdown's notice");
  // Less than a second left counts as finished: the first tick after that.
  EXPECT_GE(desk.tickCount() - startMs, 59'000u);
  EXPECT_LE(desk.tickCount() - startMs, 59'500u);
  desk.messageBox().ok();
  EXPECT_EQ(desk.clockTitle(), " 3:06 PM  Mon 12/07/92 ");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RunningTimer,
    testing::Values(
        RunningTimerCase{"StopwatchOnTheFace", IDC_TIMERS_STOPWATCH1, true, false,
                         {" S1 00:00:01 ", " S1 00:00:02 ", " S1 00:00:03 "}},
        RunningTimerCase{"CountdownOnTheFace", IDC_TIMERS_COUNTDOWN1, true, false,
                         {" C1 00:00:59 ", " C1 00:00:58 ", " C1 00:00:57 "}},
        RunningTimerCase{"CountdownOffTheFace", IDC_TIMERS_COUNTDOWN1, false, false,
                         {" ", " ", " "}},  // a running timer takes the time off, and this one's piece is left off
        RunningTimerCase{"CountdownMinimised", IDC_TIMERS_COUNTDOWN1, true, true,
                         {" C1 00:00:59 ", " C1 00:00:58 ", " C1 00:00:57 "}}),
    [](const testing::TestParamInfo<RunningTimerCase>& info) { return std::string(info.param.name); });

// Timers' OK puts the new face on at once, and the window takes the face's
// width in the order that never shows a face cut off: wider before a longer
// text, narrower only after a shorter one.
TEST(TimersOk, ShowsTheNewFaceAtOnceAndNeverCutOff) {
  struct Case {
    const char* name;
    std::vector<int> clicks;  // in the dialog, before OK
    const char* face;
  };
  const Case cases[] = {
      {"a stopwatch alone", {IDC_TIMERS_START_STOP}, " S1 00:00:00 "},
      {"a stopwatch with the time and date",
       {IDC_TIMERS_DISPLAY_TIME, IDC_TIMERS_DISPLAY_DATE, IDC_TIMERS_START_STOP},
       " 3:05 PM  Mon 12/07/92 S1 00:00:00 "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Desk desk{Settings().at("1992-12-07 15:05:09.100")};
    desk.start();
    desk.recordFrames();
    for (const char* step : {"start", "stop"}) {
      SCOPED_TRACE(step);
      desk.sysCommand(IDM_TIMERS);
      DialogView dialog = desk.dialog("Timers");
      if (std::string(step) == "start") {
        for (int id : c.clicks) dialog.click(id);
      } else {
        dialog.click(IDC_TIMERS_START_STOP);
      }
      dialog.click(IDOK);
      EXPECT_EQ(desk.clockTitle(), std::string(step) == "start" ? c.face : " 3:05 PM  Mon 12/07/92 ");
    }
    for (const WindowFrame& frame : desk.frames(desk.clockWindow())) {
      EXPECT_LE(static_cast<long>(frame.text.size()) * 8, frame.rect.right - frame.rect.left) << frame.text;
    }
  }
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
