// The screen-saver delay as the Preferences dialog reads and writes it.
#include <gtest/gtest.h>

#include <cstdint>

#include "display/preferences_dialog.h"

namespace {

TEST(DelayText, ReadsMinutesAndSecondsOrSeconds) {
  const struct {
    const char* typed;
    std::int16_t totalSeconds;
    std::int16_t minutes;
  } cases[] = {
      {"4:56", 296, 4},       {"296", 296, 4},       {"04:56", 296, 4},    {"4:5", 245, 4},   {"", 0, 0},
      {"60", 60, 1},          {"1:99", 159, 1},      {"100:00", 6000, 100}, {"546:07", 32767, 546},
      // Beyond what the 16-bit fields hold: the longest delay they keep.
      {"546:08", 32767, 546}, {"32768", 32767, 546}, {"99999999999", 32767, 546}, {"99999:00", 32767, 546},
  };
  for (const auto& c : cases) {
    const ScreenSaverDelay delay = ReadScreenSaverDelay(c.typed);
    EXPECT_EQ(delay.totalSeconds, c.totalSeconds) << '"' << c.typed << '"';
    EXPECT_EQ(delay.minutes, c.minutes) << '"' << c.typed << '"';
  }
}

// OK reads back what the dialog wrote when it opened: every delay the fields hold must survive.
TEST(DelayText, EveryDelaySurvivesBeingShownAndReadBack) {
  for (int total = 0; total <= 32767; ++total) {
    const ScreenSaverDelay delay{static_cast<std::int16_t>(total), static_cast<std::int16_t>(total / 60)};
    char text[24];
    FormatScreenSaverDelay(delay, text, sizeof text);
    const ScreenSaverDelay reread = ReadScreenSaverDelay(text);
    ASSERT_EQ(reread.totalSeconds, delay.totalSeconds) << text;
    ASSERT_EQ(reread.minutes, delay.minutes) << text;
  }
}

}  // namespace
