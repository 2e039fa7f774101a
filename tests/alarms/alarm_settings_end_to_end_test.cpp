// Alarms set through the dialogs reach the configuration file byte for byte
// and go off on the virtual clock; an alarm going off while the dialog is open
// meets the dialog's working copy.
#include "alarm_settings_fixture.h"
#include "cli/cli_run.h"

namespace {

using namespace alarm_dialogs;

std::int64_t LittleEndianAt(const std::vector<unsigned char>& bytes, std::size_t at, int width) {
  std::uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i) value = value << 8 | bytes.at(at + i);
  return width == 2 ? static_cast<std::int16_t>(value) : static_cast<std::int32_t>(value);
}

TEST(AlarmSettingsEndToEnd, AnAlarmSetInTheDialogIsSavedAndGoesOff) {
  Desk desk;
  desk.start();
  OpenAlarmSettings(desk).click(kAlarm1 + 2).type(kTime, "7:05").type(kDate, "12-8-92").click(kEnabled)
      .click(kBeep).type(kNote, "Wake up").click(IDOK);

  const std::vector<unsigned char> file = SavedFile(desk);
  ASSERT_EQ(file.size(), 3644u);
  const std::size_t at = 84 + 2 * 356;  // alarm 3
  struct Field {
    std::size_t offset;
    int width;
    std::int64_t value;
  };
  const Field fields[] = {
      {0, 4, 118}, {4, 1, 7},   {5, 1, 5},     {6, 1, 0},     {7, 1, 12},  {8, 1, 8},   {12, 4, 1992},
      {16, 2, 600}, {18, 2, 1}, {101, 1, 0},   {232, 4, 124}, {236, 4, 129}, {240, 4, 1}, {244, 4, 525},
      {248, 4, 505}, {320, 4, 0}, {352, 4, 1},
  };
  for (const Field& f : fields) {
    EXPECT_EQ(f.width == 1 ? file[at + f.offset] : LittleEndianAt(file, at + f.offset, f.width), f.value)
        << "offset " << f.offset;
  }
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&file[at + 20]), 8), std::string("Wake up", 8));

  desk.advanceTo("1992-12-08 07:04:59");
  EXPECT_TRUE(desk.beeps().empty());
  desk.advanceTo("1992-12-08 07:05:01");
  EXPECT_EQ(desk.beeps().size(), 10u);
  EXPECT_EQ(desk.dialog("Alarm 3 - 7:05  (One Date)").text(101), "Wake up");
}

TEST(AlarmSettingsEndToEnd, AnEnhancedScheduleSetInTheDialogsGoesOffOnItsDays) {
  Desk desk{Settings().at("1992-12-11 06:58:00")};
  desk.start();
  auto settings = OpenAlarmSettings(desk);
  settings.click(k24Hour).type(kTime, "7:00").click(kEnabled).click(kBeep).click(kEnhanced);
  desk.dialog(kEnhancedAlarms).type(kDate, "7-3-92").click(kEveryOther).click(kFriday).click(IDOK);
  settings.click(IDOK);
  // Every other Friday from 3 July 1992: 11 December is out of phase, 18 December in phase.
  desk.advanceTo("1992-12-11 07:01:00");
  EXPECT_TRUE(desk.beeps().empty());
  desk.setClock("1992-12-18 06:59:00");
  desk.advanceTo("1992-12-18 07:00:30");
  EXPECT_EQ(desk.beeps().size(), 10u);
  EXPECT_TRUE(desk.hasDialog("Alarm 1 - 7:00  12-18-92"));
}

// A date typed as people write it today reaches the file as that date, and the
// clock's own list of what it will do shows it.
TEST(AlarmSettingsEndToEnd, ADateTypedWithSlashesAndATwoDigitYearIsThatDate) {
  Desk desk{Settings().at("2026-12-08 09:00:00")};
  desk.start();
  OpenAlarmSettings(desk).click(kAlarm1 + 2).type(kTime, "7:05").type(kDate, "12/25/26").click(kEnabled)
      .click(kBeep).click(IDOK);
  EXPECT_TRUE(desk.messageBoxes().empty());

  const std::vector<unsigned char> file = SavedFile(desk);
  ASSERT_EQ(file.size(), 3644u);
  const std::size_t at = 84 + 2 * 356;  // alarm 3
  EXPECT_EQ(file[at + 7], 12);
  EXPECT_EQ(file[at + 8], 25);
  EXPECT_EQ(LittleEndianAt(file, at + 12, 4), 2026);
  EXPECT_EQ(LittleEndianAt(file, at + 18, 2), 1);

  const CliResult upcoming = RunHoratick(
      {"--settings-dir", desk.settingsFolder(), "--upcoming", "--from", "2026-12-08 09:00", "--days", "30"},
      {{"TZ", "UTC"}});
  EXPECT_EQ(upcoming.exitCode, 0) << upcoming.err;
  EXPECT_EQ(upcoming.out, "2026-12-25 07:05 alarm 3\n");
}

Settings DeskWithOneDateAlarmAt1506() {
  return DeskWith([](Preferences&, AlarmRecord* a) {
    a[0].hour = 15;
    a[0].minute = 6;
    a[0].enabled = 1;
    SetDate(a[0], 12, 7, 1992);
  });
}

TEST(AlarmSettingsEndToEnd, AnAlarmThatGoesOffWhileTheDialogIsOpenComesBackOnOk) {
  Desk desk{DeskWithOneDateAlarmAt1506()};
  desk.start();
  auto settings = OpenAlarmSettings(desk);
  desk.advanceTo("1992-12-07 15:06:01");
  desk.dialog("Alarm 1 - 15:06  (One Date)").click(IDOK);
  EXPECT_EQ(alarms[0].enabled, 0);  // retired in the live table
  EXPECT_EQ(alarms[0].month, 0);
  settings.click(IDOK);
  EXPECT_EQ(alarms[0].enabled, 1);
  EXPECT_EQ(alarms[0].month, 12);
  EXPECT_EQ(alarms[0].day, 7);
}

TEST(AlarmSettingsEndToEnd, AnAlarmThatWentOffOpensDisabledWithTodaysDate) {
  Desk desk{DeskWithOneDateAlarmAt1506()};
  desk.start();
  desk.advanceTo("1992-12-08 09:00:00");
  desk.dialog("Alarm 1 - 15:06  (One Date)").click(IDOK);
  auto settings = OpenAlarmSettings(desk);
  EXPECT_FALSE(settings.checked(kEnabled));
  EXPECT_EQ(settings.text(kDate), "12-8-92");
  settings.click(IDOK);
  EXPECT_EQ(alarms[0].day, 8);
  EXPECT_EQ(alarms[0].enabled, 0);
  EXPECT_EQ(SavedFile(desk).at(84 + 8), 8);
}

}  // namespace
