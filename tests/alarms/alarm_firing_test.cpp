// Alarms going off on the running clock: beeps, the note's message, the
// started program, and what a one-date alarm leaves behind.
#include <gtest/gtest.h>

#include "alarm_scene.h"
#include "alarms/alarm_scan.h"
#include "platform/kernel/file_faults.h"
#include "platform/user/resource_lookup.h"

namespace {

using namespace alarm_scene;

TEST(AlarmFiring, OneDateAlarmEndToEnd) {
  Desk desk{DeskAt("1992-12-08 07:04:50", [](AlarmRecord* a) {
    Beeping(Note(OneDate(a[0], 7, 5, 1992, 12, 8), "Time to get up"));
    OneDate(a[1], 8, 0, 1993, 1, 2);  // another alarm's date stays as it is
  })};
  desk.start();
  desk.advanceTo("1992-12-08 07:04:59");
  EXPECT_TRUE(desk.beeps().empty());
  desk.clearTrace();

  desk.advanceUntil([&] { return desk.hasDialog("Alarm 1 - 7:05  (One Date)"); }, 5000, "the alarm's message");
  ASSERT_EQ(desk.beeps().size(), 10u);
  for (const BeepRecord& beep : desk.beeps()) {
    EXPECT_EQ(beep.frequencyHz, 200u);
    EXPECT_EQ(beep.durationMs, 100u);
  }
  // The beeps come first: the message opens once they are over.
  EXPECT_EQ(LocalText(desk.beeps().front().utcMs), "1992-12-08 07:05:00.000");
  EXPECT_EQ(desk.now(), "1992-12-08 07:05:01.000");

  DialogView note = desk.dialog("Alarm 1 - 7:05  (One Date)");
  EXPECT_EQ(note.templateName(), "SHOWALARMMESSAGE");
  EXPECT_EQ(note.text(101), "Time to get up");
  EXPECT_EQ(note.rect().left, 20);
  EXPECT_EQ(note.rect().top, 50);
  const IconResource* bell = FindIconResource(desk.window(note.control(100)).icon);
  ASSERT_NE(bell, nullptr);
  EXPECT_STREQ(bell->name, "BELL");

  // Retired before its message was even read.
  EXPECT_EQ(alarms[0].enabled, 0);
  EXPECT_EQ(alarms[0].month + alarms[0].day + alarms[0].year, 0);
  EXPECT_EQ(alarms[1].year, 1993);
  EXPECT_EQ(alarms[1].enabled, 1);

  // While the message is open both timers run: the tick was started again after the beeps.
  desk.clearTrace();
  desk.advance(10000);
  EXPECT_EQ(TimerMessages(desk, 1), 20);
  EXPECT_EQ(TimerMessages(desk, 2), 5);
  EXPECT_EQ(desk.beeps().size(), 10u);

  note.click(IDOK);
  EXPECT_FALSE(note.isOpen());
  desk.clearTrace();
  desk.advance(1000);
  EXPECT_EQ(TimerMessages(desk, 1), 2);

  // Retired: the next day at 7:05 nothing happens.
  desk.advanceTo("1992-12-09 07:06:00");
  EXPECT_EQ(desk.beeps().size(), 10u);
  EXPECT_TRUE(desk.dialogCaptions().empty());
}

struct CaptionCase {
  const char* start;
  int index;
  bool oneDate;
  int hour, minute;
  const char* caption;
};

void PrintTo(const CaptionCase& c, std::ostream* out) { *out << '"' << c.caption << '"'; }

class AlarmCaptionOnTheClock : public testing::TestWithParam<CaptionCase> {};

TEST_P(AlarmCaptionOnTheClock, MessageTitle) {
  const CaptionCase c = GetParam();
  Desk desk{DeskAt(c.start, [&](AlarmRecord* a) {
    AlarmRecord& r = a[c.index];
    if (c.oneDate) {
      OneDate(r, c.hour, c.minute, 1992, 7, 3);
    } else {
      Daily(r, c.hour, c.minute);
    }
    Note(r, "");
  })};
  desk.start();
  desk.advance(20000);
  ASSERT_TRUE(desk.hasDialog(c.caption)) << "open: " << testing::PrintToString(desk.dialogCaptions());
  // An empty note gives an empty message under the caption.
  EXPECT_EQ(desk.dialog(c.caption).text(101), "");
}

std::string CaptionCaseName(const testing::TestParamInfo<CaptionCase>& info) {
  static const char* const kNames[] = {"OneDateEarlyMinute", "OneDateLateMinute", "Enhanced1992",
                                       "EnhancedYear2000"};
  return kNames[info.index];
}

INSTANTIATE_TEST_SUITE_P(
    Forms, AlarmCaptionOnTheClock,
    testing::Values(CaptionCase{"1992-07-03 07:04:59", 2, true, 7, 5, "Alarm 3 - 7:05  (One Date)"},
                    CaptionCase{"1992-07-03 14:29:59", 2, true, 14, 30, "Alarm 3 - 14:30 (One Date)"},
                    CaptionCase{"1992-07-03 08:59:59", 9, false, 9, 0, "Alarm 10 - 9:00  7-3-92"},
                    CaptionCase{"2000-01-01 08:59:59", 9, false, 9, 0, "Alarm 10 - 9:00  1-1-100"}),
    CaptionCaseName);

TEST(AlarmFiring, LongBeepsLastEightAndAHalfSecondsBeforeTheNote) {
  Desk desk{DeskAt("1992-12-08 07:04:59", [](AlarmRecord* a) {
    Beeping(Note(Daily(a[0], 7, 5), "Long"), kAlarmBeepLong, kAlarmToneLow);
  })};
  desk.start();
  desk.advanceUntil([&] { return !desk.dialogCaptions().empty(); }, 20000, "the alarm's message");
  EXPECT_EQ(desk.beeps().size(), 85u);
  EXPECT_EQ(LocalText(desk.beeps().back().utcMs), "1992-12-08 07:05:08.400");
  EXPECT_EQ(desk.now(), "1992-12-08 07:05:08.500");
  EXPECT_TRUE(desk.hasDialog("Alarm 1 - 7:05  12-8-92"));
}

TEST(AlarmFiring, ProgramsStartSilentlyWithTheirShowCommands) {
  Desk desk{DeskAt("1992-12-08 07:04:59", [](AlarmRecord* a) {
    Program(Daily(a[0], 7, 5), "xterm -e top", kAlarmShowMax);
    Program(Daily(a[3], 7, 5), "/usr/bin/true", kAlarmShowMin);
    Program(Daily(a[7], 7, 5), "date >> /tmp/log", kAlarmShowNormal);
  })};
  desk.start();
  desk.advance(5000);
  ASSERT_EQ(desk.programsStarted().size(), 3u);
  EXPECT_EQ(desk.programsStarted()[0].commandLine, "xterm -e top");
  EXPECT_EQ(desk.programsStarted()[0].showCommand, 3u);
  EXPECT_EQ(desk.programsStarted()[1].commandLine, "/usr/bin/true");
  EXPECT_EQ(desk.programsStarted()[1].showCommand, 2u);
  EXPECT_EQ(desk.programsStarted()[2].commandLine, "date >> /tmp/log");
  EXPECT_EQ(desk.programsStarted()[2].showCommand, 1u);
  EXPECT_TRUE(desk.beeps().empty());
  EXPECT_TRUE(desk.dialogCaptions().empty());
  // A program that does not start is not reported either.
  EXPECT_TRUE(desk.messageBoxes().empty());
}

TEST(AlarmFiring, TwoAlarmsInOneMinuteGoOffInIndexOrder) {
  Desk desk{DeskAt("1992-12-08 07:04:59", [](AlarmRecord* a) {
    Note(Daily(a[1], 7, 5), "first");
    Note(Daily(a[4], 7, 5), "second");
  })};
  desk.start();
  desk.advanceTo("1992-12-08 07:05:00");
  ASSERT_EQ(desk.dialogCaptions(), std::vector<std::string>{"Alarm 2 - 7:05  12-8-92"});
  // The second follows through the 2-second scan, on top of the first.
  desk.advance(2000);
  ASSERT_EQ(desk.dialogCaptions(), (std::vector<std::string>{"Alarm 2 - 7:05  12-8-92", "Alarm 5 - 7:05  12-8-92"}));
  EXPECT_EQ(desk.topDialog().text(101), "second");
  EXPECT_EQ(desk.topDialog().rect().left, 20);
  EXPECT_EQ(desk.topDialog().rect().top, 50);
  desk.topDialog().enter();
  EXPECT_EQ(desk.dialogCaptions(), std::vector<std::string>{"Alarm 2 - 7:05  12-8-92"});
  EXPECT_EQ(desk.topDialog().text(101), "first");
  desk.topDialog().click(IDOK);
  EXPECT_TRUE(desk.dialogCaptions().empty());
  desk.clearTrace();
  desk.advance(1000);
  EXPECT_EQ(TimerMessages(desk, 1), 2);
  // Nothing goes off again in that minute.
  desk.advanceTo("1992-12-08 07:06:30");
  EXPECT_TRUE(desk.dialogCaptions().empty());
}

// A new clock window saves the settings as it is made, and a failed save
// shows error 1010 there; the alarms keep going off while that box waits.
TEST(AlarmFiring, AlarmsGoOffWhileTheSaveErrorOfANewWindowWaits) {
  struct Case {
    const char* name;
    bool restore;  // the window made again by a restore, not the first one at start-up
  };
  for (const Case c : {Case{"at start-up", false}, Case{"after a restore", true}}) {
    SCOPED_TRACE(c.name);
    Desk desk{DeskAt("1992-12-08 06:58:30", [](AlarmRecord* a) { Program(Daily(a[2], 7, 0), "seven"); })};
    if (c.restore) {
      desk.start();
      desk.minimize();
      alarms[5].minute = 30;  // a change not saved yet
    }
    platform::FailFileCall(platform::FileCall::WriteFile, 0, 0);
    c.restore ? desk.restore() : desk.start();
    ASSERT_TRUE(desk.hasMessageBox());
    desk.advanceTo("1992-12-08 07:00:30");
    EXPECT_EQ(Started(desk), std::vector<std::string>{"seven"});
    EXPECT_TRUE(desk.hasMessageBox());
  }
}

TEST(AlarmFiring, AnAlarmIsExaminedOncePerMinuteHoweverManyTicks) {
  Desk desk{DeskAt("1992-12-08 07:04:00", [](AlarmRecord* a) {
    Beeping(Program(Daily(a[0], 7, 5), "true"));
  })};
  desk.start();
  desk.advanceTo("1992-12-08 07:07:00");
  EXPECT_EQ(desk.programsStarted().size(), 1u);
  EXPECT_EQ(desk.beeps().size(), 10u);
  EXPECT_EQ(alarmMinuteSeen[0], 7);
  // And again the next day.
  desk.advanceTo("1992-12-09 07:07:00");
  EXPECT_EQ(desk.programsStarted().size(), 2u);
}

// The tick is started again once the beeps are over: error 1000, when it
// cannot be, comes after a program has started but before a note, which still
// shows; the scan then ends for this message.
TEST(AlarmFiring, TickThatCannotRestartShowsError1000AndEndsTheScan) {
  struct Case {
    const char* name;
    AlarmEdit alarms;
    std::vector<std::string> startedUnderTheBox;
  };
  const Case cases[] = {
      {"a program",
       [](AlarmRecord* a) {
         Program(Daily(a[0], 7, 5), "first");
         Program(Daily(a[1], 7, 5), "second");
       },
       {"first"}},
      {"a note", [](AlarmRecord* a) { Beeping(Note(Daily(a[0], 7, 5), "first")); }, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Desk desk{DeskAt("1992-12-08 07:04:59", c.alarms)};
    desk.start();
    desk.refuseTimer(1);
    desk.advanceUntil([&] { return desk.hasMessageBox(); }, 5000, "the error box");
    EXPECT_EQ(Started(desk), c.startedUnderTheBox);
    EXPECT_FALSE(desk.hasDialog("Alarm 1 - 7:05  12-8-92"));
    MessageBoxView box = desk.messageBox();
    EXPECT_EQ(box.text(), "Error H1000: No system timers available");
    EXPECT_EQ(box.caption(), "Horatick");
    EXPECT_EQ(box.owner(), desk.clockWindow());
    box.ok();
    if (c.startedUnderTheBox.empty()) desk.dialog("Alarm 1 - 7:05  12-8-92").click(IDOK);
    // The scan ended there: alarm 2 is not looked at in this message.
    EXPECT_EQ(Started(desk), c.startedUnderTheBox);
    // The tick stays stopped; the 2-second scan still runs and takes up the alarm the tick left.
    desk.clearTrace();
    desk.advance(900);
    EXPECT_EQ(TimerMessages(desk, 1), 0);
    desk.advance(1100);
    if (!c.startedUnderTheBox.empty()) {
      EXPECT_EQ(Started(desk), (std::vector<std::string>{"first", "second"}));
    }
  }
}

// The clock goes on while a note waits to be read: with seconds shown, a new
// face every second for the two minutes the note stays open.
TEST(AlarmFiring, TheFaceGoesOnWhileANoteWaits) {
  Desk desk{DeskAt("1992-12-08 07:04:58", [](AlarmRecord* a) { Beeping(Note(Daily(a[0], 7, 5), "Tea")); })};
  desk.start();
  prefs->displaySeconds = 1;
  desk.advanceUntil([&] { return desk.hasDialog("Alarm 1 - 7:05  12-8-92"); }, 5000, "the note");
  std::string face = desk.clockTitle();
  for (int second = 0; second < 120; ++second) {
    desk.advance(1000);
    ASSERT_NE(desk.clockTitle(), face) << desk.now();
    face = desk.clockTitle();
  }
  EXPECT_TRUE(desk.hasDialog("Alarm 1 - 7:05  12-8-92"));
  EXPECT_EQ(face.substr(0, 7), " 7:07:0");
}

TEST(AlarmMessage, EnterAndEscapeBothCloseIt) {
  for (int key : {VK_RETURN, VK_ESCAPE}) {
    SCOPED_TRACE(key);
    Desk desk{DeskAt("1992-12-08 07:04:59", [](AlarmRecord* a) { Note(Daily(a[0], 7, 5), "Tea & biscuits"); })};
    desk.start();
    desk.advance(2000);
    DialogView note = desk.dialog("Alarm 1 - 7:05  12-8-92");
    EXPECT_EQ(note.text(101), "Tea & biscuits");
    EXPECT_EQ(note.focusId(), IDOK);
    note.key(key);
    EXPECT_FALSE(note.isOpen());
  }
}

}  // namespace
