// Jumps of the local clock: daylight saving, a suspend, a clock set by hand.
// An alarm goes off at most once per local date and time, and one whose
// minute was skipped by a forward jump of up to 12 hours goes off once after it.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "alarm_scene.h"
#include "alarms/alarm_scan.h"

namespace {

using namespace alarm_scene;

constexpr std::uint64_t kHourMs = 3'600'000;

// In Berlin, 31 March 2024 has no 02:00-02:59; 27 October 2024 has it twice.
constexpr const char* kBerlin = "Europe/Berlin";

TEST(ClockJump, SpringChangeRingsTheSkippedAlarmAtThree) {
  Desk desk{DeskAt("2024-03-31 01:58:00", [](AlarmRecord* a) {
    Program(Daily(a[0], 3, 0), "at three");
    Program(Daily(a[4], 2, 30), "in the gap");
    Program(Daily(a[5], 1, 30), "before");
  }, kBerlin)};
  desk.start();
  desk.advanceTo("2024-03-31 01:59:59");
  EXPECT_TRUE(Started(desk).empty());
  desk.advanceTo("2024-03-31 03:10:00");
  // Once each, in index order, at the first scan after the jump.
  ASSERT_EQ(Started(desk), (std::vector<std::string>{"at three", "in the gap"}));
  EXPECT_EQ(LocalText(desk.programsStarted()[1].utcMs), "2024-03-31 03:00:00.000");
}

TEST(ClockJump, AutumnChangeRingsTheRepeatedHourOnce) {
  Desk desk{DeskAt("2024-10-27 01:50:00", [](AlarmRecord* a) {
    Program(Daily(a[0], 2, 30), "repeated");
    Beeping(Note(Daily(a[1], 2, 45), "with a note"));
  }, kBerlin)};
  desk.start();
  desk.advanceUntil([&] { return desk.hasDialog("Alarm 2 - 2:45  10-27-124"); }, 2 * kHourMs, "the first 2:45");
  desk.topDialog().click(IDOK);
  desk.advanceTo("2024-10-27 04:00:00");
  EXPECT_EQ(Started(desk), std::vector<std::string>{"repeated"});
  EXPECT_EQ(desk.beeps().size(), 10u);
  EXPECT_TRUE(desk.dialogCaptions().empty());
  // The next day is an ordinary day again.
  desk.advanceTo("2024-10-28 02:31:00");
  EXPECT_EQ(Started(desk), (std::vector<std::string>{"repeated", "repeated"}));
}

TEST(ClockJump, SuspendCatchesUpToTwelveHours) {
  struct Case {
    std::uint64_t suspendMs;
    bool caughtUp;
  };
  for (const Case c : {Case{kHourMs, true}, Case{12 * kHourMs, true}, Case{13 * kHourMs, false},
                       Case{48 * kHourMs, false}}) {
    SCOPED_TRACE(c.suspendMs / kHourMs);
    Desk desk{DeskAt("1992-12-08 06:30:00", [](AlarmRecord* a) { Program(Daily(a[3], 7, 5), "morning"); })};
    desk.start();
    desk.advanceTo("1992-12-08 06:40:00");
    desk.suspendFor(c.suspendMs);
    desk.advance(1000);
    EXPECT_EQ(Started(desk).size(), c.caughtUp ? 1u : 0u);
    // Once, not again in the minutes after.
    desk.advance(600'000);
    EXPECT_EQ(Started(desk).size(), c.caughtUp ? 1u : 0u);
  }
}

TEST(ClockJump, CaughtUpOneDateAlarmShowsItsUsualMessageAndRetires) {
  Desk desk{DeskAt("1992-12-08 06:30:00", [](AlarmRecord* a) {
    Beeping(Note(OneDate(a[0], 7, 5, 1992, 12, 8), "Late but not lost"));
  })};
  desk.start();
  desk.advance(1000);
  desk.suspendFor(kHourMs);
  desk.advance(1000);
  ASSERT_TRUE(desk.hasDialog("Alarm 1 - 7:05  (One Date)"));
  EXPECT_EQ(desk.dialog("Alarm 1 - 7:05  (One Date)").text(101), "Late but not lost");
  EXPECT_EQ(desk.beeps().size(), 10u);
  EXPECT_EQ(alarms[0].enabled, 0);
}

TEST(ClockJump, ClockSetByHand) {
  Desk desk{DeskAt("1992-12-08 06:30:00", [](AlarmRecord* a) {
    Program(Daily(a[0], 7, 5), "seven five");
    Program(Daily(a[1], 6, 45), "six forty-five");
  })};
  desk.start();
  desk.advance(1000);
  // Forward over both: each goes off once, in index order rather than by time.
  desk.setClock("1992-12-08 07:20:00");
  desk.advance(1000);
  EXPECT_EQ(Started(desk), (std::vector<std::string>{"seven five", "six forty-five"}));
  // Back over them: the same local minutes do not ring again.
  desk.setClock("1992-12-08 06:40:00");
  desk.advanceTo("1992-12-08 07:30:00");
  EXPECT_EQ(Started(desk).size(), 2u);
  // The next day they do.
  desk.advanceTo("1992-12-09 07:30:00");
  EXPECT_EQ(Started(desk).size(), 4u);
}

// Alarm 2 is caught up behind alarm 1's note, and the clock moves while the
// note is up: set back behind 7:05, alarm 2 rings when 7:05 comes again (not
// before, and once); carried on past the catch-up limit, it is too long past
// to ring for at all.
TEST(ClockJump, ACatchUpHeldBehindANoteFollowsTheClockMovedMeanwhile) {
  struct Case {
    const char* movedTo;
    const char* closeAt;
    const char* quietUntil;
    const char* end;
    std::vector<std::string> startedMinutes;
  };
  const Case cases[] = {
      {"1992-12-08 06:40:00", "1992-12-08 06:45:00", "1992-12-08 07:04:30", "1992-12-08 07:30:00",
       {"1992-12-08 07:05"}},
      {"1992-12-09 18:00:00", "1992-12-09 18:00:30", "1992-12-09 18:05:00", "1992-12-09 18:10:00", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.movedTo);
    Desk desk{DeskAt("1992-12-08 06:30:00", [](AlarmRecord* a) {
      Note(Daily(a[0], 7, 0), "first");
      Program(Daily(a[1], 7, 5), "seven five");
    })};
    desk.start();
    desk.advance(1000);
    desk.setClock("1992-12-08 07:20:00");
    desk.advanceUntil([&] { return !desk.dialogCaptions().empty(); }, 2000, "the note");
    ASSERT_TRUE(Started(desk).empty());
    desk.setClock(c.movedTo);
    desk.advanceTo(c.closeAt);
    desk.topDialog().click(IDOK);
    desk.advanceTo(c.quietUntil);
    EXPECT_TRUE(Started(desk).empty());
    desk.advanceTo(c.end);
    std::vector<std::string> minutes;
    for (const ProgramStart& start : desk.programsStarted()) minutes.push_back(LocalText(start.utcMs).substr(0, 16));
    EXPECT_EQ(minutes, c.startedMinutes);
  }
}

TEST(ClockJump, AnAlarmDueInTheMinuteAnotherRingsLateInGoesOffWhenTheClockHasMovedOn) {
  // The clock set to 7:00:59.1 is scanned at 7:00:59.6; alarm 1 goes off and
  // takes the clock into 7:01, by its beeps or until the next scan under its
  // note, before alarm 2 is looked at.
  struct Case {
    const char* name;
    AlarmEdit first;
  };
  const Case cases[] = {
      {"beeps", [](AlarmRecord* a) { Beeping(Program(Daily(a[0], 7, 0), "first")); }},
      {"a note", [](AlarmRecord* a) { Note(Daily(a[0], 7, 0), "first"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Desk desk{DeskAt("1992-12-08 06:50:00", [&c](AlarmRecord* a) {
      c.first(a);
      Program(Daily(a[1], 7, 0), "second");
    })};
    desk.start();
    desk.advanceTo("1992-12-08 06:55:00");
    desk.setClock("1992-12-08 07:00:59.100");
    desk.advanceTo("1992-12-08 07:03:00");
    const std::vector<std::string> started = Started(desk);
    EXPECT_EQ(std::count(started.begin(), started.end(), "second"), 1);
    EXPECT_EQ(LocalText(desk.programsStarted().back().utcMs).substr(0, 16), "1992-12-08 07:01");
    desk.advanceTo("1992-12-08 07:30:00");
    EXPECT_EQ(Started(desk), started);
  }
}

TEST(ClockJump, AJumpOfWholeHoursExaminesTheMinuteItLandsOn) {
  // Each jump leaves the clock at 7:05 and some seconds on Wednesday 9 December,
  // after a scan at :05 of an earlier hour.
  struct Case {
    const char* name;
    const char* before;
    std::function<void(Desk&)> jump;
  };
  const Case cases[] = {
      {"set by hand one hour on", "1992-12-09 06:05:00", [](Desk& d) { d.setClock("1992-12-09 07:05:10"); }},
      {"resume after two hours", "1992-12-09 05:05:00", [](Desk& d) { d.suspendFor(2 * kHourMs); }},
      {"a whole day on, past the catch-up", "1992-12-08 07:05:00",
       [](Desk& d) { d.setClock("1992-12-09 07:05:10"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Desk desk{DeskAt(c.before, [](AlarmRecord* a) {
      Program(Daily(a[0], 7, 5), "landing");
      for (int day = 0; day < 7; ++day) a[0].weekday[day] = day == 3;
    })};
    desk.start();
    desk.advance(1000);
    c.jump(desk);
    desk.advance(1000);
    EXPECT_EQ(Started(desk), std::vector<std::string>{"landing"});
    desk.advance(120'000);
    EXPECT_EQ(Started(desk).size(), 1u);
  }
}

// An alarm examined at 7:05 while set for nine, then moved to 7:05, is never
// rung for 7:05 that day: not by the scan, and not as a catch-up when alarm
// 1's long beeps carry that scan into 7:06 before it comes to the moved alarm.
TEST(ClockJump, AnAlarmMovedIntoTheMinuteAlreadyExaminedWaitsForItsNextDay) {
  struct Case {
    const char* name;
    bool firstRingsLate;
  };
  for (const Case c : {Case{"alone", false}, Case{"behind another alarm's beeps", true}}) {
    SCOPED_TRACE(c.name);
    Desk desk{DeskAt("1992-12-08 07:04:50", [](AlarmRecord* a) {
      Beeping(Program(Daily(a[0], 7, 5), "first"), kAlarmBeepLong);
      a[0].enabled = 0;
      Program(Daily(a[1], 9, 0), "moved");
    })};
    desk.start();
    desk.advanceTo("1992-12-08 07:05:55");
    alarms[0].enabled = c.firstRingsLate ? 1 : 0;
    alarms[1].hour = 7;
    alarms[1].minute = 5;
    desk.advanceTo("1992-12-08 07:08:30");
    const std::vector<std::string> first =
        c.firstRingsLate ? std::vector<std::string>{"first"} : std::vector<std::string>{};
    EXPECT_EQ(Started(desk), first);
    desk.advanceTo("1992-12-09 07:05:30");
    EXPECT_EQ(Started(desk).back(), "moved");
  }
}

}  // namespace
