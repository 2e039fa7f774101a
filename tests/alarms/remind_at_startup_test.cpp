// The start-up reminder: alarms marked "Remind On Startup" that are due today
// go off when the clock starts, whatever their time.
#include <gtest/gtest.h>

#include "alarm_scene.h"
#include "alarms/alarm_scan.h"

namespace {

using namespace alarm_scene;

TEST(RemindAtStartup, OneDateAlarmGoesOffOnceAndEndsOff) {
  Desk desk{DeskAt("1992-12-08 09:00:00", [](AlarmRecord* a) {
    Note(OneDate(a[0], 18, 0, 1992, 12, 8), "Dentist at six").remindOnStartup = 1;
  })};
  desk.start();
  ASSERT_TRUE(desk.hasDialog("Alarm 1 - 18:00  (One Date)"));
  EXPECT_EQ(desk.dialog("Alarm 1 - 18:00  (One Date)").text(101), "Dentist at six");
  // Already retired while the note is up: a session that ends now saves it so.
  EXPECT_EQ(alarms[0].enabled, 0);
  EXPECT_EQ(alarms[0].remindOnStartup, 0);
  desk.dialog("Alarm 1 - 18:00  (One Date)").click(IDOK);
  EXPECT_EQ(alarms[0].enabled, 0);
  EXPECT_EQ(alarms[0].remindOnStartup, 0);
  EXPECT_EQ(alarms[0].month + alarms[0].day + alarms[0].year, 0);
  desk.advanceTo("1992-12-08 18:01:00");
  EXPECT_TRUE(desk.dialogCaptions().empty());
}

TEST(RemindAtStartup, EnhancedAlarmKeepsItsFlagsAndGoesOffAgainAtItsTime) {
  Desk desk{DeskAt("1992-12-08 09:00:00", [](AlarmRecord* a) {
    Program(Daily(a[2], 18, 0), "remind").remindOnStartup = 1;
  })};
  desk.start();
  EXPECT_EQ(Started(desk), std::vector<std::string>{"remind"});
  EXPECT_EQ(alarms[2].enabled, 1);
  EXPECT_EQ(alarms[2].remindOnStartup, 1);
  desk.advanceTo("1992-12-08 18:00:30");
  EXPECT_EQ(Started(desk), (std::vector<std::string>{"remind", "remind"}));
}

// An alarm that is not due today is neither reminded nor disarmed: a one-date
// alarm for a later day still goes off on its day.
TEST(RemindAtStartup, AlarmsNotDueTodayStayAsTheyAre) {
  Desk desk{DeskAt("1992-12-08 09:00:00", [](AlarmRecord* a) {
    Program(OneDate(a[0], 7, 5, 1992, 12, 9), "tomorrow").remindOnStartup = 1;
    Program(OneDate(a[1], 7, 5, 1992, 12, 8), "off").remindOnStartup = 1;
    a[1].enabled = 0;
    Program(OneDate(a[2], 7, 5, 1992, 12, 8), "no reminder");
  })};
  desk.start();
  EXPECT_TRUE(Started(desk).empty());
  EXPECT_EQ(alarms[0].enabled, 1);
  EXPECT_EQ(alarms[0].remindOnStartup, 1);
  EXPECT_EQ(alarms[0].day, 9);
  EXPECT_EQ(alarms[1].remindOnStartup, 1);
  desk.advanceTo("1992-12-09 07:05:30");
  EXPECT_EQ(Started(desk), std::vector<std::string>{"tomorrow"});
}

}  // namespace
