// An active screen saver holds back the alarms not marked "Alarm Even If
// Screen Saver Active"; the state is read before every scan.
#include <gtest/gtest.h>

#include "alarm_scene.h"
#include "alarms/alarm_scan.h"
#include "alarms/schedule.h"

namespace {

using namespace alarm_scene;

TEST(ScreenSaverAlarms, OnlyAlarmsMarkedForItRingWhileTheSaverIsActive) {
  Desk desk{DeskAt("1992-12-08 07:04:50", [](AlarmRecord* a) {
    Program(Daily(a[0], 7, 5), "through-the-saver");
    a[0].evenIfScreenSaver = 1;
    Program(Daily(a[1], 7, 5), "held-back");
    a[1].evenIfScreenSaver = 0;
    Program(Daily(a[2], 7, 7), "after-the-saver");
    a[2].evenIfScreenSaver = 0;
  })};
  desk.start();
  desk.driver().SetScreenSaverRunning(true);
  desk.advanceTo("1992-12-08 07:06:10");
  EXPECT_EQ(screenSaverActive, 1);
  EXPECT_EQ(Started(desk), std::vector<std::string>{"through-the-saver"});

  // The saver ends: the next scan sees it at once.
  desk.driver().SetScreenSaverRunning(false);
  desk.advanceTo("1992-12-08 07:07:30");
  EXPECT_EQ(screenSaverActive, 0);
  EXPECT_EQ(Started(desk), (std::vector<std::string>{"through-the-saver", "after-the-saver"}));
}

}  // namespace
