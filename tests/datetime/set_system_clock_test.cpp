// The Time and Date dialog's OK setting the machine's clock through a fake
// time and date service on a private system bus.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/main_window.h"
#include "datetime/set_date_time_dialog.h"
#include "settings/preferences.h"
#include "platform/bus/timedate_client.h"
#include "support/desk.h"
#include "support/private_bus.h"

namespace {

constexpr char kCentralEurope[] = "CET-1CEST,M3.5.0,M10.5.0/3";
constexpr char kEasternUs[] = "EST5EDT,M3.2.0,M11.1.0";
constexpr char kCannotSet[] = "The clock cannot be set here: the system's time service does not answer.\n";
constexpr char kQuestion[] = "The time is set automatically from the network. Turn that off and set the time by hand?";

// A clock on the headless driver whose system bus is a private one, with the
// fake service started by the test (or none).
struct ClockOnPrivateBus {
  explicit ClockOnPrivateBus(const char* tz = "UTC", const char* at = "1992-12-07 15:05:09")
      : desk(Settings().timeZone(tz).at(at)) {
    desk.driver().SetSystemClock(&client);
    desk.start();
  }
  void startService(std::vector<std::string> args) {
    args.insert(args.begin(), "timedate");
    service = std::make_unique<busfake::FakeService>(system, args, true);
    ASSERT_TRUE(service->ready());
  }
  // Fills the fields and presses OK, then lets the program take the
  // service's answers until a message box is open or the dialog has closed.
  void pressOk(int mode, const char* time, const char* date) {
    desk.sysCommand(IDM_SETDATETIME);
    desk.dialog("Time and Date").click(mode).type(IDC_DATETIME_TIME, time).type(IDC_DATETIME_DATE, date).click(IDOK);
    settle();
  }
  void settle() {
    busfake::WorkUntil([&] { return desk.hasMessageBox() || !desk.hasDialog("Time and Date"); },
                       [&] { desk.settle(); });
  }
  std::string call(int limitMs = 10'000) { return service != nullptr ? service->nextCall(limitMs) : std::string(); }

  busfake::PrivateBus system;
  busfake::ScopedBusAddress use{"DBUS_SYSTEM_BUS_ADDRESS", system.address()};
  platform::bus::TimedateClient client;
  Desk desk;
  std::unique_ptr<busfake::FakeService> service;
};

// The fields' local time, in the machine's zone, as microseconds since 1970:
// absolute, interactive, the first of a repeated hour.
TEST(SetSystemClock, SendsTheInstantOfTheLocalTimeInTheZone) {
  const struct {
    const char* tz;
    int mode;
    const char* time;
    const char* date;
    const char* sent;
  } cases[] = {
      {"UTC", IDC_DATETIME_MODE_24H, "15:05:09", "12-7-92", "SetTime 723740709000000 0 1"},
      {kEasternUs, IDC_DATETIME_MODE_PM, "3:00:00", "7/4/26", "SetTime 1783191600000000 0 1"},
      {kCentralEurope, IDC_DATETIME_MODE_24H, "1:30:00", "3-29-2026", "SetTime 1774744200000000 0 1"},  // just before the gap
      {kCentralEurope, IDC_DATETIME_MODE_AM, "3:30:00", "3-29-126", "SetTime 1774747800000000 0 1"},      // just after it
      {kCentralEurope, IDC_DATETIME_MODE_24H, "2:30:00", "10-25-126", "SetTime 1792888200000000 0 1"},  // first of the two
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.tz) + " " + c.time + " " + c.date);
    ClockOnPrivateBus clock(c.tz);
    clock.startService({});
    clock.pressOk(c.mode, c.time, c.date);
    EXPECT_EQ(clock.call(), c.sent);
    EXPECT_FALSE(clock.desk.hasMessageBox());
    EXPECT_FALSE(clock.desk.hasDialog("Time and Date"));
    EXPECT_EQ(prefs->setTimeMode, c.mode);
  }
}

// A date or time that does not exist is reported and the dialog stays open
// for it to be put right; nothing is asked of the service.
TEST(SetSystemClock, ATimeOrDateThatDoesNotExistIsReportedAndNothingIsSet) {
  const struct {
    const char* tz;
    const char* time;
    const char* date;
    const char* box;
  } cases[] = {
      {"UTC", "12:00:00", "2-30-126", "Error H1021: Invalid date entered"},
      {"UTC", "12:00:00", "13-1-126", "Error H1021: Invalid date entered"},
      {"UTC", "12:00:00", "12-7", "Error H1021: Invalid date entered"},
      {"UTC", "12:00:00", "1-1-69", "Error H1021: Invalid date entered"},
      {"UTC", "25:00:00", "12-7-92", "Error H1020: Invalid time entered"},
      {"UTC", "12:60:00", "12-7-92", "Error H1020: Invalid time entered"},
      {kCentralEurope, "2:30:00", "3-29-126", "Error H1020: Invalid time entered"},  // in the spring gap
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.time) + " " + c.date);
    ClockOnPrivateBus clock(c.tz);
    clock.startService({});
    clock.pressOk(IDC_DATETIME_MODE_24H, c.time, c.date);
    ASSERT_TRUE(clock.desk.hasMessageBox());
    EXPECT_EQ(clock.desk.messageBox().text(), c.box);
    clock.desk.messageBox().ok();
    EXPECT_TRUE(clock.desk.hasDialog("Time and Date"));
    EXPECT_EQ(clock.call(200), "");
    EXPECT_EQ(prefs->setTimeMode, 0);
  }
}

