// The reader of what is typed into the alarm dialogs' time edit, and the cut
// of the note and program texts. (The text forms and the time-mode
// conversions are checked through the dialog itself.)
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "alarms/alarm_settings_text.h"

namespace {

TEST(AlarmTimeReading, IsLenientAndNeverOverflows) {
  struct Case {
    const char* text;
    bool hasHour;
    std::int64_t hour;
    std::int64_t minute;
  };
  const Case cases[] = {
      {"7:15", true, 7, 15}, {" 7:05", true, 7, 5}, {"7", true, 7, 0},     {"7:x", true, 7, 0},
      {"7 :30", true, 7, 0}, {"abc", false, 0, 0},  {"", false, 0, 0},     {"-1:30", true, -1, 30},
      {"7:-5", true, 7, -5}, {"99999999999999999999:1", true, 1'000'000'000'000, 1},
  };
  for (const Case& c : cases) {
    const AlarmTimeText t = ParseAlarmTime(c.text);
    EXPECT_EQ(t.hasHour, c.hasHour) << c.text;
    if (!c.hasHour) continue;
    EXPECT_EQ(t.hour, c.hour) << c.text;
    EXPECT_EQ(t.minute, c.minute) << c.text;
  }
}

TEST(AlarmRealDate, KnowsTheLengthOfEachMonth) {
  struct Case {
    int month;
    int day;
    std::int64_t year;
    bool real;
  };
  const Case cases[] = {{2, 29, 1992, true},  {2, 29, 2000, true},  {2, 29, 1900, false}, {2, 30, 1992, false},
                        {4, 31, 1992, false}, {13, 1, 1992, false}, {0, 1, 1992, false},  {1, 0, 1992, false},
                        {1, 1, 0, false},     {1, 1, INT32_MAX, false}};
  for (const Case& c : cases) EXPECT_EQ(IsRealDate(c.month, c.day, c.year), c.real) << c.month << "-" << c.day;
}

TEST(AlarmTextCut, NeverSplitsACharacterAndClearsTheRestOfTheField) {
  struct Case {
    const char* text;
    std::size_t maxBytes;
    const char* kept;
  };
  const Case cases[] = {
      {"abc", 5, "abc"},
      {"abcdefgh", 5, "abcde"},
      {"ab\xc3\xa9\xe2\x82\xac", 5, "ab\xc3\xa9"},  // "€" would straddle the cut
      {"ab\xc3\xa9\xe2\x82\xac", 4, "ab\xc3\xa9"},
      {"a\xc3\xa9", 2, "a"},
      {"abcdefghij", 100, "abcdefg"},  // the field's size wins
      // Stray continuation bytes after a whole character are cut as characters of their own.
      {"\xf2\x82\x83\x9f\x83\x9f", 4, "\xf2\x82\x83\x9f"},
  };
  for (const Case& c : cases) {
    char field[8];
    std::memset(field, 'x', sizeof field);
    SetFieldText(field, sizeof field, c.text, c.maxBytes);
    EXPECT_STREQ(field, c.kept) << c.text;
    for (std::size_t i = std::strlen(c.kept); i < sizeof field; ++i) EXPECT_EQ(field[i], '\0') << c.text;
  }
}

}  // namespace

namespace {

TEST(AlarmFieldText, StopsAtTheZeroOrTheEndOfTheField) {
  const char terminated[6] = {'a', 'b', '\0', 'x', 'y', 'z'};
  const char full[3] = {'a', 'b', 'c'};
  EXPECT_EQ(FieldText(terminated, sizeof terminated), "ab");
  EXPECT_EQ(FieldText(full, sizeof full), "abc");
}

}  // namespace
