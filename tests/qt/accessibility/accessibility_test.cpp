// The clock read through AT-SPI, as a screen reader reads it: the face as
// the clock window's name, kept current; the system menu opened from its
// box, its items taking the focus; the roles and names of every dialog's
// controls; notes and message boxes as alerts.
#include <QApplication>
#include <chrono>
#include <cstring>
#include <map>

#include "alarms/alarm_scan.h"
#include "app/entry.h"
#include "app/main_window.h"
#include "platform/user/arrow_keys.h"
#include "platform/qt/dialog_controls.h"
#include "platform/qt/system_menu_popup.h"
#include "screen_reader_desk.h"

namespace qt_test {
namespace {

using platform::qt::ControlType;

class ScreenReaderTest : public ScreenReaderDesk {
 protected:
  // The window with this title is up and has the keyboard.
  std::function<bool()> Up(const std::string& title) {
    return [this, title] {
      QWidget* window = VisibleWindowTitled(title);
      return window != nullptr && QApplication::activeWindow() == window;
    };
  }

  static HWND WindowTitled(const std::string& title) {
    for (HWND hwnd : platform::TopLevelWindows()) {
      if (platform::DescribeWindow(hwnd).text == title) return hwnd;
    }
    return nullptr;
  }

  static int Count(const std::vector<Accessible>& window, const std::string& role) {
    int count = 0;
    for (const Accessible& object : window) count += object.role == role ? 1 : 0;
    return count;
  }

