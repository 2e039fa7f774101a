// Start-up through the real entry point: the first run, the version notice,
// a second copy, timers that cannot be started, and a one-date alarm from the
// start to the saved file.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/main_window.h"
#include "app/main_window_files.h"
#include "core/files_temp_folder.h"
#include "support/desk.h"

using clock_files::Configuration;
using clock_files::ProfileValue;
using clock_files::ReadConfiguration;

namespace {

constexpr char kVersionNotice[] =
    "Since you have a Horatick configuration file which was saved by a different version of Horatick, "
    "your \"Preferences\" settings have been reset to the default settings.  You may want to change "
    "these back to your preferred settings.";

// The default face is 23 characters: 2 for the margin, 1 for the system box
// and 2 on a screen wider than 640 pixels make 28 average widths of 8 pixels.
constexpr int kDefaultWidth = 28 * 8;

}  // namespace

TEST(Startup, FirstRunWritesEveryKeyAndPlacesTheWindowBelowTheTopRightCorner) {
  Desk desk{Settings().screen(1024, 768)};
  desk.start();

  const std::string folder = desk.settingsFolder();
  const std::pair<const char*, const char*> keys[] = {
      {"PMPM", "148"}, {"FlashAlarm", "1"}, {"FlashHourly", "1"}, {"xPos", "1034"},
      {"yPos", "30"},  {"xScreen", "1024"}, {"yScreen", "768"},  {"Version", "01.00"},
  };
  for (const auto& [key, value] : keys) EXPECT_EQ(ProfileValue(folder, key), value) << key;

  const platform::WindowSnapshot clock = desk.clock();
  EXPECT_EQ(clock.rect.right, 1014);
  EXPECT_EQ(clock.rect.top, 30);
  EXPECT_EQ(clock.rect.right - clock.rect.left, kDefaultWidth);
  EXPECT_EQ(clock.rect.bottom - clock.rect.top, 20);
  EXPECT_TRUE(clock.visible);
  EXPECT_TRUE(clock.topmost);
  EXPECT_FALSE(clock.active);
  EXPECT_EQ(clock.style & ~WS_VISIBLE, WS_POPUP | WS_CAPTION | WS_SYSMENU);
  EXPECT_EQ(desk.clockTitle(), " 3:05 PM  Mon 12/07/92 ");
  EXPECT_TRUE(desk.messageBoxes().empty());

  // The configuration is written when the window is created.
  const auto saved = ReadConfiguration(folder);
  ASSERT_TRUE(saved.has_value());
  EXPECT_STREQ(saved->preferences.version, "01.00");
  EXPECT_EQ(saved->preferences.timeFormat, kTimeFormat12hSuffix);
  EXPECT_NE(desk.cursor(), LoadCursor(nullptr, IDC_WAIT)) << "the hourglass is gone once the window shows";
}

TEST(Startup, SettingsOfAnotherVersionAreSetAsideWithOneNoticeThatSaysWhere) {
  Configuration files;
  files.alarms[3] = clock_files::SilentOneDateAlarm(1993, 1, 1, 9, 0);
  std::string damaged = files.Image();
  damaged[1] = 'X';
  const std::string otherProfile = "[Horatick]\nVersion=02.00\nxPos=500\n";
  const struct {
    const char* name;
    std::string config;
    const char* profile;  // nullptr: none
  } cases[] = {
      {"a damaged header", damaged, nullptr},
      {"a profile of another version beside a whole file", files.Image(), otherProfile.c_str()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    const std::string config = folder / "HORATICK.CFG";
    const std::string profile = folder / "HORATICK.INI";
    clock_files::WriteWholeFile(config, c.config);
    if (c.profile != nullptr) clock_files::WriteWholeFile(profile, c.profile);
    Desk desk{Settings().settingsFolder(folder.path())};
    desk.start();

    ASSERT_TRUE(desk.hasMessageBox());
    MessageBoxView notice = desk.messageBox();
    std::string expected = std::string(kVersionNotice) + " The file was kept as \"" + config + ".bad\".";
    if (c.profile != nullptr) expected += " The profile was kept as \"" + profile + ".bad\".";
    EXPECT_EQ(notice.text(), expected);
    EXPECT_EQ(notice.caption(), "Horatick");
    EXPECT_EQ(notice.style(), MB_OK | MB_ICONINFORMATION);
    EXPECT_EQ(notice.owner(), desk.clockWindow());
    notice.ok();

    // The alarms are in the kept copy; the defaults are in force and saved.
    EXPECT_EQ(clock_files::ReadWholeFile(config + ".bad"), c.config);
    if (c.profile != nullptr) {
      EXPECT_EQ(clock_files::ReadWholeFile(profile + ".bad"), c.profile);
    }
    EXPECT_EQ(ProfileValue(folder.path(), "xPos"), "1034");
    EXPECT_EQ(desk.clock().rect.right, 1014);
    const auto saved = ReadConfiguration(folder.path());
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->alarms[3].enabled, 0);

    // A new window (after a restore) does not show the notice again.
    desk.minimize();
    desk.restore();
    EXPECT_EQ(desk.messageBoxes().size(), 1u);
  }
}

TEST(Startup, ASecondCopyIsRefusedAndTouchesNothing) {
  Desk desk{Settings().alreadyRunning()};
  desk.start();

  ASSERT_TRUE(desk.hasMessageBox());
  MessageBoxView refusal = desk.messageBox();
  EXPECT_EQ(refusal.text(), "Horatick is already running.");
  EXPECT_EQ(refusal.caption(), "Horatick");
  EXPECT_EQ(refusal.style(), MB_SYSTEMMODAL | MB_ICONHAND);
  EXPECT_EQ(refusal.owner(), nullptr);
  refusal.ok();

  EXPECT_FALSE(desk.running());
  EXPECT_EQ(desk.exitCode(), 0);
  EXPECT_TRUE(std::filesystem::is_empty(desk.settingsFolder())) << "the running copy's files are left alone";
}

