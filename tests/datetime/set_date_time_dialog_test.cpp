// The Time and Date dialog through the running clock.
#include <gtest/gtest.h>

#include <string>

#include "app/main_window.h"
#include "datetime/set_date_time_dialog.h"
#include "settings/preferences.h"
#include "support/desk.h"

namespace {

// This desk's driver offers no time service at all.
constexpr char kNotice[] =
    "The clock cannot be set here: the system's time service does not answer.\n"
    "No time service can be reached from here.";

desk::DialogView OpenTimeAndDate(Desk& desk) {
  desk.sysCommand(IDM_SETDATETIME);
  return desk.dialog("Time and Date");
}

int CheckedMode(const desk::DialogView& dialog) {
  int checked = 0;
  for (int id : {IDC_DATETIME_MODE_AM, IDC_DATETIME_MODE_PM, IDC_DATETIME_MODE_24H}) {
    if (dialog.checked(id)) checked = checked == 0 ? id : -1;
  }
  return checked;
}

// Opening shows the clock's time in the remembered mode (a 12-hour one
// follows the clock's half of the day) and its date in the date order.
TEST(TimeAndDateDialog, OpensWithTheClocksTimeAndDate) {
  const struct {
    const char* at;
    std::int16_t setTimeMode;
    std::int16_t dateOrder;
    const char* time;
    int mode;
    const char* date;
  } cases[] = {
      {"1992-03-07 15:07:09", 0, kDateOrderMdy, "3:07:09", IDC_DATETIME_MODE_PM, "3-7-92"},
      {"1992-03-07 00:30:00", 0, kDateOrderDmy, "12:30:00", IDC_DATETIME_MODE_AM, "7-3-92"},
      {"1992-03-07 12:00:05", IDC_DATETIME_MODE_AM, kDateOrderYmd, "12:00:05", IDC_DATETIME_MODE_PM, "92-3-7"},
      {"2005-03-07 09:05:00", IDC_DATETIME_MODE_PM, kDateOrderMdy, "9:05:00", IDC_DATETIME_MODE_AM, "3-7-105"},
      {"1992-03-07 00:30:00", IDC_DATETIME_MODE_24H, kDateOrderMdy, "0:30:00", IDC_DATETIME_MODE_24H, "3-7-92"},
  };
  for (const auto& c : cases) {
    Desk desk{Settings().at(c.at)};
    desk.start();
    prefs->setTimeMode = c.setTimeMode;
    prefs->dateOrder = c.dateOrder;
    auto dialog = OpenTimeAndDate(desk);
    EXPECT_EQ(dialog.text(IDC_DATETIME_TIME), c.time) << c.at;
    EXPECT_EQ(CheckedMode(dialog), c.mode) << c.at;
    EXPECT_EQ(dialog.text(IDC_DATETIME_DATE), c.date) << c.at;
  }
}

// Each case starts in a mode (by its radio), types a time and switches.
TEST(TimeAndDateDialog, ModeSwitchesConvertTheHour) {
  const struct {
    int from;
    const char* typed;
    int to;
    const char* converted;
  } cases[] = {
      {IDC_DATETIME_MODE_AM, "12:10:00", IDC_DATETIME_MODE_24H, "0:10:00"},
      {IDC_DATETIME_MODE_PM, "5:00:00", IDC_DATETIME_MODE_24H, "17:00:00"},
      {IDC_DATETIME_MODE_24H, "0:05:00", IDC_DATETIME_MODE_AM, "12:05:00"},
      {IDC_DATETIME_MODE_24H, "0:05:00", IDC_DATETIME_MODE_PM, "12:05:00"},
      {IDC_DATETIME_MODE_24H, "13:00:00", IDC_DATETIME_MODE_AM, "1:00:00"},
      {IDC_DATETIME_MODE_24H, "13:00:00", IDC_DATETIME_MODE_PM, "1:00:00"},
      {IDC_DATETIME_MODE_AM, "7:30:00", IDC_DATETIME_MODE_PM, "7:30:00"},
      {IDC_DATETIME_MODE_PM, "5:3:7", IDC_DATETIME_MODE_PM, "5:03:07"},
      // A field that does not read as three numbers still gives a time.
      {IDC_DATETIME_MODE_PM, "soon", IDC_DATETIME_MODE_24H, "12:00:00"},
      {IDC_DATETIME_MODE_24H, "\b", IDC_DATETIME_MODE_AM, "12:00:00"},
      {IDC_DATETIME_MODE_AM, "8", IDC_DATETIME_MODE_24H, "8:00:00"},
      {IDC_DATETIME_MODE_24H, "99999999999:7", IDC_DATETIME_MODE_AM, "2147483635:07:00"},
  };
  for (const auto& c : cases) {
    Desk desk{Settings().at("1992-12-07 15:07:09")};
    desk.start();
    prefs->setTimeMode = IDC_DATETIME_MODE_24H;
    auto dialog = OpenTimeAndDate(desk);
    dialog.click(c.from).type(IDC_DATETIME_TIME, c.typed).click(c.to);
    EXPECT_EQ(dialog.text(IDC_DATETIME_TIME), c.converted) << c.from << " \"" << c.typed << "\" " << c.to;
    EXPECT_EQ(CheckedMode(dialog), c.to);
    EXPECT_EQ(editTimeMode, c.to);
  }
}

TEST(TimeAndDateDialog, UpdateTimeFollowsTheClockInItsHalfOfTheDay) {
  Desk desk{Settings().at("1992-12-07 11:59:58")};
  desk.start();
  auto dialog = OpenTimeAndDate(desk);
  EXPECT_EQ(dialog.text(IDC_DATETIME_TIME), "11:59:58");
  EXPECT_EQ(CheckedMode(dialog), IDC_DATETIME_MODE_AM);
  desk.advance(4000);
  dialog.click(IDC_DATETIME_UPDATE_TIME);
  EXPECT_EQ(dialog.text(IDC_DATETIME_TIME), "12:00:02");
  EXPECT_EQ(CheckedMode(dialog), IDC_DATETIME_MODE_PM);

  dialog.click(IDC_DATETIME_MODE_24H);
  desk.advance(60000);
  dialog.click(IDC_DATETIME_UPDATE_TIME);
  EXPECT_EQ(dialog.text(IDC_DATETIME_TIME), "12:01:02");
  EXPECT_EQ(CheckedMode(dialog), IDC_DATETIME_MODE_24H);
}

// A keyboard user asks for the time while typing the date: the date edit
// keeps the focus and the selection it had.
TEST(TimeAndDateDialog, UpdatingAFieldKeepsTheFocusAndTheSelection) {
  for (int command : {IDC_DATETIME_UPDATE_TIME, IDC_DATETIME_UPDATE_DATE}) {
    Desk desk;
    desk.start();
    auto dialog = OpenTimeAndDate(desk);
    dialog.type(IDC_DATETIME_DATE, "12-7-9");
    dialog.focus(IDC_DATETIME_DATE);
    const auto selection = dialog.selection(IDC_DATETIME_DATE);
    desk.post(dialog.hwnd(), WM_COMMAND, static_cast<WPARAM>(command), 0);
    desk.settle();
    EXPECT_EQ(dialog.focusId(), IDC_DATETIME_DATE) << command;
    EXPECT_EQ(dialog.selection(IDC_DATETIME_DATE), selection) << command;
  }
}

TEST(TimeAndDateDialog, OkWithNoTimeServiceSaysSoAndStoresTheTwoPreferences) {
  Desk desk{Settings().at("1992-12-07 15:07:09")};
  desk.start();
  auto dialog = OpenTimeAndDate(desk);
  dialog.click(IDC_DATETIME_MODE_24H).click(IDC_DATETIME_AUTO_ADVANCE_DATE).click(IDOK);
  ASSERT_TRUE(desk.hasMessageBox());
  auto notice = desk.messageBox();
  EXPECT_EQ(notice.text(), kNotice);
  EXPECT_EQ(notice.caption(), "Horatick");
  EXPECT_EQ(notice.style(), static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
  EXPECT_EQ(notice.owner(), dialog.hwnd());
  notice.ok();
  EXPECT_FALSE(desk.hasDialog("Time and Date"));
  EXPECT_EQ(prefs->setTimeMode, IDC_DATETIME_MODE_24H);
  EXPECT_EQ(prefs->autoAdvanceDate, 1);

  // Unchanged, OK still says so, and reopening shows what was stored.
  auto again = OpenTimeAndDate(desk);
  EXPECT_TRUE(again.checked(IDC_DATETIME_AUTO_ADVANCE_DATE));
  EXPECT_EQ(CheckedMode(again), IDC_DATETIME_MODE_24H);
  again.click(IDOK);
  ASSERT_TRUE(desk.hasMessageBox());
  EXPECT_EQ(desk.messageBox().text(), kNotice);
  desk.messageBox().ok();
  EXPECT_EQ(desk.messageBoxes().size(), 2u);
}

TEST(TimeAndDateDialog, CancelStoresNothing) {
  Desk desk;
  desk.start();
  const std::int16_t mode = prefs->setTimeMode;
  OpenTimeAndDate(desk).click(IDC_DATETIME_MODE_24H).click(IDC_DATETIME_AUTO_ADVANCE_DATE).click(IDCANCEL);
  EXPECT_FALSE(desk.hasDialog("Time and Date"));
  EXPECT_FALSE(desk.hasMessageBox());
  EXPECT_EQ(prefs->setTimeMode, mode);
  EXPECT_EQ(prefs->autoAdvanceDate, 0);

  OpenTimeAndDate(desk).click(IDC_DATETIME_MODE_24H).click(IDC_DATETIME_HELP).escape();
  EXPECT_EQ(desk.helpRequests().back().data, 1003u);
  EXPECT_EQ(prefs->setTimeMode, mode);
}

// The date field is read by the rule of the alarm dialogs, with today's year
// from the clock; what the dialog writes reads back as the clock's date.
TEST(TimeAndDateDialog, ReadsTheDateFieldAsTheAlarmDialogsDo) {
  Desk desk{Settings().at("2026-12-08 09:00:00")};
  desk.start();
  prefs->dateOrder = kDateOrderDmy;
  const ClockDate shown{8, 12, 2026, 2};
  EXPECT_EQ(OpenTimeAndDate(desk).text(IDC_DATETIME_DATE), "8-12-126");
  const struct {
    const char* text;
    int day;
    int month;
    int year;
  } cases[] = {
      {"8-12-126", 8, 12, 2026}, {"25/12/26", 25, 12, 2026}, {"1.2.76", 1, 2, 1976}, {"1.2.75", 1, 2, 2075},
      {"1-2-1950", 1, 2, 1950},  {"31/1", 31, 1, 2026},      {"x", 8, 12, 2026},    {"1-99999-1", 1, 65535, 2001},
  };
  for (const auto& c : cases) {
    const ClockDate read = ReadDateField(c.text, prefs->dateOrder, shown);
    EXPECT_EQ(read.day, c.day) << c.text;
    EXPECT_EQ(read.month, c.month) << c.text;
    EXPECT_EQ(read.year, c.year) << c.text;
  }
}

}  // namespace
