// The Enhanced Alarms dialog: the start date and schedule of one alarm,
// written into the live table at its OK.
#include "alarm_settings_fixture.h"

namespace {

using namespace alarm_dialogs;

desk::DialogView OpenEnhanced(Desk& desk, int alarm) {
  OpenAlarmSettings(desk).click(kAlarm1 + alarm - 1).click(kEnhanced);
  return desk.dialog(kEnhancedAlarms);
}

TEST(EnhancedAlarms, AnAlarmWithoutADateStartsTodayAndOkStoresTheSchedule) {
  Desk desk;
  desk.start();
  auto dlg = OpenEnhanced(desk, 3);
  EXPECT_EQ(dlg.text(kAlarmNumber), "3");
  EXPECT_EQ(dlg.text(kDate), "12-7-92");
  for (int id : {111, 117, 119, 122, 125, 129}) EXPECT_FALSE(dlg.checked(id)) << id;
  dlg.click(kSecondWeek).click(kTuesday).click(IDOK);
  const AlarmRecord& r = alarms[2];
  EXPECT_EQ(r.month, 12);
  EXPECT_EQ(r.day, 7);
  EXPECT_EQ(r.year, 1992);
  EXPECT_EQ(r.monthWeek[1], 1);
  EXPECT_EQ(r.weekday[2], 1);
  EXPECT_EQ(r.monthWeek[0] + r.everyWeek + r.weekday[1], 0);
  EXPECT_EQ(r.dateMode, kAlarmEnhanced);
  EXPECT_TRUE(desk.dialog(kAlarmSettings).checked(kEnhanced));
}

TEST(EnhancedAlarms, OkThenCancelInAlarmSettingsKeepsTheNewSchedule) {
  Desk desk;
  desk.start();
  OpenEnhanced(desk, 1).type(kDate, "7-3-1992").click(kEveryOther).click(kFriday).enter();
  desk.dialog(kAlarmSettings).click(IDCANCEL);
  const AlarmRecord& r = alarms[0];
  EXPECT_EQ(r.month, 7);
  EXPECT_EQ(r.day, 3);
  EXPECT_EQ(r.year, 1992);
  EXPECT_EQ(r.everyOtherWeek, 1);
  EXPECT_EQ(r.weekday[5], 1);
  EXPECT_EQ(r.dateMode, kAlarmEnhanced);  // no longer a one-date alarm
}

TEST(EnhancedAlarms, CancelLeavesTheAlarmExactlyAsItWas) {
  Desk desk{DeskWith([](Preferences&, AlarmRecord* a) {
    SetDate(a[0], 3, 4, 1993);
    a[0].everyWeek = 1;
    a[0].weekday[1] = 1;
  })};
  desk.start();
  const AlarmRecord before = alarms[0];
  auto dlg = OpenEnhanced(desk, 1);
  EXPECT_EQ(dlg.text(kDate), "3-4-93");
  EXPECT_TRUE(dlg.checked(kEvery));
  EXPECT_TRUE(dlg.checked(kMonday));
  EXPECT_EQ(dlg.type(kDate, "5-6-94").click(kEvery).click(kSunday).click(kToday).text(kDate), "12-7-92");
  dlg.click(IDCANCEL);
  EXPECT_EQ(std::memcmp(&before, &alarms[0], sizeof before), 0);
}

TEST(EnhancedAlarms, TheAlarmSettingsDateIsReplacedWhenItCloses) {
  Desk desk{DeskWith([](Preferences& p, AlarmRecord* a) {
    p.dateOrder = kDateOrderDmy;
    SetDate(a[0], 3, 4, 1993);
  })};
  desk.start();
  auto settings = OpenAlarmSettings(desk);
  for (int closing : {IDCANCEL, IDOK}) {
    settings.type(kDate, "9-9-99").click(kEnhanced);
    EXPECT_EQ(desk.dialog(kEnhancedAlarms).text(kDate), "4-3-93");  // the live record's, day first
    desk.dialog(kEnhancedAlarms).click(closing);
    EXPECT_EQ(settings.text(kDate), "4-3-93");
  }
  settings.click(IDOK);
  EXPECT_EQ(alarms[0].month, 3);
  EXPECT_EQ(alarms[0].day, 4);
}

TEST(EnhancedAlarms, TheStartDateIsReadLenientlyAndNotChecked) {
  struct Case {
    const char* typed;
    int month;
    int day;
    std::int32_t year;
  };
  const Case cases[] = {
      {"2-30-93", 2, 30, 1993},  // stored as given: the schedule rules roll it over
      {"6-15", 6, 15, 1991},     // a number not typed keeps its field
      {"", 1, 1, 1991},
      {"1-2-2001", 1, 2, 2001},
      {"6/15/26", 6, 15, 2026},  // two digits: nearest 1992, from 1942 to 2041
      {"6.15.41", 6, 15, 2041},
      {"6-15-42", 6, 15, 1942},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    Desk desk{DeskWith([](Preferences&, AlarmRecord* a) { SetDate(a[1], 1, 1, 1991); })};
    desk.start();
    OpenEnhanced(desk, 2).type(kDate, c.typed).click(IDOK);
    EXPECT_TRUE(desk.messageBoxes().empty());
    EXPECT_EQ(alarms[1].month, c.month);
    EXPECT_EQ(alarms[1].day, c.day);
    EXPECT_EQ(alarms[1].year, c.year);
  }
}

// OK reads the start date back even when nobody touched it: whatever the
// dialog wrote must come back as the same year.
TEST(EnhancedAlarms, AnUntouchedStartDateKeepsItsYear) {
  for (const std::int32_t year : {1950, 1976, 1992, 2026, 2075, 3799, 3800}) {
    SCOPED_TRACE(year);
    Desk desk{DeskWith([&](Preferences&, AlarmRecord* a) { SetDate(a[1], 3, 4, year); }).at("2026-12-08 09:00:00")};
    desk.start();
    OpenEnhanced(desk, 2).click(IDOK);
    EXPECT_EQ(alarms[1].month, 3);
    EXPECT_EQ(alarms[1].day, 4);
    EXPECT_EQ(alarms[1].year, year);
  }
}

}  // namespace
