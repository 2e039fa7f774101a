// The Alarm Settings dialog: showing and storing times and dates, switching
// alarms, the buttons that write at once, Cancel and Help.
#include "alarm_settings_fixture.h"

namespace {

using namespace alarm_dialogs;

TEST(AlarmSettingsDialog, PmTimeSurvivesSwitchingAndIsStoredOnTheTwentyFourHourClock) {
  Desk desk;
  desk.start();
  auto dlg = OpenAlarmSettings(desk);
  dlg.type(kTime, "7:15").click(kPm).click(kAlarm1 + 1).click(kAlarm1);
  EXPECT_EQ(dlg.text(kTime), "7:15");
  EXPECT_TRUE(dlg.checked(kPm));
  dlg.click(IDOK);
  EXPECT_FALSE(desk.hasDialog(kAlarmSettings));
  EXPECT_EQ(alarms[0].hour, 19);
  EXPECT_EQ(SavedFile(desk).at(84 + 4), 19);
}

TEST(AlarmSettingsDialog, MidnightAndNoonOnTheTwelveHourClock) {
  Desk desk{DeskWith([](Preferences&, AlarmRecord* a) { a[0].hour = 0; })};
  desk.start();
  auto dlg = OpenAlarmSettings(desk);
  EXPECT_EQ(dlg.text(kTime), "12:00");
  dlg.click(kAlarm1 + 1).type(kTime, "12:00").click(kPm);
  dlg.click(kAlarm1 + 2).type(kTime, "12:00").click(IDOK);
  EXPECT_EQ(alarms[0].hour, 0);
  EXPECT_EQ(alarms[1].hour, 12);
  EXPECT_EQ(alarms[2].hour, 0);
  EXPECT_EQ(alarms[9].hour, 0);  // never shown, and 12 AM all the same
}

TEST(AlarmSettingsDialog, TimeModeButtonsConvertTheShownTime) {
  Desk desk;
  desk.start();
  auto dlg = OpenAlarmSettings(desk);
  struct Step {
    const char* typed;  // nullptr: the text as it stands
    int mode;
    const char* shown;
  };
  const Step steps[] = {
      {"3:00", kPm, "3:00"},      {nullptr, k24Hour, "15:00"}, {nullptr, kPm, "3:00"},
      {nullptr, k24Hour, "15:00"}, {nullptr, kAm, "3:00"},     {"12:30", k24Hour, "0:30"},
      {nullptr, kAm, "12:30"},    {nullptr, kPm, "12:30"},     {nullptr, k24Hour, "12:30"},
      {"0:30", kPm, "12:30"},
  };
  for (const Step& s : steps) {
    if (s.typed != nullptr) dlg.type(kTime, s.typed);
    EXPECT_EQ(dlg.click(s.mode).text(kTime), s.shown) << (s.typed ? s.typed : "") << " -> " << s.mode;
  }
  dlg.click(IDOK);
  EXPECT_EQ(alarms[0].hour, 12);
  EXPECT_EQ(alarms[0].minute, 30);
}

TEST(AlarmSettingsDialog, ReadsAndShowsDatesInEachDateOrder) {
  struct Case {
    const char* at;
    std::int16_t order;
    const char* typed;
    const char* shownBack;
    std::int32_t year;
  };
  constexpr const char* k1992 = "1992-12-07 15:05:09";
  constexpr const char* k2026 = "2026-12-08 09:00:00";
  const Case cases[] = {{k1992, kDateOrderMdy, "12-25-92", "12-25-92", 1992},
                        {k1992, kDateOrderDmy, "25-12-92", "25-12-92", 1992},
                        {k1992, kDateOrderYmd, "92-12-25", "92-12-25", 1992},
                        {k1992, kDateOrderMdy, "12-25-1992", "12-25-92", 1992},
                        {k2026, kDateOrderMdy, "12/25/26", "12-25-126", 2026},
                        {k2026, kDateOrderDmy, "25.12.92", "25-12-92", 1992},
                        {k2026, kDateOrderYmd, "1950/12/25", "1950-12-25", 1950}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    Desk desk{DeskWith([&](Preferences& p, AlarmRecord*) { p.dateOrder = c.order; }).at(c.at)};
    desk.start();
    auto dlg = OpenAlarmSettings(desk);
    EXPECT_EQ(dlg.type(kDate, c.typed).click(kAlarm1 + 1).click(kAlarm1).text(kDate), c.shownBack);
    dlg.click(IDOK);
    EXPECT_EQ(alarms[0].month, 12);
    EXPECT_EQ(alarms[0].day, 25);
    EXPECT_EQ(alarms[0].year, c.year);
  }
}

TEST(AlarmSettingsDialog, SwitchingKeepsTypedDatesAndAlarmsNeverShownKeepTheirs) {
  Desk desk{DeskWith([](Preferences&, AlarmRecord* a) { SetDate(a[2], 3, 4, 1993); })};
  desk.start();
  auto dlg = OpenAlarmSettings(desk);
  EXPECT_EQ(dlg.text(kDate), "12-7-92");  // no date yet: today's is offered
  EXPECT_EQ(dlg.type(kDate, "1-2-93").click(kAlarm1 + 1).text(kDate), "12-7-92");
  EXPECT_EQ(dlg.click(kAlarm1).text(kDate), "1-2-93");
  dlg.click(IDOK);
  EXPECT_EQ(alarms[0].month, 1);
  EXPECT_EQ(alarms[0].day, 2);
  EXPECT_EQ(alarms[2].month, 3);  // never shown
  EXPECT_EQ(alarms[2].day, 4);
  EXPECT_EQ(alarms[2].year, 1993);
}

TEST(AlarmSettingsDialog, EachAlarmKeepsItsOwnButtonsAndBoxes) {
  Desk desk;
  desk.start();
  auto dlg = OpenAlarmSettings(desk);
  dlg.click(kMax).click(kLow).click(kLong).click(kProgramAction);
  EXPECT_TRUE(dlg.focused(kProgram));
  EXPECT_EQ(dlg.selection(kProgram), std::make_pair(DWORD{0}, DWORD{0}));
  dlg.click(kEnabled).click(kBeep).click(kRemind).click(kEvenIfSaver).type(kProgram, "/bin/sh");
  const int changed[] = {kMax, kLow, kLong, kProgramAction, kEnabled, kBeep, kRemind};
  const int defaults[] = {kNormal, kHi, kShort, kNoteAction, kEvenIfSaver};
  dlg.click(kAlarm1 + 3);
  for (int id : changed) EXPECT_FALSE(dlg.checked(id)) << id;
  for (int id : defaults) EXPECT_TRUE(dlg.checked(id)) << id;
  dlg.click(kAlarm1);
  for (int id : changed) EXPECT_TRUE(dlg.checked(id)) << id;
  for (int id : defaults) EXPECT_FALSE(dlg.checked(id)) << id;
  dlg.click(IDOK);
  const AlarmRecord& r = alarms[0];
  EXPECT_EQ(r.showMode, kAlarmShowMax);
  EXPECT_EQ(r.beepTone, kAlarmToneLow);
  EXPECT_EQ(r.beepDuration, kAlarmBeepLong);
  EXPECT_EQ(r.action, kAlarmActionProgram);
  EXPECT_EQ(r.enabled, 1);
  EXPECT_EQ(r.beep, 1);
  EXPECT_EQ(r.remindOnStartup, 1);
  EXPECT_EQ(r.evenIfScreenSaver, 0);
  EXPECT_STREQ(r.program, "/bin/sh");
}

TEST(AlarmSettingsDialog, CancelDropsEveryChangeAndSavesNothing) {
  Desk desk;
  desk.start();
  const std::vector<unsigned char> before = SavedFile(desk);
  AlarmRecord live[kAlarmCount];
  std::memcpy(live, alarms, sizeof live);
  auto dlg = OpenAlarmSettings(desk);
  dlg.type(kTime, "6:30").type(kDate, "1-1-93").type(kNote, "tea").click(kEnabled).click(kPm).click(kLong);
  dlg.click(kAlarm1 + 4).type(kTime, "8:00").click(kBeep).escape();
  EXPECT_FALSE(dlg.isOpen());
  EXPECT_EQ(std::memcmp(live, alarms, sizeof live), 0);
  EXPECT_EQ(SavedFile(desk), before);
  dlg = OpenAlarmSettings(desk);
  EXPECT_EQ(dlg.text(kTime), "12:00");
  EXPECT_EQ(dlg.text(kNote), "");
}

TEST(AlarmSettingsDialog, HelpOfBothDialogsOpensTheirContexts) {
  Desk desk;
  desk.start();
  OpenAlarmSettings(desk).click(303).click(kEnhanced);
  desk.dialog(kEnhancedAlarms).click(400);
  ASSERT_EQ(desk.helpRequests().size(), 2u);
  EXPECT_EQ(desk.helpRequests()[0].command, HELP_CONTEXT);
  EXPECT_EQ(desk.helpRequests()[0].data, 1004u);
  EXPECT_EQ(desk.helpRequests()[1].data, 1104u);
  EXPECT_TRUE(desk.hasDialog(kEnhancedAlarms));
}

TEST(AlarmSettingsDialog, NoteAndProgramAreCutOnACharacterBoundary) {
  Desk desk;
  desk.start();
  const std::string note = std::string(78, 'n') + "\xc3\xa9" + "tail";       // the 79th byte starts "é"
  const std::string program = std::string(126, 'p') + "\xe2\x82\xac" + "x";  // the 127th byte starts "€"
  OpenAlarmSettings(desk).type(kNote, note.c_str()).type(kProgram, program.c_str()).click(IDOK);
  EXPECT_EQ(std::string(alarms[0].note), std::string(78, 'n'));
  EXPECT_EQ(std::string(alarms[0].program), std::string(126, 'p'));
  const std::string fits = std::string(77, 'n') + "\xc3\xa9";
  OpenAlarmSettings(desk).type(kNote, fits.c_str()).click(IDOK);
  EXPECT_EQ(std::string(alarms[0].note), fits);
}

}  // namespace