TEST(Startup, WithoutItsTickTheClockShowsErrorOneThousandAndRunsOnWithoutIt) {
  Desk desk{Settings()};
  desk.refuseTimer(kClockTickTimer);
  desk.start();

  ASSERT_TRUE(desk.hasMessageBox());
  MessageBoxView error = desk.messageBox();
  EXPECT_EQ(error.text(), "Error H1000: No system timers available");
  EXPECT_EQ(error.caption(), "Horatick");
  EXPECT_EQ(error.owner(), desk.clockWindow());
  error.ok();

  EXPECT_TRUE(desk.running());
  EXPECT_TRUE(desk.clock().visible);
  EXPECT_FALSE(platform::TimerIsSet(desk.clockWindow(), kClockTickTimer));
  EXPECT_TRUE(platform::TimerIsSet(desk.clockWindow(), kAlarmScanTimer));
  // With no tick the face stands still.
  desk.advanceTo("1992-12-07 15:07:00");
  EXPECT_EQ(desk.clockTitle(), " 3:05 PM  Mon 12/07/92 ");
}

TEST(Startup, WithoutTheAlarmScanTimerTheWindowStillShowsAndTicks) {
  Desk desk{Settings()};
  desk.refuseTimer(kAlarmScanTimer);
  desk.start();

  ASSERT_TRUE(desk.hasMessageBox());
  EXPECT_EQ(desk.messageBox().text(), "Error H1000: No system timers available");
  desk.messageBox().ok();

  // The layout command posted before the failure still arrives.
  const platform::WindowSnapshot clock = desk.clock();
  EXPECT_TRUE(clock.visible);
  EXPECT_EQ(clock.rect.right - clock.rect.left, kDefaultWidth);
  EXPECT_FALSE(platform::TimerIsSet(desk.clockWindow(), kAlarmScanTimer));
  desk.advanceTo("1992-12-07 15:06:00.500");
  EXPECT_EQ(desk.clockTitle(), " 3:06 PM  Mon 12/07/92 ");
}

TEST(Startup, AOneDateAlarmGoesOffRetiresAndReachesTheSavedFile) {
  Configuration files;
  AlarmRecord& alarm = files.alarms[0];
  alarm.enabled = 1;
  alarm.dateMode = kAlarmOneDate;
  alarm.amPmMode = kAlarmAm;
  alarm.hour = 7;
  alarm.minute = 5;
  alarm.month = 12;
  alarm.day = 8;
  alarm.year = 1992;
  alarm.beep = 1;
  alarm.beepDuration = kAlarmBeepShort;
  alarm.action = kAlarmActionNote;
  std::strcpy(alarm.note, "Wake up");
  files.alarms[1] = clock_files::SilentOneDateAlarm(1993, 1, 1, 9, 0);
  Desk desk{Settings().at("1992-12-08 07:04:30").settingsFile("HORATICK.CFG", files.Image())};
  desk.start();

  desk.advanceUntil([&] { return desk.hasDialog("Alarm 1 - 7:05  (One Date)"); }, 60'000, "the alarm's note");
  EXPECT_EQ(desk.beeps().size(), 10u);
  for (const BeepRecord& beep : desk.beeps()) {
    EXPECT_EQ(beep.frequencyHz, 200u);
    EXPECT_EQ(beep.durationMs, 100u);
  }
  DialogView note = desk.dialog("Alarm 1 - 7:05  (One Date)");
  EXPECT_EQ(note.text(101), "Wake up");
  note.click(IDOK);

  desk.endSession();
  EXPECT_FALSE(desk.running());
  const auto saved = ReadConfiguration(desk.settingsFolder());
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(saved->alarms[0].enabled, 0);
  EXPECT_EQ(saved->alarms[0].month, 0);
  EXPECT_EQ(saved->alarms[0].day, 0);
  EXPECT_EQ(saved->alarms[0].year, 0);
  EXPECT_STREQ(saved->alarms[0].note, "Wake up");
  EXPECT_EQ(saved->alarms[1].enabled, 1) << "the other alarm's date is untouched";
  EXPECT_EQ(saved->alarms[1].year, 1993);
}

TEST(Startup, AConfigurationFileThatCannotBeReadIsReportedWithItsReason) {
  TempFolder folder;
  const std::string config = folder / "HORATICK.CFG";
  std::filesystem::create_directory(config);
  Desk desk{Settings().settingsFolder(folder.path())};
  desk.start();

  ASSERT_EQ(desk.messageBoxes().size(), 1u);
  MessageBoxView notice = desk.messageBox();
  EXPECT_EQ(notice.text(), "The Horatick configuration file \"" + config +
                               "\" could not be read (Is a directory), so the default settings are used. "
                               "The file was kept as \"" + config + ".bad\".");
  EXPECT_EQ(notice.caption(), "Horatick");
  EXPECT_EQ(notice.style(), MB_OK | MB_ICONEXCLAMATION);
  EXPECT_EQ(notice.owner(), desk.clockWindow());
  notice.ok();

  // The kept folder is untouched and the defaults are saved in its place.
  EXPECT_TRUE(std::filesystem::is_directory(config + ".bad"));
  EXPECT_TRUE(ReadConfiguration(folder.path()).has_value());
  desk.minimize();
  desk.restore();
  EXPECT_EQ(desk.messageBoxes().size(), 1u);
}
