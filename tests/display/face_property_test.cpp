// For random preferences within their sets and random moments, the face is
// composed again here by different means (the calendar from <chrono>, the
// elements joined as a list) and must match, and never exceed 93 characters.
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "display/face_fixture.h"

namespace {

const char* const kDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};

// Built by appending only: GCC 12 at -O3 misreads a literal put in front of a
// temporary string as an overlapping copy (-Wrestrict).
std::string TwoPlaces(unsigned value) { return std::string(value < 10 ? 1 : 0, '0') + std::to_string(value); }

std::string ExpectedTime(const Preferences& p, std::int16_t spelling, int phase, unsigned h, unsigned m, unsigned s) {
  const unsigned shownHour = p.timeFormat == 106 ? h : (h + 11) % 12 + 1;
  std::string text(shownHour < 10 ? 1 : 0, ' ');
  text += std::to_string(shownHour);
  text += p.blinkColon != 0 && phase == 0 && p.displaySeconds != 1 ? ' ' : ':';
  text += TwoPlaces(m);
  if (p.displaySeconds == 1) {
    text += ':';
    text += TwoPlaces(s);
  }
  if (p.timeFormat == 105) {
    std::string suffix = h < 12 ? "AM" : "PM";
    if (spelling == 149) suffix = h < 12 ? "am" : "pm";
    text += " " + suffix;
  }
  return text;
}

std::string ExpectedDate(const Preferences& p, const std::chrono::year_month_day& ymd, std::chrono::weekday wd) {
  const unsigned month = static_cast<unsigned>(ymd.month());
  const unsigned day = static_cast<unsigned>(ymd.day());
  const int year = static_cast<int>(ymd.year());
  const std::string dayName = kDays[wd.c_encoding()];
  const std::string monthName = kMonths[month - 1];

  std::string weekdayText = p.weekdayStyle == 205 ? dayName.substr(0, 3) : p.weekdayStyle == 206 ? dayName : "";
  std::string monthText;
  if (p.monthStyle == 305) monthText = std::to_string(month);
  if (p.monthStyle == 306) monthText = TwoPlaces(month);
  if (p.monthStyle == 307) monthText = monthName.substr(0, 3);
  if (p.monthStyle == 308) monthText = monthName;
  std::string dayText = p.dayStyle == 405 ? std::to_string(day) : p.dayStyle == 406 ? TwoPlaces(day) : "";
  std::string yearText = p.yearStyle == 505 ? std::to_string(year - 1900) : p.yearStyle == 506 ? std::to_string(year) : "";

  std::vector<std::string> elements;
  if (p.dateOrder == 605) elements = {monthText, dayText, yearText};
  if (p.dateOrder == 606) elements = {dayText, monthText, yearText};
  if (p.dateOrder == 607) elements = {yearText, monthText, dayText};

  // The shown elements joined by the separator. An empty first element leaves
  // a blank before the rest; with a blank separator, blanks never double and
  // the text never ends in one.
  const char separator = p.separator[0];
  std::string joined;
  for (const std::string& element : elements) {
    if (element.empty()) continue;
    if (!joined.empty()) joined += separator;
    joined += element;
  }
  if (separator == ' ') {
    std::string text = weekdayText + " " + joined;
    if (text.back() == ' ') text.pop_back();
    return text;
  }
  const bool leadingGap = elements[0].empty() && !joined.empty();
  return weekdayText + " " + (leadingGap ? " " : "") + joined;
}

template <typename T>
T Pick(std::mt19937_64& random, std::initializer_list<T> values) {
  std::uniform_int_distribution<std::size_t> index(0, values.size() - 1);
  return *(values.begin() + index(random));
}

using FaceProperty = FaceFixture;

TEST_F(FaceProperty, RandomSettingsAndMomentsMatchAnIndependentComposition) {
  std::uint64_t seed = std::random_device{}();
  if (const char* given = std::getenv("HORATICK_SEED")) seed = std::strtoull(given, nullptr, 10);
  std::cout << "face property seed: " << seed << " (set HORATICK_SEED to replay)\n";
  RecordProperty("seed", std::to_string(seed));
  std::mt19937_64 random(seed);

  // 1900-01-01 to 2099-12-31, in milliseconds since 1970.
  std::uniform_int_distribution<std::int64_t> instant(-2'208'988'800'000, 4'102'444'799'999);
  for (int round = 0; round < 20'000; ++round) {
    SetDefaultPreferences(record);
    record.timeFormat = Pick<std::int16_t>(random, {105, 106, 107});
    record.displaySeconds = Pick<std::int16_t>(random, {0, 1});
    record.blinkColon = Pick<std::int32_t>(random, {0, 1});
    record.weekdayStyle = Pick<std::int16_t>(random, {205, 206, 207});
    record.monthStyle = Pick<std::int16_t>(random, {305, 306, 307, 308, 309});
    record.dayStyle = Pick<std::int16_t>(random, {405, 406, 407});
    record.yearStyle = Pick<std::int16_t>(random, {505, 506, 507});
    record.dateOrder = Pick<std::int16_t>(random, {605, 606, 607});
    record.separator[0] = Pick<char>(random, {'/', '-', '.', ' ', ':', ',', '|', '_'});
    pmStyle = Pick<std::int16_t>(random, {148, 149});
    blinkPhase = record.blinkColon != 0 ? Pick<std::int32_t>(random, {0, 1}) : 1;
    const std::int64_t utcMs = instant(random);
    driver.SetUtc(utcMs);

    using namespace std::chrono;
    const sys_time<milliseconds> moment{milliseconds{utcMs}};
    const sys_days day = floor<days>(moment);
    const hh_mm_ss<milliseconds> clock{moment - day};
    const year_month_day ymd{day};
    const auto h = static_cast<unsigned>(clock.hours().count());
    const auto m = static_cast<unsigned>(clock.minutes().count());
    const auto s = static_cast<unsigned>(clock.seconds().count());

    const std::string time = ExpectedTime(record, pmStyle, blinkPhase, h, m, s);
    const bool noDate = record.weekdayStyle == 207 && record.monthStyle == 309 && record.dayStyle == 407 &&
                        record.yearStyle == 507;
    const std::string expected = (noDate ? time : time + "  " + ExpectedDate(record, ymd, weekday{day})) + " ";
    const std::int32_t expectedWidth =
        static_cast<std::int32_t>(expected.size()) + 2 + (record.monthStyle == 308 ? 2 : 0);

    const std::string face = Face();
    ASSERT_EQ(face, expected) << "seed " << seed << " round " << round << " at " << utcMs;
    ASSERT_EQ(clockWidthChars, expectedWidth) << "seed " << seed << " round " << round;
    ASSERT_LE(face.size(), 93u);
  }
}

}  // namespace
