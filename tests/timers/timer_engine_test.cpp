// The stopwatch and countdown engine on the virtual timer clock: counts, the
// pieces of the face, and the clock they run on.
#include <string>

#include "display/face_fixture.h"

namespace {

using TimerEngineTest = FaceFixture;

constexpr std::uint64_t kHourMs = 3'600'000;

TEST_F(TimerEngineTest, PieceForEveryKindAndCount) {
  struct Row {
    int index;
    std::int32_t countdownMinutes;  // 0 for a stopwatch
    std::int32_t showSeconds;
    std::uint64_t elapsedMs;
    const char* piece;
  };
  const Row rows[] = {
      {0, 0, 1, 65'000, " S1 00:01:05"},
      {1, 0, 1, 65'999, " S2 00:01:05"},
      {0, 0, 0, 65'000, " S1 00:01"},
      {1, 0, 1, 10 * kHourMs + 10 * 60'000 + 10'000, " S2 10:10:10"},
      {0, 0, 1, 100 * kHourMs, " S1 100:00:00"},
      {0, 0, 1, 254 * kHourMs + 59 * 60'000 + 59'000, " S1 254:59:59"},
      {0, 0, 1, 255 * kHourMs + 1'000, " S1 00:00:01"},  // 255 hours read as 0
      {0, 0, 1, 256 * kHourMs, " S1 00:00:00"},          // the 8-bit hours wrap
      {1, 0, 0, 257 * kHourMs + 61'000, " S2 01:01"},
      {2, 1, 1, 500, " C1 00:00:59"},
      {3, 90, 1, 500, " C2 01:29:59"},
      {2, 90, 0, 500, " C1 01:29"},
      {3, 6000, 0, 500, " C2 99:59"},
      {2, 6001, 1, 0, " C1 100:01:00"},
      {3, 1, 1, 58'999, " C2 00:00:01"},
  };
  for (const Row& row : rows) {
    SetTimersStartState();
    timers[row.index].showSeconds = row.showSeconds;
    if (row.countdownMinutes == 0) {
      StartStopwatch(row.index);
    } else {
      StartCountdown(row.index, row.countdownMinutes);
    }
    driver.AdvanceMonotonicOnly(row.elapsedMs);
    EXPECT_EQ(FormatTimerText(nullptr), 1) << row.piece;
    EXPECT_EQ(std::string(timerText), row.piece);
  }
}

TEST_F(TimerEngineTest, PiecesComeInTableOrderAndOnlyForShownRunningTimers) {
  StartCountdown(3, 63);
  StartStopwatch(0);
  StartStopwatch(1);
  timers[1].showTimer = 0;
  timers[3].showSeconds = 0;
  driver.AdvanceMonotonicOnly(65'000);
  EXPECT_EQ(FormatTimerText(nullptr), 1);
  EXPECT_EQ(std::string(timerText), " S1 00:01:05 C2 01:01");
  // The hidden stopwatch is counted all the same.
  EXPECT_EQ(timers[1].minutes, 1);
  EXPECT_EQ(timers[1].seconds, 5);

  StopTimer(0);
  StopTimer(3);
  EXPECT_EQ(FormatTimerText(nullptr), 0);
  EXPECT_STREQ(timerText, "");
}

TEST_F(TimerEngineTest, StoppedTimerKeepsItsCountAndAStartBeginsAgain) {
  StartStopwatch(0);
  driver.AdvanceMonotonicOnly(7'000);
  UpdateTimers(nullptr);
  StopTimer(0);
  driver.AdvanceMonotonicOnly(60'000);
  UpdateTimers(nullptr);
  EXPECT_EQ(timers[0].seconds, 7);
  StartStopwatch(0);
  driver.AdvanceMonotonicOnly(2'000);
  FormatTimerText(nullptr);
  EXPECT_EQ(std::string(timerText), " S1 00:00:02");

  StartCountdown(2, 5);
  driver.AdvanceMonotonicOnly(120'000);
  StopTimer(2);
  StartCountdown(2, 5);
  FormatTimerText(nullptr);
  EXPECT_EQ(std::string(timerText), " S1 00:02:02 C1 00:05:00");
}

// The timer clock is monotonic: setting the wall clock, or a change of
// daylight saving, moves no stopwatch or countdown.
TEST_F(TimerEngineTest, WallClockChangesDoNotMoveTimers) {
  StartStopwatch(0);
  StartCountdown(2, 10);
  driver.AdvanceMonotonicOnly(30'000);
  At("1992-12-07 03:00:00");  // set back by hand
  FormatTimerText(nullptr);
  EXPECT_EQ(std::string(timerText), " S1 00:00:30 C1 00:09:30");
  At("1993-01-01 00:00:00");  // set forward by weeks
  FormatTimerText(nullptr);
  EXPECT_EQ(std::string(timerText), " S1 00:00:30 C1 00:09:30");
}

// Past 24.8 days (2^31 ms) a 32-bit clock would wrap; the timers go on.
TEST_F(TimerEngineTest, LongRunsAndLongCountdownsDoNotOverflow) {
  driver.AdvanceMonotonicOnly(30ull * 24 * kHourMs);
  StartStopwatch(0);
  StartCountdown(2, 50'000);  // beyond the 32-bit range of the end instant
  driver.AdvanceMonotonicOnly(26ull * 24 * kHourMs);
  FormatTimerText(nullptr);
  EXPECT_EQ(timers[2].running, 1);
  // 624 hours elapsed (shown modulo 256); 833:20 - 624:00 = 209:20 left.
  EXPECT_EQ(std::string(timerText), " S1 112:00:00 C1 209:20:00");
}

TEST(TimerSplit, WholeSecondsIntoHoursMinutesSeconds) {
  struct Row {
    std::int64_t seconds;
    int hours, minutes, secondsLeft;
  };
  const Row rows[] = {
      {0, 0, 0, 0},        {59, 0, 0, 59},        {60, 0, 1, 0},          {3599, 0, 59, 59},
      {3600, 1, 0, 0},     {359999, 99, 59, 59},  {918000, 0, 0, 0},      {921599, 0, 59, 59},
      {921600, 0, 0, 0},   {925261, 1, 1, 1},     {-5, 0, 0, 0},
  };
  for (const Row& row : rows) {
    TimerRecord timer{};
    SplitTimerCount(row.seconds, timer);
    EXPECT_EQ(timer.hours, row.hours) << row.seconds;
    EXPECT_EQ(timer.minutes, row.minutes) << row.seconds;
    EXPECT_EQ(timer.seconds, row.secondsLeft) << row.seconds;
  }
}

}  // namespace
