// The title of an alarm's message: the hour a one-date alarm shows, and the
// date any other alarm shows.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "alarms/alarm_caption.h"

namespace {

TEST(AlarmCaption, HourAndDateForms) {
  struct Case {
    std::int16_t dateMode;
    std::int32_t amPmMode;
    int hour, minute;
    const char* expected;
  };
  const Case cases[] = {
      // Hour 12 with AM is midnight as the dialog reads it; with PM it is noon.
      {kAlarmOneDate, kAlarmAm, 12, 0, "Alarm 4 - 0:00  (One Date)"},
      {kAlarmOneDate, kAlarmAm, 12, 45, "Alarm 4 - 0:45 (One Date)"},
      {kAlarmOneDate, kAlarmPm, 12, 0, "Alarm 4 - 12:00  (One Date)"},
      {kAlarmOneDate, kAlarm24h, 23, 59, "Alarm 4 - 23:59 (One Date)"},
      // Any other date mode shows today's date and the hour as stored.
      {kAlarmEnhanced, kAlarmAm, 12, 0, "Alarm 4 - 12:00  12-31-99"},
      {0, kAlarmPm, 13, 10, "Alarm 4 - 13:10  12-31-99"},
  };
  const ClockDate today = {31, 12, 1999, 5};
  for (const Case& c : cases) {
    AlarmRecord r;
    std::memset(&r, 0, sizeof r);
    r.dateMode = c.dateMode;
    r.amPmMode = c.amPmMode;
    r.hour = static_cast<std::uint8_t>(c.hour);
    r.minute = static_cast<std::uint8_t>(c.minute);
    char caption[132];
    FormatAlarmCaption(caption, sizeof caption, r, 3, today);
    EXPECT_EQ(std::string(caption), c.expected);
  }
}

}  // namespace
