// The Time and Date dialog through the running clock.
#include <gtest/gtest.h>

#include <string>

#include "app/main_window.h"
#include "datetime/set_date_time_dialog.h"
#include "settings/preferences.h"
#include "support/desk.h"

namespace {

using namespace SetDateTimeId;

constexpr char kNotice[] = "Time Setting not yet implemented in Windows NT version.";

desk::DialogView OpenTimeAndDate(Desk& desk) {
  desk.sysCommand(IDM_SETDATETIME);
  return desk.dialog("Time and Date");
}

int CheckedMode(const desk::DialogView& dialog) {
  int checked = 0;
  for (int id : {ModeAm, ModePm, Mode24Hour}) {
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
      {"1992-03-07 15:07:09", 0, DATE_ORDER_MDY, "3:07:09", ModePm, "3-7-92"},
      {"1992-03-07 00:30:00", 0, DATE_ORDER_DMY, "12:30:00", ModeAm, "7-3-92"},
      {"1992-03-07 12:00:05", ModeAm, DATE_ORDER_YMD, "12:00:05", ModePm, "92-3-7"},
      {"2005-03-07 09:05:00", ModePm, DATE_ORDER_MDY, "9:05:00", ModeAm, "3-7-105"},
      {"1992-03-07 00:30:00", Mode24Hour, DATE_ORDER_MDY, "0:30:00", Mode24Hour, "3-7-92"},
  };
  for (const auto& c : cases) {
    Desk desk{Settings().at(c.at)};
    desk.start();
    prefs->setTimeMode = c.setTimeMode;
    prefs->dateOrder = c.dateOrder;
    auto dialog = OpenTimeAndDate(desk);
    EXPECT_EQ(dialog.text(TimeField), c.time) << c.at;
    EXPECT_EQ(CheckedMode(dialog), c.mode) << c.at;
    EXPECT_EQ(dialog.text(DateField), c.date) << c.at;
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
      {ModeAm, "12:10:00", Mode24Hour, "0:10:00"},  {ModePm, "5:00:00", Mode24Hour, "17:00:00"},
      {Mode24Hour, "0:05:00", ModeAm, "12:05:00"},   {Mode24Hour, "0:05:00", ModePm, "12:05:00"},
      {Mode24Hour, "13:00:00", ModeAm, "1:00:00"},   {Mode24Hour, "13:00:00", ModePm, "1:00:00"},
      {ModeAm, "7:30:00", ModePm, "7:30:00"},        {ModePm, "5:3:7", ModePm, "5:03:07"},
      // A field that does not read as three numbers still gives a time.
      {ModePm, "soon", Mode24Hour, "12:00:00"},      {Mode24Hour, "\b", ModeAm, "12:00:00"},
      {ModeAm, "8", Mode24Hour, "8:00:00"},          {Mode24Hour, "99999999999:7", ModeAm, "2147483635:07:00"},
  };
  for (const auto& c : cases) {
    Desk desk{Settings().at("1992-12-07 15:07:09")};
    desk.start();
    prefs->setTimeMode = Mode24Hour;
    auto dialog = OpenTimeAndDate(desk);
    dialog.click(c.from).type(TimeField, c.typed).click(c.to);
    EXPECT_EQ(dialog.text(TimeField), c.converted) << c.from << " \"" << c.typed << "\" " << c.to;
    EXPECT_EQ(CheckedMode(dialog), c.to);
    EXPECT_EQ(editTimeMode, c.to);
  }
}

TEST(TimeAndDateDialog, UpdateTimeFollowsTheClockInItsHalfOfTheDay) {
  Desk desk{Settings().at("1992-12-07 11:59:58")};
  desk.start();
  auto dialog = OpenTimeAndDate(desk);
  EXPECT_EQ(dialog.text(TimeField), "11:59:58");
  EXPECT_EQ(CheckedMode(dialog), ModeAm);
  desk.advance(4000);
  dialog.click(UpdateTime);
  EXPECT_EQ(dialog.text(TimeField), "12:00:02");
  EXPECT_EQ(CheckedMode(dialog), ModePm);

  dialog.click(Mode24Hour);
  desk.advance(60000);
  dialog.click(UpdateTime);
  EXPECT_EQ(dialog.text(TimeField), "12:01:02");
  EXPECT_EQ(CheckedMode(dialog), Mode24Hour);
}

// A keyboard user asks for the time while typing the date: the date edit
// keeps the focus and the selection it had.
TEST(TimeAndDateDialog, UpdatingAFieldKeepsTheFocusAndTheSelection) {
  for (int command : {UpdateTime, UpdateDate}) {
    Desk desk;
    desk.start();
    auto dialog = OpenTimeAndDate(desk);
    dialog.type(DateField, "12-7-9");
    dialog.focus(DateField);
    const auto selection = dialog.selection(DateField);
    desk.post(dialog.hwnd(), WM_COMMAND, static_cast<WPARAM>(command), 0);
    desk.settle();
    EXPECT_EQ(dialog.focusId(), DateField) << command;
    EXPECT_EQ(dialog.selection(DateField), selection) << command;
  }
}

TEST(TimeAndDateDialog, OkAlwaysShowsTheNoticeAndStoresTheTwoPreferences) {
  Desk desk{Settings().at("1992-12-07 15:07:09")};
  desk.start();
  auto dialog = OpenTimeAndDate(desk);
  dialog.click(Mode24Hour).click(AutoAdvanceDate).click(IDOK);
  ASSERT_TRUE(desk.hasMessageBox());
  auto notice = desk.messageBox();
  EXPECT_EQ(notice.text(), kNotice);
  EXPECT_EQ(notice.caption(), "Horatick");
  EXPECT_EQ(notice.style(), static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
  EXPECT_EQ(notice.owner(), dialog.hwnd());
  notice.ok();
  EXPECT_FALSE(desk.hasDialog("Time and Date"));
  EXPECT_EQ(prefs->setTimeMode, Mode24Hour);
  EXPECT_EQ(prefs->autoAdvanceDate, 1);

  // Unchanged, OK still says so, and reopening shows what was stored.
  auto again = OpenTimeAndDate(desk);
  EXPECT_TRUE(again.checked(AutoAdvanceDate));
  EXPECT_EQ(CheckedMode(again), Mode24Hour);
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
  OpenTimeAndDate(desk).click(Mode24Hour).click(AutoAdvanceDate).click(IDCANCEL);
  EXPECT_FALSE(desk.hasDialog("Time and Date"));
  EXPECT_FALSE(desk.hasMessageBox());
  EXPECT_EQ(prefs->setTimeMode, mode);
  EXPECT_EQ(prefs->autoAdvanceDate, 0);

  OpenTimeAndDate(desk).click(Mode24Hour).click(Help).escape();
  EXPECT_EQ(desk.helpRequests().back().data, 1003u);
  EXPECT_EQ(prefs->setTimeMode, mode);
}

}  // namespace
