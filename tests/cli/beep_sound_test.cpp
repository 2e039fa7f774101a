// The beep's sound: the tone on the sound card, and the terminal clock that
// plays it there when it can and rings the terminal's bell when it cannot.
#include <gtest/gtest.h>
#include <time.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <ostream>

#include "app/main_window_files.h"
#include "cli/follow_process.h"
#include "cli/reminder_today.h"
#ifdef HORATICK_HAVE_ALSA
#include "platform/sound/alsa_beep.h"
#endif

using clock_files::Configuration;
using clock_files::WriteWholeFile;

namespace {

#ifdef HORATICK_HAVE_ALSA
constexpr bool kToneBuilt = true;
#else
constexpr bool kToneBuilt = false;
#endif

// ALSA's "null" device takes every sample and plays nothing: a card for tests.
constexpr char kSilentCard[] = "null";
constexpr char kMissingCard[] = "no_such_device_here";
constexpr int kShortAlarmBeeps = 10;

#ifdef HORATICK_HAVE_ALSA
TEST(Tone, PlaysOnANamedDeviceAndRefusesOneThatIsNotThere) {
  EXPECT_TRUE(platform::sound::PlayTone(440, 30, kSilentCard));
  EXPECT_FALSE(platform::sound::PlayTone(440, 30, kMissingCard));
}

TEST(Tone, TheDeviceComesFromTheEnvironment) {
  setenv("HORATICK_SOUND_DEVICE", kSilentCard, 1);
  EXPECT_STREQ(platform::sound::ToneDevice(), kSilentCard);
  EXPECT_TRUE(platform::sound::PlayTone(440, 10, nullptr));
  setenv("HORATICK_SOUND_DEVICE", "", 1);
  EXPECT_STREQ(platform::sound::ToneDevice(), "default");
  unsetenv("HORATICK_SOUND_DEVICE");
  EXPECT_STREQ(platform::sound::ToneDevice(), "default");
}
#endif

// A start-up reminder with ten short beeps, so the clock beeps as soon as
// it has started.
Configuration WithBeepingReminderToday() {
  Configuration files = WithReminderToday("Tea");
  AlarmRecord& alarm = files.alarms[0];
  alarm.beep = 1;
  alarm.beepDuration = kAlarmBeepShort;
  alarm.beepTone = kAlarmToneHi;
  return files;
}

struct FollowBeepCase {
  const char* name;
  const char* device;
  int bells;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const FollowBeepCase& c, std::ostream* os) { *os << c.name; }

class FollowBeeps : public testing::TestWithParam<FollowBeepCase> {};

TEST_P(FollowBeeps, SoundOnTheCardOrRingTheTerminalBell) {
  TempFolder folder;
  WriteWholeFile(folder.path() + "/HORATICK.CFG", WithBeepingReminderToday().Image());
  FollowProcess clock(folder.path(), {"--follow"}, {{"HORATICK_SOUND_DEVICE", GetParam().device}});

  ASSERT_TRUE(clock.NextLine().has_value()) << clock.ErrorText();
  // The note opens once its beeps have been sounded.
  EXPECT_EQ(clock.NextLineBesidesFaces(), "Alarm 1 - 7:05  (One Date): Tea");
  ASSERT_TRUE(clock.Signal(SIGTERM));
  EXPECT_EQ(clock.WaitForExit(), 0);
  const std::string errors = clock.ErrorText();
  EXPECT_EQ(std::count(errors.begin(), errors.end(), '\a'), GetParam().bells);
}

// Without the tone built in, even a working card leaves only the bell.
INSTANTIATE_TEST_SUITE_P(Devices, FollowBeeps,
                         testing::Values(FollowBeepCase{"SoundCard", kSilentCard, kToneBuilt ? 0 : kShortAlarmBeeps},
                                         FollowBeepCase{"NoSoundCard", kMissingCard, kShortAlarmBeeps}),
                         [](const testing::TestParamInfo<FollowBeepCase>& info) { return std::string(info.param.name); });

}  // namespace