  // The reader's view of a dialog against the core's: a dialog, with as many
  // radio buttons, check boxes, edits and group boxes (which the toolkit
  // gives AT-SPI as panels) as the core has controls of each kind, every edit
  // and group named, the focus on one control.
  static void CheckDialog(HWND dialog, const std::vector<Accessible>& tree) {
    const std::string title = platform::DescribeWindow(dialog).text;
    SCOPED_TRACE(title);
    const std::vector<Accessible> window = WindowNamed(tree, title);
    ASSERT_FALSE(window.empty());
    EXPECT_EQ(window[0].role, "dialog");
    std::map<ControlType, int> kinds;
    for (HWND child : platform::DescribeWindow(dialog).children) {
      ++kinds[platform::qt::ControlTypeOf(platform::DescribeWindow(child))];
    }
    EXPECT_EQ(Count(window, "radio button"), kinds[ControlType::RadioButton]);
    EXPECT_EQ(Count(window, "check box"), kinds[ControlType::CheckBox]);
    EXPECT_EQ(Count(window, "text"), kinds[ControlType::Edit]);
    EXPECT_EQ(Count(window, "panel"), kinds[ControlType::GroupBox]);
    int focused = 0;
    for (const Accessible& object : window) {
      if (object.role == "text" || object.role == "panel") {
        EXPECT_NE(object.name, "") << object.role;
      }
      focused += object.Has("focused") ? 1 : 0;
    }
    EXPECT_EQ(focused, 1);
  }
};

bool Holds(const std::vector<Accessible>& window, const Accessible& wanted) {
  for (const Accessible& object : window) {
    if (object.role == wanted.role && object.name == wanted.name &&
        (wanted.description.empty() || object.description == wanted.description) &&
        (wanted.states.empty() || object.Has(wanted.states)) &&
        (wanted.labelledBy.empty() || object.labelledBy == wanted.labelledBy)) {
      return true;
    }
  }
  return false;
}

TEST_F(ScreenReaderTest, TheClockWindowIsNamedByTheFaceItShowsNow) {
  const HWND clock =
      CreateCaptionWindow(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, RECT{40, 40, 300, 62}, "10:00 AM");
  ASSERT_TRUE(FindThisProgram());
  ASSERT_EQ(AskAndWait("watch"), std::vector<std::string>{"watching"});
  int changes = 0;
  for (const std::string face : {"10:01 AM", "10:02 AM  Wed 12/09/26"}) {
    SetWindowText(clock, face.c_str());
    const std::vector<std::string> names = AskAndWait("names " + std::to_string(changes));
    ASSERT_EQ(names.size(), 2u);
    const int seen = std::atoi(names[0].c_str() + std::strlen("name-changes "));
    EXPECT_GT(seen, changes) << "no name change was announced for " << face;
    changes = seen;
    EXPECT_EQ(names[1], "clock " + face);
  }
  const std::vector<Accessible> window = WindowNamed(Parse(AskAndWait("tree")), "10:02 AM  Wed 12/09/26");
  ASSERT_FALSE(window.empty());
  EXPECT_EQ(window[0].role, "frame");
  EXPECT_TRUE(Holds(window, {1, "push button", "System Menu", "", "", ""}));
  EXPECT_TRUE(Holds(window, {1, "push button", "Minimize", "", "", ""}));
}

// Pressing the caption's system-menu box from a reader opens the menu; an
// item the keys move to takes the focus, a menu item of the system menu.
TEST_F(ScreenReaderTest, TheSystemMenuBoxOpensAMenuWhoseItemsTakeTheFocus) {
  CreateCaptionWindow(WS_POPUP | WS_CAPTION | WS_SYSMENU, RECT{40, 40, 300, 62}, "10:00 AM");
  ASSERT_TRUE(FindThisProgram());
  std::vector<std::string> item;
  bool read = false;
  Ask("press System Menu");
  // The menu runs a loop of its own, in which these steps run.
  When([this] { return Answered() && Driver().SystemMenu().IsOpen(); }, [this] {
    EXPECT_EQ(Answer(), std::vector<std::string>{"pressed"});
    platform::PostInput(platform::input::Key{platform::kVkDown, true});
    platform::PostInput(platform::input::Key{platform::kVkDown, false});
    Ask("focus menu item");
  });
  When([this] { return Answered(); }, [&] {
    item = Answer();
    read = true;
    platform::PostInput(platform::input::MenuCancel{});
  });
  ASSERT_TRUE(Pump([&] { return read && !Driver().SystemMenu().IsOpen(); }, std::chrono::seconds(60)));
  ASSERT_EQ(item.size(), 1u);
  EXPECT_EQ(item[0].rfind("menu item|", 0), 0u) << item[0];
  EXPECT_NE(item[0].find("|popup menu|System Menu"), std::string::npos) << item[0];
}

TEST_F(ScreenReaderTest, EveryDialogReadsWithTheRolesAndNamesOfItsControls) {
  struct Opened {
    UINT command;
    const char* title;
  };
  const Opened dialogs[] = {{IDM_ALARMS, "Alarm Settings"},
                            {IDM_TIMERS, "Timers"},
                            {IDM_PREFERENCES, "Preferences"},
                            {IDM_SETDATETIME, "Time and Date"},
                            {IDM_ABOUT, "About"}};
  // What the templates' labels give the controls that have no text of their own.
  const std::map<std::string, std::vector<Accessible>> named = {
      {"Alarm Settings",
       {{1, "text", "Time:", "", "", ""},
        {1, "text", "One Date:", "", "", ""},
        {1, "text", "Note:", "", "", ""},
        {1, "text", "Run Program:", "", "", ""},
        {1, "radio button", "1", "Alarm", "", ""},
        {1, "radio button", "Hi", "Tone", "", "Tone"},
        {1, "panel", "To Do When Alarm Goes Off", "", "", ""}}},
      {"Enhanced Alarms", {{1, "text", "Start Date:", "", "", ""}, {1, "check box", "Every", "Periodic", "", ""}}},
      {"Timers", {{1, "text", "Countdown From", "", "", ""}}},
      {"Preferences",
       {{1, "text", "Separator", "", "", ""},
        {1, "text", "Delay", "MM:SS", "", ""},
        {1, "radio button", "Mon", "Day", "", "Day"},
        {1, "radio button", "1", "Month", "checked", ""},
        {1, "panel", "Time Format", "", "", ""}}},
      {"Time and Date", {{1, "text", "Time", "", "", ""}, {1, "text", "Date", "", "", ""}}},
  };
  std::vector<std::string> read;
  auto check = [&](const std::string& title) {
    const std::vector<Accessible> tree = Parse(Answer());
    CheckDialog(WindowTitled(title), tree);
    const auto wanted = named.find(title);
    for (const Accessible& object : wanted != named.end() ? wanted->second : std::vector<Accessible>{}) {
      EXPECT_TRUE(Holds(WindowNamed(tree, title), object)) << title << ": " << object.role << " " << object.name;
    }
    read.push_back(title);
  };
  auto next = [&](std::size_t i) {
    platform::PostToCore(Clock(), WM_SYSCOMMAND, i < std::size(dialogs) ? dialogs[i].command : SC_CLOSE, 0);
  };
  auto closed = [&](const char* title) {
    return [this, title] { return VisibleWindowTitled(title) == nullptr && IsWindowEnabled(Clock()); };
  };
  auto answered = [this] { return Answered(); };
  When([&] { return Clock() != nullptr && WidgetOf(Clock()) != nullptr && WidgetOf(Clock())->isVisible(); },
       [&] { Ask("find " + std::to_string(::getpid())); });
  When(answered, [&] { next(0); });
  // Alarm Settings, and Enhanced Alarms opened from it.
  When(Up("Alarm Settings"), [&] { Ask("tree"); });
  When(answered, [&] {
    check("Alarm Settings");
    platform::PostInput(platform::input::ClickControl{GetDlgItem(WindowTitled("Alarm Settings"), 601)});
  });
  When(Up("Enhanced Alarms"), [&] { Ask("tree"); });
  When(answered, [&] {
    check("Enhanced Alarms");
    VisibleWindowTitled("Enhanced Alarms")->close();
  });
  When(Up("Alarm Settings"), [&] { VisibleWindowTitled("Alarm Settings")->close(); });
  When(closed("Alarm Settings"), [&] { next(1); });
  for (std::size_t i = 1; i < std::size(dialogs); ++i) {
    When(Up(dialogs[i].title), [&] { Ask("tree"); });
    When(answered, [&, i] {
      check(dialogs[i].title);
      VisibleWindowTitled(dialogs[i].title)->close();
    });
    When(closed(dialogs[i].title), [&, i] { next(i + 1); });
  }
  char commandLine[] = "";
  EXPECT_EQ(HoratickMain(Instance(), nullptr, commandLine, SW_SHOWNORMAL), 0);
  const std::vector<std::string> expected = {"Alarm Settings", "Enhanced Alarms", "Timers",
                                             "Preferences",    "Time and Date",   "About"};
  EXPECT_EQ(read, expected);
}

TEST_F(ScreenReaderTest, AnAlarmsNoteAndAMessageBoxAreAlerts) {
  std::strcpy(alarmCaption, "Alarm 3");
  std::strcpy(alarmMessage, "Feed the cat & the dog");
  struct Alert {
    const char* title;
    const char* says;
  };
  std::vector<std::string> read;
  auto readAlert = [&](const Alert& alert) {
    // The program is listed once it has a window to show.
    When(Up(alert.title), [this] { Ask("find " + std::to_string(::getpid())); });
    When([this] { return Answered(); }, [this] { Ask("tree"); });
    When([this] { return Answered(); }, [&, alert] {
      const std::vector<Accessible> window = WindowNamed(Parse(Answer()), alert.title);
      ASSERT_FALSE(window.empty()) << alert.title;
      EXPECT_EQ(window[0].role, "alert");
      EXPECT_EQ(window[0].description, alert.says);
      EXPECT_TRUE(Holds(window, {1, "push button", "OK", "", "focused", ""}));
      read.push_back(alert.title);
      VisibleWindowTitled(alert.title)->close();
    });
  };
  readAlert({"Alarm 3", "Feed the cat & the dog"});
  DialogBoxParam(Instance(), "SHOWALARMMESSAGE", nullptr, AlarmMessageDialogProc, 0);
  readAlert({"Horatick", "The alarm file could not be read."});
  MessageBoxEx(nullptr, "The alarm file could not be read.", "Horatick", MB_OK | MB_ICONEXCLAMATION, 0);
  EXPECT_EQ(read, (std::vector<std::string>{"Alarm 3", "Horatick"}));
}

}  // namespace
}  // namespace qt_test
