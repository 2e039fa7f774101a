// The end of the program: the settings are saved when the window is closed or
// the session ends, and the window's place only when it is not minimised.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/main_window.h"
#include "app/main_window_files.h"
#include "support/desk.h"

using clock_files::Configuration;
using clock_files::ProfileValue;
using clock_files::ReadConfiguration;
using clock_files::SilentOneDateAlarm;

namespace {

// Something only a save at the end can write: a silent one-date alarm at
// 15:06 that retires when it goes off.
Configuration WithAlarmAtSix() {
  Configuration files;
  files.preferences.antiCascade = 0;
  files.alarms[0] = SilentOneDateAlarm(1992, 12, 7, 15, 6);
  return files;
}

// The desk's settings folder is the folder of the profile file.
void PutProfilePlace(const char* x, const char* y) {
  WritePrivateProfileString("Horatick", "xPos", x, "HORATICK.INI");
  WritePrivateProfileString("Horatick", "yPos", y, "HORATICK.INI");
}

}  // namespace

struct EndCase {
  const char* name;
  bool minimised;
  bool byClosing;  // the Close command, else the end of the session
};

class ProgramEnd : public testing::TestWithParam<EndCase> {};

TEST_P(ProgramEnd, SavesTheSettingsAndThePlaceUnlessMinimised) {
  const EndCase& c = GetParam();
  Desk desk{Settings().settingsFile("HORATICK.CFG", WithAlarmAtSix().Image())};
  desk.start();
  desk.drag(-40, 60);
  if (c.minimised) desk.minimize();
  // A place in the file that only the end could overwrite.
  PutProfilePlace("111", "222");
  desk.advanceTo("1992-12-07 15:06:01");
  ASSERT_EQ(desk.programsStarted().size(), 1u);

  if (c.byClosing) {
    desk.close();
  } else {
    desk.endSession();
  }
  EXPECT_FALSE(desk.running());
  EXPECT_EQ(desk.exitCode(), 0);
  const auto saved = ReadConfiguration(desk.settingsFolder());
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(saved->alarms[0].enabled, 0) << "the retired alarm was saved";
  if (c.minimised) {
    EXPECT_EQ(ProfileValue(desk.settingsFolder(), "xPos"), "111");
    EXPECT_EQ(ProfileValue(desk.settingsFolder(), "yPos"), "222");
  } else {
    EXPECT_EQ(ProfileValue(desk.settingsFolder(), "xPos"), "974");
    EXPECT_EQ(ProfileValue(desk.settingsFolder(), "yPos"), "90");
  }
  EXPECT_TRUE(desk.messageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, ProgramEnd,
                         testing::Values(EndCase{"LogOff", false, false}, EndCase{"LogOffMinimised", true, false},
                                         EndCase{"Close", false, true}, EndCase{"CloseMinimised", true, true}),
                         [](const testing::TestParamInfo<EndCase>& info) { return std::string(info.param.name); });

TEST(ProgramEnd, AFailedFinalSaveDoesNotHoldUpTheEnd) {
  Desk desk{Settings().settingsFile("HORATICK.CFG", WithAlarmAtSix().Image())};
  desk.start();
  desk.advanceTo("1992-12-07 15:06:01");
  std::filesystem::remove_all(desk.settingsFolder());  // nothing can be written any more
  desk.endSession();
  EXPECT_FALSE(desk.running());
  EXPECT_TRUE(desk.messageBoxes().empty()) << "no box while the program ends";
}
