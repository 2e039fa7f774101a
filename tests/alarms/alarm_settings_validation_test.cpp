// A time or date that does not exist is reported when the shown alarm is
// stored, and nothing of that alarm is stored or saved; all else is accepted.
#include "alarm_settings_fixture.h"

namespace {

using namespace alarm_dialogs;

constexpr const char* kInvalidTime = "Error H1020: Invalid time entered";
constexpr const char* kInvalidDate = "Error H1021: Invalid date entered";

// Tries to store the shown alarm by switching, then by OK; each must be refused with the error.
void ExpectRefused(Desk& desk, desk::DialogView& dlg, const char* error, int focusId) {
  const std::vector<unsigned char> saved = SavedFile(desk);
  for (int press : {kAlarm1 + 1, IDOK}) {
    dlg.click(press);
    ASSERT_TRUE(desk.hasMessageBox());
    EXPECT_EQ(desk.messageBox().text(), error);
    EXPECT_EQ(desk.messageBox().owner(), dlg.hwnd());
    desk.messageBox().ok();
    ASSERT_TRUE(dlg.isOpen());
    EXPECT_TRUE(dlg.checked(kAlarm1));
    EXPECT_FALSE(dlg.checked(kAlarm1 + 1));
    EXPECT_TRUE(dlg.focused(focusId));
  }
  EXPECT_EQ(dlg.text(kNote), "kept back");  // still alarm 1's controls
  EXPECT_EQ(SavedFile(desk), saved);
  EXPECT_STREQ(alarms[0].note, "");
}

TEST(AlarmSettingsValidation, ATimeThatDoesNotExistIsRefused) {
  // 256:00 once wrapped round to 0:00.
  const char* const typed[] = {"24:00", "7:60", "-1:30", "7:-5", "256:00", "99999999999:00", "12:60"};
  for (const char* time : typed) {
    SCOPED_TRACE(time);
    Desk desk;
    desk.start();
    auto dlg = OpenAlarmSettings(desk);
    dlg.click(k24Hour).type(kTime, time).type(kNote, "kept back");
    ExpectRefused(desk, dlg, kInvalidTime, kTime);
    EXPECT_FALSE(dlg.type(kTime, "23:59").click(IDOK).isOpen());
    EXPECT_EQ(alarms[0].hour, 23);
  }
}

TEST(AlarmSettingsValidation, AnEnabledOneDateAlarmNeedsARealDate) {
  const char* const typed[] = {"2-30-93", "13-1-93", "0-5-93", "2-29-93", "12-32-92"};
  for (const char* date : typed) {
    SCOPED_TRACE(date);
    Desk desk;
    desk.start();
    auto dlg = OpenAlarmSettings(desk);
    dlg.click(kEnabled).type(kDate, date).type(kNote, "kept back");
    ExpectRefused(desk, dlg, kInvalidDate, kDate);
  }
}

TEST(AlarmSettingsValidation, RealTimesPastDatesAndUncheckedDatesAreAccepted) {
  struct Case {
    int mode;
    const char* time;
    bool enabled;
    bool enhanced;
    const char* date;
    int hour;
    int minute;
  };
  const Case cases[] = {
      {k24Hour, "0:00", true, false, "2-29-92", 0, 0},   {k24Hour, "23:59", true, false, "1-1-80", 23, 59},
      {kPm, "11:59", true, false, "12-31-99", 23, 59},   {kAm, "13:05", true, false, "1-1-1900", 13, 5},
      {kAm, "7", false, false, "4-31-93", 7, 0},         {kAm, " 7:5", true, true, "2-30-93", 7, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.time);
    Desk desk;
    desk.start();
    auto dlg = OpenAlarmSettings(desk);
    if (c.enhanced) {
      dlg.click(kEnhanced);
      desk.dialog(kEnhancedAlarms).click(IDCANCEL);
    }
    if (c.enabled) dlg.click(kEnabled);
    dlg.click(c.mode).type(kTime, c.time).type(kDate, c.date).click(kAlarm1 + 1).click(IDOK);
    EXPECT_TRUE(desk.messageBoxes().empty());
    EXPECT_EQ(alarms[0].hour, c.hour);
    EXPECT_EQ(alarms[0].minute, c.minute);
  }
}

TEST(AlarmSettingsValidation, AnInvalidTimeIsReportedBeforeTheProgramCheck) {
  Desk desk;
  desk.start();
  auto dlg = OpenAlarmSettings(desk);
  dlg.click(kEnabled).click(kProgramAction).type(kProgram, "/no/such/program").type(kTime, "25:00").click(IDOK);
  EXPECT_EQ(desk.messageBox().text(), kInvalidTime);
  desk.messageBox().ok();
  EXPECT_FALSE(desk.hasMessageBox());
  EXPECT_TRUE(dlg.isOpen());
}

}  // namespace
