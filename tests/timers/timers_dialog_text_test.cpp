// The countdown length as the Timers dialog reads and writes it.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "timers/timers_dialog.h"

namespace {

TEST(CountdownLengthText, ReadsMinutesOrHoursAndMinutes) {
  const struct {
    const char* typed;
    std::int32_t hours;
    std::int32_t totalMinutes;
  } cases[] = {
      {"5", 0, 5},         {"59", 0, 59},       {"90", 1, 90},        {"", 0, 0},          {" 12x", 0, 12},
      {"-5", 0, -5},       {"1:05", 1, 65},     {"01:05", 1, 65},     {"1:75", 1, 135},    {"1:", 1, 60},
      {"12:345", 12, 754}, {"100:00", 100, 6000}, {"1000:30", 1000, 60030},
      // Beyond the 32-bit fields: held at the longest length they keep.
      {"99999999999", 35791394, 2147483647}, {"99999999999:00", 35791394, 2147483647},
  };
  for (const auto& c : cases) {
    const CountdownLength length = ParseCountdownFrom(c.typed);
    EXPECT_EQ(length.hours, c.hours) << '"' << c.typed << '"';
    EXPECT_EQ(length.totalMinutes, c.totalMinutes) << '"' << c.typed << '"';
  }
}

// Switching timers reads back what the dialog wrote; no length may change on the way.
TEST(CountdownLengthText, EveryLengthSurvivesBeingShownAndReadBack) {
  for (std::int64_t minutes = 0; minutes <= 2147483647; minutes = minutes * 3 + 1) {
    const CountdownLength typed = ParseCountdownFrom(std::to_string(minutes).c_str());
    TimerRecord record{};
    record.countFromHours = typed.hours;
    record.countFromMinutes = typed.totalMinutes;
    char text[40];
    FormatCountdownLength(record, text, sizeof text);
    const CountdownLength reread = ParseCountdownFrom(text);
    EXPECT_EQ(reread.totalMinutes, minutes) << text;
    EXPECT_EQ(reread.hours, typed.hours) << text;
  }
}

}  // namespace
