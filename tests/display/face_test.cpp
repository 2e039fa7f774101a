// The clock face: every time format, date style, order and timer combination.
#include <cstring>

#include "display/face_date.h"
#include "display/face_fixture.h"

namespace {

using FaceTest = FaceFixture;

enum class Colon { Seconds, Shown, BlankPhase };

struct TimeRow {
  std::int16_t timeFormat;
  Colon colon;
  const char* at150509;
  const char* at090509;
  const char* at003000;
};

TEST_F(FaceTest, TimePartInEveryFormatAndColonState) {
  const TimeRow rows[] = {
      {105, Colon::Seconds, "·3:05:09·PM", "·9:05:09·AM", "12:30:00·AM"},
      {106, Colon::Seconds, "15:05:09", "·9:05:09", "·0:30:00"},
      {107, Colon::Seconds, "·3:05:09", "·9:05:09", "12:30:00"},
      {105, Colon::Shown, "·3:05·PM", "·9:05·AM", "12:30·AM"},
      {106, Colon::Shown, "15:05", "·9:05", "·0:30"},
      {107, Colon::Shown, "·3:05", "·9:05", "12:30"},
      {105, Colon::BlankPhase, "·3·05·PM", "·9·05·AM", "12·30·AM"},
      {106, Colon::BlankPhase, "15·05", "·9·05", "·0·30"},
      {107, Colon::BlankPhase, "·3·05", "·9·05", "12·30"},
  };
  for (const TimeRow& row : rows) {
    record.timeFormat = row.timeFormat;
    record.displaySeconds = row.colon == Colon::Seconds ? 1 : 0;
    record.blinkColon = row.colon == Colon::BlankPhase ? 1 : 0;
    blinkPhase = row.colon == Colon::BlankPhase ? 0 : 1;
    const std::pair<const char*, const char*> moments[] = {
        {"1992-12-07 15:05:09", row.at150509},
        {"1992-12-07 09:05:09", row.at090509},
        {"1992-12-07 00:30:00", row.at003000},
    };
    for (const auto& [moment, expected] : moments) {
      At(moment);
      EXPECT_EQ(FormatClockTime(), 1);
      EXPECT_EQ(std::string(clockText), Blanks(expected)) << "format " << row.timeFormat << " at " << moment;
    }
  }
}

TEST_F(FaceTest, MidnightNoonAndTheLowerCaseSuffix) {
  struct Row {
    std::int16_t timeFormat;
    std::int16_t pmStyle;
    const char* moment;
    const char* expected;
  };
  const Row rows[] = {
      {105, 148, "1992-12-07 00:00:00", "12:00·AM"}, {107, 148, "1992-12-07 00:00:00", "12:00"},
      {106, 148, "1992-12-07 00:00:00", "·0:00"},    {105, 148, "1992-12-07 12:00:00", "12:00·PM"},
      {106, 148, "1992-12-07 12:00:00", "12:00"},    {107, 148, "1992-12-07 12:00:00", "12:00"},
      {105, 149, "1992-12-07 15:05:09", "·3:05·pm"}, {105, 149, "1992-12-07 09:05:09", "·9:05·am"},
      {105, 148, "1992-12-07 23:59:59", "11:59·PM"}, {105, 148, "1992-12-07 01:00:00", "·1:00·AM"},
      // A damaged spelling reads as the default.
      {105, 0, "1992-12-07 15:05:09", "·3:05·PM"},   {105, -1, "1992-12-07 09:05:09", "·9:05·AM"},
  };
  for (const Row& row : rows) {
    record.timeFormat = row.timeFormat;
    pmStyle = row.pmStyle;
    At(row.moment);
    EXPECT_EQ(TimePart(), Blanks(row.expected)) << row.timeFormat << " " << row.pmStyle << " " << row.moment;
  }
}

TEST_F(FaceTest, ColonBlinksOnlyWhileBlinkColonIsOnAndSecondsAreOff) {
  struct Row {
    std::int16_t displaySeconds;
    std::int32_t blinkColon;
    std::int32_t phase;
    const char* expected;
  };
  const Row rows[] = {
      {0, 1, 1, "·3:05·PM"},    {0, 1, 0, "·3·05·PM"},
      {1, 1, 0, "·3:05:09·PM"},  // seconds shown: never blinks
      {0, 0, 0, "·3:05·PM"},    // a blank phase left over after blinking was turned off
      {2, 1, 0, "·3·05·PM"},    // seconds count only when exactly 1
  };
  for (const Row& row : rows) {
    record.displaySeconds = row.displaySeconds;
    record.blinkColon = row.blinkColon;
    blinkPhase = row.phase;
    EXPECT_EQ(TimePart(), Blanks(row.expected)) << row.displaySeconds << row.blinkColon << row.phase;
  }
}

struct FaceRow {
  const char* name;
  void (*settings)(Preferences&);
  const char* face;
  std::int32_t widthChars;
};

TEST_F(FaceTest, FacesForDateStylesOrdersAndSeparators) {
  const FaceRow rows[] = {
      {"defaults", [](Preferences&) {}, "·3:05·PM··Mon·12/07/92·", 25},
      {"24h, full names, DMY, dash",
       [](Preferences& p) {
         p.timeFormat = 106;
         p.weekdayStyle = 206;
         p.monthStyle = 308;
         p.dayStyle = 405;
         p.yearStyle = 506;
         p.dateOrder = 606;
         p.separator[0] = '-';
       },
       "15:05··Monday·7-December-1992·", 34},
      {"no day name, YMD, dot",
       [](Preferences& p) {
         p.timeFormat = 107;
         p.weekdayStyle = 207;
         p.monthStyle = 306;
         p.yearStyle = 506;
         p.dateOrder = 607;
         p.separator[0] = '.';
       },
       "·3:05···1992.12.07·", 21},
      {"no date at all",
       [](Preferences& p) {
         p.weekdayStyle = 207;
         p.monthStyle = 309;
         p.dayStyle = 407;
         p.yearStyle = 507;
       },
       "·3:05·PM·", 11},
      {"no month", [](Preferences& p) { p.monthStyle = 309; }, "·3:05·PM··Mon··07/92·", 23},
      {"no year", [](Preferences& p) { p.yearStyle = 507; }, "·3:05·PM··Mon·12/07·", 22},
      {"no day closes the gap", [](Preferences& p) { p.dayStyle = 407; }, "·3:05·PM··Mon·12/92·", 22},
      {"no month and no day",
       [](Preferences& p) {
         p.monthStyle = 309;
         p.dayStyle = 407;
       },
       "·3:05·PM··Mon··92·", 20},
      {"no day and no year",
       [](Preferences& p) {
         p.dayStyle = 407;
         p.yearStyle = 507;
       },
       "·3:05·PM··Mon·12·", 19},
      {"blank separator, no month",
       [](Preferences& p) {
         p.monthStyle = 309;
         p.separator[0] = ' ';
       },
       "·3:05·PM··Mon·07·92·", 22},
      {"DMY with no day",
       [](Preferences& p) {
         p.dateOrder = 606;
         p.dayStyle = 407;
       },
       "·3:05·PM··Mon··12/92·", 23},
      {"YMD with no month",
       [](Preferences& p) {
         p.dateOrder = 607;
         p.monthStyle = 309;
       },
       "·3:05·PM··Mon·92/07·", 22},
      {"short month name, DMY",
       [](Preferences& p) {
         p.dateOrder = 606;
         p.monthStyle = 307;
       },
       "·3:05·PM··Mon·07/Dec/92·", 26},
      {"full month name widens by two more",
       [](Preferences& p) { p.monthStyle = 308; }, "·3:05·PM··Mon·December/07/92·", 33},
      {"no day name begins the date with a blank",
       [](Preferences& p) { p.weekdayStyle = 207; }, "·3:05·PM···12/07/92·", 22},
      {"no day name and no month",
       [](Preferences& p) {
         p.weekdayStyle = 207;
         p.monthStyle = 309;
       },
       "·3:05·PM····07/92·", 20},
      {"a separator outside ASCII counts as a blank",
       [](Preferences& p) { std::memcpy(p.separator, "\xC3\xA9\0\0", 5); }, "·3:05·PM··Mon·12·07·92·", 25},
      {"an empty separator counts as a blank",
       [](Preferences& p) { std::memset(p.separator, 0, 5); }, "·3:05·PM··Mon·12·07·92·", 25},
      {"only the first character of the separator counts",
       [](Preferences& p) { std::memcpy(p.separator, "-+\0\0", 5); }, "·3:05·PM··Mon·12-07-92·", 25},
      {"a damaged date order reads as MDY", [](Preferences& p) { p.dateOrder = 0; }, "·3:05·PM··Mon·12/07/92·",
       25},
      {"damaged styles leave their element out",
       [](Preferences& p) {
         p.weekdayStyle = 1;
         p.monthStyle = -5;
       },
       "·3:05·PM····07/92·", 20},
  };
  for (const FaceRow& row : rows) {
    SetDefaultPreferences(record);
    row.settings(record);
    EXPECT_EQ(Face(), Blanks(row.face)) << row.name;
    EXPECT_EQ(clockWidthChars, row.widthChars) << row.name;
  }
}

TEST_F(FaceTest, NamesAndYearsOnOtherDays) {
  struct Row {
    const char* moment;
    std::int16_t weekdayStyle;
    std::int16_t monthStyle;
    std::int16_t yearStyle;
    const char* date;
  };
  const Row rows[] = {
      {"1992-09-02 10:00:00", 205, 307, 505, "Wed Sep/02/92"},
      {"1992-09-03 10:00:00", 205, 307, 505, "Thu Sep/03/92"},
      {"1992-09-02 10:00:00", 206, 308, 506, "Wednesday September/02/1992"},
      {"2000-01-01 10:00:00", 205, 305, 505, "Sat 1/01/100"},
      {"2005-07-04 10:00:00", 205, 306, 505, "Mon 07/04/105"},
      {"1999-12-31 10:00:00", 206, 305, 506, "Friday 12/31/1999"},
  };
  for (const Row& row : rows) {
    record.weekdayStyle = row.weekdayStyle;
    record.monthStyle = row.monthStyle;
    record.yearStyle = row.yearStyle;
    At(row.moment);
    EXPECT_EQ(Face(), std::string("10:00 AM  ") + row.date + " ") << row.moment;
  }
}

// The separator passes on the joined text "<day name> <a> <b> <c>".
TEST(DateSeparators, PassesOverTheJoinedDate) {
  struct Row {
    const char* joined;
    char separator;
    const char* expected;
  };
  const Row rows[] = {
      {"Mon 12 07 92", '/', "Mon 12/07/92"},
      {"Mon  07 92", '/', "Mon  07/92"},   // empty first element
      {"Mon 12  92", '/', "Mon 12/92"},    // empty middle element
      {"Mon 12 07 ", '/', "Mon 12/07"},    // empty last element
      {"Mon   92", '/', "Mon  92"},        // two empty elements first
      {"Mon 12  ", '/', "Mon 12"},         // two empty elements last
      {"Mon    ", '/', "Mon "},            // only the day name
      {" 12 07 92", '/', " 12/07/92"},     // no day name
      {"   ", '/', " "},                   // nothing at all
      {"Mon  07 92", ' ', "Mon 07 92"},    // a blank separator closes runs too
      {"Mon    ", ' ', "Mon"},
      {"Mon 12 07 92", '-', "Mon 12-07-92"},
  };
  for (const Row& row : rows) {
    char text[kDateTextSize];
    std::strcpy(text, row.joined);
    PlaceDateSeparators(text, row.separator);
    EXPECT_STREQ(text, row.expected) << "\"" << row.joined << "\" with '" << row.separator << "'";
  }
}

// While a timer runs, the first stopwatch's options decide what the face keeps.
TEST_F(FaceTest, FacesWhileAStopwatchRuns) {
  struct Row {
    std::int32_t showTime;
    std::int32_t showDate;
    std::int32_t showTimer;
    const char* face;
    std::int32_t widthChars;
  };
  const Row rows[] = {
      {0, 0, 1, "·S1·00:01:05·", 15},
      {1, 0, 1, "·3:05·PM·S1·00:01:05·", 23},
      {1, 1, 1, "·3:05·PM··Mon·12/07/92·S1·00:01:05·", 37},
      {0, 1, 1, "Mon·12/07/92·S1·00:01:05·", 27},  // no time: the date text alone
      {1, 1, 0, "·3:05·PM··Mon·12/07/92·", 25},
      {0, 0, 0, "·", 3},
  };
  for (const Row& row : rows) {
    SetTimersStartState();
    timers[0].showTime = row.showTime;
    timers[0].showDate = row.showDate;
    timers[0].showTimer = row.showTimer;
    StartStopwatch(0);
    // Only the timer clock moves, so the face keeps its minute.
    driver.AdvanceMonotonicOnly(65'000);
    EXPECT_EQ(Face(), Blanks(row.face)) << row.showTime << row.showDate << row.showTimer;
    EXPECT_EQ(clockWidthChars, row.widthChars);
  }
}

TEST_F(FaceTest, AllTimerPiecesTogetherFitTheFace) {
  record.displaySeconds = 1;
  record.weekdayStyle = 206;
  record.monthStyle = 308;
  record.yearStyle = 506;
  At("1992-09-30 12:59:59");
  timers[0].showTime = 1;
  timers[0].showDate = 1;
  for (int i = 0; i < kTimerCount; ++i) StartStopwatch(i);
  // Countdowns count down; start them long enough to show three-digit hours.
  StartCountdown(2, 402 * 60);
  StartCountdown(3, 402 * 60);
  driver.AdvanceMonotonicOnly(200ull * 3'600'000 + 59 * 60'000 + 59'000);
  const std::string face = Face();
  EXPECT_EQ(face,
            "12:59:59 PM  Wednesday September/30/1992 S1 200:59:59 S2 200:59:59 C1 201:00:01 C2 201:00:01 ");
  EXPECT_EQ(face.size(), 93u);
}

}  // namespace
