// The configuration file's bytes: the defaults, a record with every field
// set, and a file read back into the records unchanged.
#include <cstdio>
#include <cstring>

#include "settings/config_test_support.h"

namespace {

// Sets every field of the records to a value of its own, inside its set where it has one.
void FillDistinct(Preferences& p, AlarmRecord* a) {
  std::memcpy(p.version, "01.00", 6);
  p.timeFormat = 106;
  p.displaySeconds = 1;
  p.weekdayStyle = 206;
  p.monthStyle = 308;
  p.dayStyle = 405;
  p.yearStyle = 506;
  p.reserved18[0] = 0x11;
  p.reserved18[1] = 0x12;
  p.stayInFront = 0;
  p.systemBox = 2;
  p.minimizeBox = 1;
  p.dateOrder = 607;
  p.locationMode = 706;
  p.xPos = -5;
  p.yPos = 1234;
  std::memcpy(p.separator, ".abc", 5);
  p.reserved45[0] = 1;
  p.reserved45[1] = 2;
  p.reserved45[2] = 3;
  p.reserved48 = 0x01020304;
  p.reserved52 = -7;
  p.reserved56 = 0x1357;
  p.antiCascade = 0;
  p.blinkColon = 1;
  p.screenSaverMode = 906;
  p.screenSaverDelay = 32767;
  p.screenSaverDelayMinutes = 546;
  p.lockLocation = 1;
  p.setTimeMode = 3;
  p.reserved78[0] = 9;
  p.reserved78[1] = 8;
  p.autoAdvanceDate = 1;
  for (int i = 0; i < kAlarmCount; ++i) {
    AlarmRecord& r = a[i];
    r.amPmMode = 118 + i % 3;
    r.hour = static_cast<std::uint8_t>(i);
    r.minute = static_cast<std::uint8_t>(50 + i);
    r.reserved6 = static_cast<std::uint8_t>(i);
    r.month = static_cast<std::uint8_t>(1 + i);
    r.day = static_cast<std::uint8_t>(20 + i);
    for (auto& b : r.reserved9) b = static_cast<std::uint8_t>(0x40 + i);
    r.year = 1990 + i;
    r.dateMode = static_cast<std::int16_t>(600 + i % 2);
    r.enabled = static_cast<std::int16_t>(i % 2);
    std::snprintf(r.note, sizeof r.note, "note %d", i);
    std::snprintf(r.program, sizeof r.program, "prog %d", i);
    r.action = 124 + i % 2;
    r.showMode = 127 + i % 3;
    r.beep = 1;
    r.beepDuration = 525 + i % 2;
    r.beepTone = 505 + i % 2;
    r.hourlyBeep = i;
    for (int d = 0; d < 7; ++d) r.weekday[d] = d + 10 * i;
    r.everyWeek = 100 + i;
    r.everyOtherWeek = 110 + i;
    r.everyThirdWeek = 120 + i;
    r.everyFourthWeek = 130 + i;
    for (int k = 0; k < 5; ++k) r.monthWeek[k] = 200 + k + 10 * i;
    r.remindOnStartup = i;
    for (auto& b : r.reserved324) b = static_cast<std::uint8_t>(0x80 + i);
    r.evenIfScreenSaver = 300 + i;
  }
}

// The same values, placed by the offsets of the file's tables.
ConfigImage DistinctImage() {
  ConfigImage m;
  m.PutText(0, "01.00");
  m.Put16(6, 106);
  m.Put16(8, 1);
  m.Put16(10, 206);
  m.Put16(12, 308);
  m.Put16(14, 405);
  m.Put16(16, 506);
  m.Put8(18, 0x11);
  m.Put8(19, 0x12);
  m.Put32(20, 0);
  m.Put32(24, 2);
  m.Put32(28, 1);
  m.Put16(32, 607);
  m.Put16(34, 706);
  m.Put16(36, -5);
  m.Put16(38, 1234);
  m.PutText(40, ".abc");
  m.Put8(45, 1);
  m.Put8(46, 2);
  m.Put8(47, 3);
  m.Put32(48, 0x01020304);
  m.Put32(52, -7);
  m.Put16(56, 0x1357);
  m.Put16(58, 0);
  m.Put32(60, 1);
  m.Put32(64, 906);
  m.Put16(68, 32767);
  m.Put16(70, 546);
  m.Put32(72, 1);
  m.Put16(76, 3);
  m.Put8(78, 9);
  m.Put8(79, 8);
  m.Put32(80, 1);
  for (int i = 0; i < 10; ++i) {
    auto at = [i](std::size_t offset) { return ConfigImage::Alarm(i, offset); };
    m.Put32(at(0), 118 + i % 3);
    m.Put8(at(4), static_cast<std::uint8_t>(i));
    m.Put8(at(5), static_cast<std::uint8_t>(50 + i));
    m.Put8(at(6), static_cast<std::uint8_t>(i));
    m.Put8(at(7), static_cast<std::uint8_t>(1 + i));
    m.Put8(at(8), static_cast<std::uint8_t>(20 + i));
    for (int b = 0; b < 3; ++b) m.Put8(at(9 + b), static_cast<std::uint8_t>(0x40 + i));
    m.Put32(at(12), 1990 + i);
    m.Put16(at(16), 600 + i % 2);
    m.Put16(at(18), i % 2);
    m.PutText(at(20), "note " + std::to_string(i));
    m.PutText(at(101), "prog " + std::to_string(i));
    m.Put32(at(232), 124 + i % 2);
    m.Put32(at(236), 127 + i % 3);
    m.Put32(at(240), 1);
    m.Put32(at(244), 525 + i % 2);
    m.Put32(at(248), 505 + i % 2);
    m.Put32(at(252), i);
    for (int d = 0; d < 7; ++d) m.Put32(at(256 + 4 * d), d + 10 * i);
    m.Put32(at(284), 100 + i);
    m.Put32(at(288), 110 + i);
    m.Put32(at(292), 120 + i);
    m.Put32(at(296), 130 + i);
    for (int k = 0; k < 5; ++k) m.Put32(at(300 + 4 * k), 200 + k + 10 * i);
    m.Put32(at(320), i);
    for (int b = 0; b < 28; ++b) m.Put8(at(324 + b), static_cast<std::uint8_t>(0x80 + i));
    m.Put32(at(352), 300 + i);
  }
  return m;
}

using ConfigImageTest = ConfigFilesTest;

TEST_F(ConfigImageTest, DefaultsAreSavedByteForByte) {
  SetDefaultConfiguration();
  record.xPos = 1014;
  record.yPos = 30;
  EXPECT_EQ(SaveConfiguration(nullptr), 1);
  const std::string expected = ConfigImage::Defaults(1014, 30).Text();
  EXPECT_EQ(ConfigOnDisk(), expected) << FirstDifference(ConfigOnDisk(), expected);
}

TEST_F(ConfigImageTest, EveryFieldLandsAtItsOffset) {
  FillDistinct(record, table);
  EXPECT_EQ(SaveConfiguration(nullptr), 1);
  const std::string expected = DistinctImage().Text();
  EXPECT_EQ(ConfigOnDisk(), expected) << FirstDifference(ConfigOnDisk(), expected);
}

TEST_F(ConfigImageTest, AFileReadsBackIntoTheSameRecords) {
  PutConfig(DistinctImage());
  PutProfile("[Horatick]\nVersion=01.00\n");
  LoadConfiguration();
  Preferences expectedPrefs{};
  AlarmRecord expectedAlarms[kAlarmCount]{};
  FillDistinct(expectedPrefs, expectedAlarms);
  EXPECT_EQ(versionMismatch, 0);
  EXPECT_EQ(std::memcmp(&record, &expectedPrefs, sizeof record), 0);
  EXPECT_EQ(std::memcmp(table, expectedAlarms, sizeof table), 0);
  // Saved again, the file comes out as it went in.
  EXPECT_EQ(SaveConfiguration(nullptr), 1);
  EXPECT_EQ(ConfigOnDisk(), DistinctImage().Text());
}

}  // namespace
