// The Preferences dialog through the running clock: what OK writes (record,
// globals, profile keys, configuration file) and what Cancel leaves alone.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <tuple>
#include <string>

#include "app/main_window.h"
#include "display/face.h"
#include "settings/preferences.h"
#include "display/preferences_dialog.h"
#include "support/desk.h"

namespace {

desk::DialogView OpenPreferences(Desk& desk) {
  desk.sysCommand(IDM_PREFERENCES);
  return desk.dialog("Preferences");
}

std::string ReadSettingsFile(const Desk& desk, const char* name) {
  std::ifstream in(desk.settingsFolder() + "/" + name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// A choice in every radio group that is not its default, and every check box.
constexpr int kOtherChoices[] = {kTimeFormat24h, kPmStyleLower, kWeekdayFull,         kMonthFull,       kDayNumber,
                                 kYearFull,       kDateOrderYmd, kLocationLowerRight, kScreenSaverNone};
constexpr int kCheckBoxes[] = {IDC_PREF_DISPLAY_SECONDS,  IDC_PREF_BLINK_COLON,          IDC_PREF_LOCK_LOCATION,
                               IDC_PREF_ANTI_CASCADE,     IDC_PREF_SYSTEM_BOX,           IDC_PREF_STAY_IN_FRONT,
                               IDC_PREF_FLASH_FOR_ALARMS, IDC_PREF_FLASH_FOR_HOURLY_BEEP};

TEST(PreferencesDialog, CancelAfterChangingEveryControlLeavesEverythingUntouched) {
  Desk desk;
  desk.start();
  const Preferences before = *prefs;
  const auto flags = std::make_tuple(pmStyle, flashAlarm, flashHourly);
  const std::string profile = ReadSettingsFile(desk, "HORATICK.INI");
  const std::string config = ReadSettingsFile(desk, "HORATICK.CFG");
  const std::string title = desk.clockTitle();
  const RECT rect = desk.clock().rect;

  auto dialog = OpenPreferences(desk);
  for (int id : kOtherChoices) dialog.click(id);
  for (int id : kCheckBoxes) dialog.click(id);
  dialog.type(IDC_PREF_SEPARATOR, "-").type(IDC_PREF_DELAY, "9:09").click(IDC_PREF_HELP).click(IDCANCEL);

  EXPECT_EQ(desk.helpRequests().back().data, 1002u);
  EXPECT_EQ(std::memcmp(prefs, &before, sizeof before), 0);
  EXPECT_EQ(std::make_tuple(pmStyle, flashAlarm, flashHourly), flags);
  EXPECT_EQ(ReadSettingsFile(desk, "HORATICK.INI"), profile);
  EXPECT_EQ(ReadSettingsFile(desk, "HORATICK.CFG"), config);
  EXPECT_EQ(desk.clockTitle(), title);
  EXPECT_EQ(desk.clock().rect.right - desk.clock().rect.left, rect.right - rect.left);
}

TEST(PreferencesDialog, OkStoresEveryControlAndSavesIt) {
  Desk desk;
  desk.start();
  auto dialog = OpenPreferences(desk);
  for (int id : kOtherChoices) dialog.click(id);
  for (int id : kCheckBoxes) dialog.click(id);
  dialog.click(IDOK);

  const Preferences& p = *prefs;
  EXPECT_EQ(std::make_tuple(p.timeFormat, pmStyle, p.weekdayStyle, p.monthStyle, p.dayStyle, p.yearStyle),
            std::make_tuple(kTimeFormat24h, kPmStyleLower, kWeekdayFull, kMonthFull, kDayNumber, kYearFull));
  EXPECT_EQ(std::make_tuple(p.dateOrder, p.locationMode, p.screenSaverMode),
            std::make_tuple(kDateOrderYmd, kLocationLowerRight, std::int32_t{kScreenSaverNone}));
  EXPECT_EQ(std::make_tuple(p.displaySeconds, p.blinkColon, p.lockLocation, p.antiCascade, p.systemBox,
                            p.stayInFront, flashAlarm, flashHourly, windowStyleExtra),
            std::make_tuple(1, 1, 1, 0, 0, 0, 0, 0, 0));

  const std::string profile = ReadSettingsFile(desk, "HORATICK.INI");
  for (const char* line : {"FlashAlarm=0", "FlashHourly=0", "PMPM=149"}) {
    EXPECT_NE(profile.find(line), std::string::npos) << line << " in\n" << profile;
  }
  const std::string config = ReadSettingsFile(desk, "HORATICK.CFG");
  ASSERT_GE(config.size(), sizeof(Preferences));
  EXPECT_EQ(std::memcmp(config.data(), &p, sizeof p), 0);
}

TEST(PreferencesDialog, OkWithoutChangesWritesTheThreeProfileKeys) {
  Desk desk;
  desk.start();
  std::ofstream(desk.settingsFolder() + "/HORATICK.INI", std::ios::trunc) << "[Horatick]\nVersion=01.00\n";
  OpenPreferences(desk).click(IDOK);
  const std::string profile = ReadSettingsFile(desk, "HORATICK.INI");
  for (const char* line : {"FlashAlarm=1", "FlashHourly=1", "PMPM=148"}) {
    EXPECT_NE(profile.find(line), std::string::npos) << line << " in\n" << profile;
  }
}

// The location group takes clicks up to 707, for which the template has no button.
TEST(PreferencesDialog, TheLocationGroupReachesSevenHundredSeven) {
  Desk desk;
  desk.start();
  auto dialog = OpenPreferences(desk);
  desk.post(dialog.hwnd(), WM_COMMAND, kLocationLowerRight + 1, 0);
  desk.settle();
  EXPECT_FALSE(dialog.checked(kLocationOne));
  dialog.click(IDOK);
  EXPECT_EQ(prefs->locationMode, kLocationLowerRight + 1);
}

TEST(PreferencesDialog, TheTypedDelayAndSeparatorAreStoredAndShownAgain) {
  const struct {
    const char* delay;
    int totalSeconds;
    int minutes;
    const char* reopened;
    const char* separator;
    char kept;
  } cases[] = {{"4:56", 296, 4, "4:56", "-", '-'},          {"296", 296, 4, "4:56", ".:", '.'},
               {"04:56", 296, 4, "4:56", "\b", ' '},        {"\b", 0, 0, "0:00", "\xC3\xA9", ' '},
               {"100:00", 6000, 100, "100:00", "/", '/'},    {"99999999999", 32767, 546, "546:07", "/", '/'}};
  for (const auto& c : cases) {
    Desk desk;
    desk.start();
    OpenPreferences(desk).type(IDC_PREF_DELAY, c.delay).type(IDC_PREF_SEPARATOR, c.separator).click(IDOK);
    EXPECT_EQ(prefs->screenSaverDelay, c.totalSeconds) << c.delay;
    EXPECT_EQ(prefs->screenSaverDelayMinutes, c.minutes) << c.delay;
    EXPECT_EQ(std::string(prefs->separator, 5), std::string(1, c.kept) + std::string(4, '\0'));
    auto again = OpenPreferences(desk);
    EXPECT_EQ(again.text(IDC_PREF_DELAY), c.reopened) << c.delay;
    again.click(IDOK);  // the text as shown keeps the delay
    EXPECT_EQ(prefs->screenSaverDelay, c.totalSeconds) << c.delay;
  }
}

TEST(PreferencesDialog, OkLaysTheWindowOutAndRetitlesItAtOnce) {
  Desk desk;
  desk.start();
  const LONG width = desk.clock().rect.right - desk.clock().rect.left;
  OpenPreferences(desk).click(kTimeFormat24h).click(kMonthFull).click(IDC_PREF_SYSTEM_BOX).click(IDOK);
  EXPECT_NE(desk.clockTitle().find("15:05"), std::string::npos) << desk.clockTitle();
  EXPECT_NE(desk.clockTitle().find("December"), std::string::npos) << desk.clockTitle();
  EXPECT_GT(desk.clock().rect.right - desk.clock().rect.left, width);
  EXPECT_EQ(desk.clock().style & WS_SYSMENU, 0u);
}

TEST(PreferencesDialog, TurningBlinkColonOffInABlankPhaseShowsTheColonAtOnce) {
  Desk desk;
  desk.start();
  OpenPreferences(desk).click(IDC_PREF_BLINK_COLON).click(IDOK);
  auto dialog = OpenPreferences(desk);
  dialog.click(IDC_PREF_BLINK_COLON);
  desk.advanceUntil([] { return blinkPhase == 0; }, 2000, "a blank phase of the colon");
  ASSERT_EQ(desk.clockTitle().find(':'), std::string::npos) << desk.clockTitle();
  dialog.click(IDOK);
  EXPECT_NE(desk.clockTitle().find(':'), std::string::npos) << desk.clockTitle();
  desk.advance(5000);
  EXPECT_NE(desk.clockTitle().find(':'), std::string::npos) << desk.clockTitle();
}

}  // namespace