// With automatic network time on, the user is asked first: Yes turns it off
// and sets the clock; No sets nothing but keeps the dialog's preferences.
TEST(SetSystemClock, AsksBeforeTurningNetworkTimeOff) {
  for (int answer : {IDYES, IDNO}) {
    SCOPED_TRACE(answer);
    ClockOnPrivateBus clock;
    clock.startService({"ntp"});
    clock.pressOk(IDC_DATETIME_MODE_24H, "15:05:09", "12-7-92");
    ASSERT_TRUE(clock.desk.hasMessageBox());
    EXPECT_EQ(clock.desk.messageBox().text(), kQuestion);
    EXPECT_EQ(clock.desk.messageBox().style() & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
    clock.desk.messageBox().answer(answer);
    clock.settle();
    if (answer == IDYES) {
      EXPECT_EQ(clock.call(), "SetNTP 0 1");
      EXPECT_EQ(clock.call(), "SetTime 723740709000000 0 1");
    } else {
      EXPECT_EQ(clock.call(200), "");
    }
    EXPECT_FALSE(clock.desk.hasMessageBox());
    EXPECT_FALSE(clock.desk.hasDialog("Time and Date"));
    EXPECT_EQ(prefs->setTimeMode, IDC_DATETIME_MODE_24H);
  }
}

// Every failure is told in plain words, the preferences are kept all the
// same, and a system with no time service to ask says that the clock cannot
// be set here, and why.
TEST(SetSystemClock, EachFailureIsToldAndThePreferencesAreKept) {
  const struct {
    const char* what;
    bool systemBus;
    std::vector<std::string> service;  // empty: no service on the bus
    std::string box;
  } cases[] = {
      {"refused authorisation", true, {"fail=org.freedesktop.DBus.Error.AccessDenied"},
       "The clock was not set.\nYou are not allowed to set the clock: the authorisation was refused."},
      {"other refusal", true, {"fail=org.freedesktop.timedate1.Broken"},
       "The clock was not set.\nThe time and date service refused: Refused by the test service "
       "(org.freedesktop.timedate1.Broken)."},
      {"network time not turned off", true, {"ntp", "fail-ntp=org.freedesktop.DBus.Error.AccessDenied"},
       "The clock was not set.\nYou are not allowed to set the clock: the authorisation was refused."},
      {"no service", true, {}, std::string(kCannotSet) + "This system has no service that sets the clock."},
      {"no system bus", false, {}, std::string(kCannotSet) + "There is no system bus to reach the time and date service."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ClockOnPrivateBus clock;
    std::optional<busfake::ScopedBusAddress> noBus;
    if (!c.systemBus) noBus.emplace("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/system-bus");
    if (!c.service.empty()) clock.startService(c.service);
    clock.pressOk(IDC_DATETIME_MODE_24H, "15:05:09", "12-7-92");
    if (clock.desk.hasMessageBox() && clock.desk.messageBox().text() == kQuestion) {
      clock.desk.messageBox().answer(IDYES);
      clock.settle();
    }
    ASSERT_TRUE(clock.desk.hasMessageBox());
    EXPECT_EQ(clock.desk.messageBox().text(), c.box);
    clock.desk.messageBox().ok();
    EXPECT_FALSE(clock.desk.hasDialog("Time and Date"));
    EXPECT_EQ(prefs->setTimeMode, IDC_DATETIME_MODE_24H);
  }
}

// While the desktop asks for the password the clock goes on: its face
// follows the time, and the dialog waits, disabled, for the answer.
TEST(SetSystemClock, TheClockGoesOnWhileTheAnswerIsAwaited) {
  ClockOnPrivateBus clock;
  clock.startService({"hold"});
  clock.desk.sysCommand(IDM_SETDATETIME);
  auto dialog = clock.desk.dialog("Time and Date");
  dialog.click(IDC_DATETIME_MODE_24H).type(IDC_DATETIME_TIME, "9:00:00").click(IDOK);
  std::string sent;
  busfake::WorkUntil([&] { return !(sent = clock.call(0)).empty(); }, [&] { clock.desk.settle(); });
  EXPECT_EQ(sent, "SetTime 723718800000000 0 1");

  const std::string before = clock.desk.clockTitle();
  clock.desk.advance(120'000);
  EXPECT_NE(clock.desk.clockTitle(), before);
  EXPECT_TRUE(clock.desk.hasDialog("Time and Date"));
  EXPECT_FALSE(clock.desk.window(dialog.hwnd()).enabled);

  clock.service->command("release");
  clock.settle();
  EXPECT_FALSE(clock.desk.hasDialog("Time and Date"));
  EXPECT_FALSE(clock.desk.hasMessageBox());
}

TEST(SetSystemClock, CancelAsksNothing) {
  ClockOnPrivateBus clock;
  clock.startService({"ntp"});
  clock.desk.sysCommand(IDM_SETDATETIME);
  clock.desk.dialog("Time and Date").type(IDC_DATETIME_TIME, "9:00:00").click(IDCANCEL);
  EXPECT_FALSE(clock.desk.hasMessageBox());
  EXPECT_EQ(clock.call(200), "");
  EXPECT_EQ(prefs->setTimeMode, 0);
}

}  // namespace
