// The clock window's system menu: its items, the hourly-beep check mark, F1
// on an item, and the commands that open the dialogs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/main_window_files.h"
#include "support/desk.h"

using clock_files::Configuration;

TEST(SystemMenu, KeepsMoveAndCloseThenListsTheClocksItems) {
  Desk desk{Settings()};
  desk.start();
  MenuView menu = desk.openSystemMenu();
  std::vector<std::pair<UINT, std::string>> items;
  for (const platform::MenuItemSnapshot& item : menu.items()) {
    items.emplace_back((item.flags & MF_SEPARATOR) != 0 ? 0u : item.id, item.text);
  }
  const std::vector<std::pair<UINT, std::string>> expected = {
      {SC_MOVE, "&Move"},
      {0, ""},
      {SC_CLOSE, "&Close"},
      {0, ""},
      {IDM_HELP, "&Help..."},
      {IDM_SETDATETIME, "&Set Time/Date..."},
      {IDM_ALARMS, "A&larms..."},
      {IDM_TIMERS, "&Timers..."},
      {IDM_HOURLYBEEP, "H&ourly beep"},
      {IDM_PREFERENCES, "&Preferences..."},
      {IDM_ABOUT, "A&bout..."},
  };
  ASSERT_EQ(items.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(items[i].first, expected[i].first) << "item " << i;
    if (expected[i].first != 0 && expected[i].first < SC_SIZE) {
      EXPECT_EQ(items[i].second, expected[i].second);
    }
  }
  menu.cancel();
}

namespace {

bool HourlyBeepChecked(MenuView& menu) {
  for (const platform::MenuItemSnapshot& item : menu.items()) {
    if (item.id == IDM_HOURLYBEEP) return (item.flags & MF_CHECKED) != 0;
  }
  ADD_FAILURE() << "no hourly-beep item";
  return false;
}

}  // namespace

TEST(SystemMenu, TheHourlyBeepItemIsCheckedFromAlarmOneAndSavedWhenChosen) {
  Configuration files;
  files.alarms[0].hourlyBeep = 1;
  Desk desk{Settings().settingsFile("HORATICK.CFG", files.Image())};
  desk.start();
  MenuView menu = desk.openSystemMenu();
  EXPECT_TRUE(HourlyBeepChecked(menu));
  menu.choose(IDM_HOURLYBEEP);

  auto saved = clock_files::ReadConfiguration(desk.settingsFolder());
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(saved->alarms[0].hourlyBeep, 0) << "saved at once";
  MenuView again = desk.openSystemMenu();
  EXPECT_FALSE(HourlyBeepChecked(again));
  again.choose(IDM_HOURLYBEEP);
  saved = clock_files::ReadConfiguration(desk.settingsFolder());
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(saved->alarms[0].hourlyBeep, 1);
}

struct MenuHelpCase {
  const char* name;
  UINT item;
  UINT_PTR context;
};

class MenuHelp : public testing::TestWithParam<MenuHelpCase> {};

TEST_P(MenuHelp, FOneOnAnItemOpensItsHelpInsteadOfRunningIt) {
  const MenuHelpCase& c = GetParam();
  Desk desk{Settings()};
  desk.start();
  MenuView menu = desk.openSystemMenu();
  menu.highlight(c.item);
  menu.pressF1();

  ASSERT_EQ(desk.helpRequests().size(), 1u);
  const desk::HelpRequest& request = desk.helpRequests()[0];
  EXPECT_EQ(request.command, HELP_CONTEXT);
  EXPECT_EQ(request.data, c.context);
  EXPECT_NE(request.file.find("horatick.hlp"), std::string::npos);
  EXPECT_TRUE(desk.dialogCaptions().empty()) << "the command itself did not run";
  EXPECT_TRUE(desk.running());
  EXPECT_TRUE(desk.clock().visible);

  // The next choice runs normally again.
  desk.sysCommand(IDM_HELP);
  ASSERT_EQ(desk.helpRequests().size(), 2u);
  EXPECT_EQ(desk.helpRequests()[1].command, HELP_INDEX);
}

INSTANTIATE_TEST_SUITE_P(Cases, MenuHelp,
                         testing::Values(MenuHelpCase{"Alarms", IDM_ALARMS, 1004},
                                         MenuHelpCase{"About", IDM_ABOUT, 1001},
                                         MenuHelpCase{"Close", SC_CLOSE, 1000 + SC_CLOSE}),
                         [](const testing::TestParamInfo<MenuHelpCase>& info) { return std::string(info.param.name); });

// Each dialog command opens its dialog owned by the clock window; Escape
// closes it. The Timers dialog lays the window out whatever its result; the
// Preferences dialog only when confirmed.
struct DialogCase {
  const char* name;
  UINT command;
  const char* caption;
  bool laysOutAfterCancel;
};

class DialogCommand : public testing::TestWithParam<DialogCase> {};

TEST_P(DialogCommand, OpensItsDialogOwnedByTheClock) {
  const DialogCase& c = GetParam();
  Desk desk{Settings()};
  desk.start();
  const HWND clock = desk.clockWindow();
  desk.sysCommand(c.command);
  ASSERT_TRUE(desk.hasDialog(c.caption)) << "open: " << testing::PrintToString(desk.dialogCaptions());
  DialogView dialog = desk.dialog(c.caption);
  EXPECT_EQ(desk.window(dialog.hwnd()).owner, clock);
  EXPECT_FALSE(desk.window(clock).enabled) << "modal towards the clock";

  // The face keeps moving while the dialog is open.
  desk.advanceTo("1992-12-07 15:06:00.600");
  EXPECT_EQ(desk.clockTitle(), " 3:06 PM  Mon 12/07/92 ");

  desk.clearTrace();
  dialog.escape();
  EXPECT_FALSE(dialog.isOpen());
  EXPECT_TRUE(desk.window(clock).enabled);
  bool laidOut = false;
  for (const desk::TraceEntry& entry : desk.trace(clock, {WM_SYSCOMMAND})) {
    laidOut = laidOut || entry.wParam == IDM_RELAYOUT;
  }
  EXPECT_EQ(laidOut, c.laysOutAfterCancel);
}

INSTANTIATE_TEST_SUITE_P(Cases, DialogCommand,
                         testing::Values(DialogCase{"TimeAndDate", IDM_SETDATETIME, "Time and Date", false},
                                         DialogCase{"Alarms", IDM_ALARMS, "Alarm Settings", false},
                                         DialogCase{"Timers", IDM_TIMERS, "Timers", true},
                                         DialogCase{"Preferences", IDM_PREFERENCES, "Preferences", false},
                                         DialogCase{"About", IDM_ABOUT, "About", false}),
                         [](const testing::TestParamInfo<DialogCase>& info) { return std::string(info.param.name); });
