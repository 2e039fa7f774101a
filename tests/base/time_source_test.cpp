// The time source reads the machine's local time: the time zone and its
// daylight-saving rules, not UTC.
#include <string>

#include "base/time_source.h"
#include "display/face_fixture.h"

namespace {

using TimeSourceTest = FaceFixture;

struct Reading {
  ClockTime time;
  ClockDate date;
};

Reading Read() {
  Reading reading{};
  EXPECT_EQ(GetClockTime(&reading.time, &reading.date), 1);
  return reading;
}

TEST_F(TimeSourceTest, ReadsLocalTimeOfTheZoneInForce) {
  struct Row {
    const char* tz;
    const char* utc;
    ClockTime time;
    ClockDate date;
  };
  const Row rows[] = {
      {"UTC", "1992-12-07 15:05:09.250", {15, 5, 9, 250}, {7, 12, 1992, 1}},
      {"America/New_York", "1992-12-07 20:05:09.000", {15, 5, 9, 0}, {7, 12, 1992, 1}},
      // Local midnight, not UTC midnight, turns the date.
      {"America/New_York", "1992-12-08 04:59:59.999", {23, 59, 59, 999}, {7, 12, 1992, 1}},
      {"Asia/Tokyo", "1992-12-07 15:05:09.000", {0, 5, 9, 0}, {8, 12, 1992, 2}},
      {"Asia/Kolkata", "1999-12-31 18:30:00.000", {0, 0, 0, 0}, {1, 1, 2000, 6}},
  };
  for (const Row& row : rows) {
    UseTimeZone(row.tz);
    AtUtc(row.utc);
    const Reading reading = Read();
    SCOPED_TRACE(std::string(row.tz) + " " + row.utc);
    EXPECT_EQ(reading.time.hour, row.time.hour);
    EXPECT_EQ(reading.time.minute, row.time.minute);
    EXPECT_EQ(reading.time.second, row.time.second);
    EXPECT_EQ(reading.time.millisecond, row.time.millisecond);
    EXPECT_EQ(reading.date.day, row.date.day);
    EXPECT_EQ(reading.date.month, row.date.month);
    EXPECT_EQ(reading.date.year, row.date.year);
    EXPECT_EQ(reading.date.weekday, row.date.weekday);
  }
}

// The face shows the local time on both sides of a daylight-saving change.
TEST_F(TimeSourceTest, FaceFollowsDaylightSavingChanges) {
  struct Row {
    const char* tz;
    const char* utc;
    const char* face;
  };
  const Row rows[] = {
      // Berlin, spring 2024: 02:00 CET becomes 03:00 CEST.
      {"Europe/Berlin", "2024-03-31 00:59:59", " 1:59 AM  Sun 3/31/124 "},
      {"Europe/Berlin", "2024-03-31 01:00:00", " 3:00 AM  Sun 3/31/124 "},
      // Berlin, autumn 2024: 03:00 CEST becomes 02:00 CET; the hour comes twice.
      {"Europe/Berlin", "2024-10-27 00:59:59", " 2:59 AM  Sun 10/27/124 "},
      {"Europe/Berlin", "2024-10-27 01:00:00", " 2:00 AM  Sun 10/27/124 "},
      // New York, spring 1992 and autumn 1992.
      {"America/New_York", "1992-04-05 06:59:00", " 1:59 AM  Sun 4/05/92 "},
      {"America/New_York", "1992-04-05 07:00:00", " 3:00 AM  Sun 4/05/92 "},
      {"America/New_York", "1992-10-25 05:59:00", " 1:59 AM  Sun 10/25/92 "},
      {"America/New_York", "1992-10-25 06:00:00", " 1:00 AM  Sun 10/25/92 "},
  };
  for (const Row& row : rows) {
    UseTimeZone(row.tz);
    AtUtc(row.utc);
    EXPECT_EQ(Face(), row.face) << row.tz << " " << row.utc;
  }
}

TEST_F(TimeSourceTest, EitherRecordMayBeLeftOut) {
  UseTimeZone("America/New_York");
  AtUtc("1992-12-07 20:05:09");
  EXPECT_EQ(GetClockTime(nullptr, nullptr), 1);
  ClockTime time{99, 99, 99, 9999};
  EXPECT_EQ(GetClockTime(&time, nullptr), 1);
  EXPECT_EQ(time.hour, 15);
  ClockDate date{99, 99, 9999, 99};
  EXPECT_EQ(GetClockTime(nullptr, &date), 1);
  EXPECT_EQ(date.day, 7);
  EXPECT_EQ(date.weekday, 1);
}

// Setting the time composes it but never changes the machine's clock.
TEST_F(TimeSourceTest, SetClockTimeLeavesTheClockAlone) {
  At("1992-12-07 15:05:09");
  const ClockTime time{8, 30, 0, 0};
  const ClockDate date{1, 1, 2001, 1};
  EXPECT_EQ(SetClockTime(&time, &date), 1);
  EXPECT_EQ(SetClockTime(nullptr, nullptr), 1);
  const Reading reading = Read();
  EXPECT_EQ(reading.time.hour, 15);
  EXPECT_EQ(reading.time.minute, 5);
  EXPECT_EQ(reading.date.year, 1992);
  EXPECT_EQ(reading.date.day, 7);
}

}  // namespace
