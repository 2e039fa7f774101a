// The desktop clock as a person meets it: the built program on an X server
// of the test's own, under real window managers of two families. What is
// looked at is what the window manager and other programs see (the window's
// EWMH state, its title properties, its place) and what is left on disk.
#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include "cli/follow_process.h"
#include "settings/alarm_record.h"
#include "settings/config_image.h"
#include "settings/preferences.h"
#include "x_session.h"

namespace wm_test {
namespace {

constexpr char kAbove[] = "_NET_WM_STATE_ABOVE";

// The clock's settings: the defaults, with seconds on the face so that the
// title changes every second.
void WriteSettingsWithSeconds(const std::string& folder) {
  Preferences p{};
  SetDefaultPreferences(p);
  p.displaySeconds = 1;
  AlarmRecord table[kAlarmCount] = {};
  for (AlarmRecord& r : table) SetDefaultAlarm(r);
  std::string image(kConfigFileBytes, '\0');
  ComposeConfigImage(p, table, reinterpret_cast<unsigned char*>(image.data()));
  std::ofstream(folder + "/HORATICK.CFG", std::ios::binary) << image;
}

// A profile key of the clock's section, or empty.
std::string ProfileValue(const std::string& folder, const std::string& key) {
  std::ifstream profile(folder + "/HORATICK.INI");
  std::string line;
  while (std::getline(profile, line)) {
    if (line.rfind(key + "=", 0) == 0) return line.substr(key.size() + 1);
  }
  return {};
}

class WindowManagerTest : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    session_ = std::make_unique<XSession>(GetParam());
    ASSERT_TRUE(session_->Ready()) << GetParam() << " did not start on its own X server";
    WriteSettingsWithSeconds(folder_.path());
  }

  std::map<std::string, std::string> Environment() const {
    return {{"DISPLAY", session_->Display()}, {"QT_QPA_PLATFORM", ""}, {"WAYLAND_DISPLAY", ""},
            {"HORATICK_SOUND_DEVICE", "null"}};
  }

  std::unique_ptr<FollowProcess> StartClock(std::vector<std::string> args = {}) {
    return std::make_unique<FollowProcess>(folder_.path(), std::move(args), Environment());
  }

  int Show() {
    FollowProcess show(folder_.path(), {"--show"}, Environment());
    return show.WaitForExit(30'000);
  }

  // The clock's window once the window manager shows it.
  std::optional<xcb_window_t> WaitForClock() {
    std::optional<xcb_window_t> window;
    XSession::WaitFor([&] {
      window = X().ClockWindow();
      return window && X().Viewable(*window) && LooksLikeFace(X().NetTitle(*window));
    });
    return window;
  }

  bool WaitUntilHidden() {
    return XSession::WaitFor([&] { return !X().ClockWindow().has_value(); });
  }

  // A click with the given button in the middle of the caption.
  void ClickCaption(xcb_window_t window, const char* button) {
    const Place place = X().PlaceOf(window);
    X().Xdotool({"mousemove", std::to_string(place.x + place.width / 2), std::to_string(place.y + place.height / 2),
                 "click", button});
  }

  XSession& X() { return *session_; }
  const std::string& Folder() const { return folder_.path(); }

 private:
  TempFolder folder_;
  std::unique_ptr<XSession> session_;
};

// The window manager's idea of the clock, not the program's: the window is
// kept above at every start and through the layout command, and the layout
// command never unmaps it.
TEST_P(WindowManagerTest, TheClockIsOnTopAtEveryStartAndAfterTheLayoutCommand) {
  for (int start = 1; start <= 10; ++start) {
    SCOPED_TRACE("start " + std::to_string(start));
    auto clock = StartClock();
    const auto window = WaitForClock();
    ASSERT_TRUE(window.has_value());
    EXPECT_TRUE(XSession::WaitFor([&] { return X().HasState(*window, kAbove); }));
    X().Watch(*window);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(Show(), 0);
    EXPECT_EQ(X().Unmaps(), 0);
    EXPECT_TRUE(X().HasState(*window, kAbove));
    ASSERT_TRUE(clock->Signal(SIGTERM));
    ASSERT_EQ(clock->WaitForExit(30'000), 0);
  }
}

// Taskbars and screen readers read the title: it is the face on the window
// the clock has now, also after a hide and show, and while minimised.
TEST_P(WindowManagerTest, TheTitleCarriesTheFaceAfterAHideAndWhileMinimised) {
  auto clock = StartClock();
  auto window = WaitForClock();
  ASSERT_TRUE(window.has_value());
  ClickCaption(*window, "3");
  ASSERT_TRUE(WaitUntilHidden());
  ASSERT_EQ(Show(), 0);
  window = WaitForClock();
  ASSERT_TRUE(window.has_value());
  const std::string shown = X().NetTitle(*window);
  EXPECT_TRUE(XSession::WaitFor([&] {
    const std::string now = X().NetTitle(*window);
    return now != shown && LooksLikeFace(now) && X().OldTitle(*window) == now;
  })) << "the title stayed " << shown;

  ASSERT_TRUE(X().Xdotool({"windowminimize", std::to_string(*window)}));
  ASSERT_TRUE(XSession::WaitFor([&] { return !X().Viewable(*window); }));
  const std::string minimised = X().NetTitle(*window);
  EXPECT_TRUE(XSession::WaitFor([&] {
    const std::string now = X().NetTitle(*window);
    return now != minimised && LooksLikeFace(now) && !X().Viewable(*window);
  })) << "the minimised clock's title stayed " << minimised;
  ASSERT_TRUE(clock->Signal(SIGTERM));
  EXPECT_EQ(clock->WaitForExit(30'000), 0);
}

// A clock hidden by a right click comes back when asked from outside: by
// --show, and by starting the clock again (which still says it is running).
TEST_P(WindowManagerTest, AHiddenClockComesBackOnShowAndOnASecondStart) {
  auto clock = StartClock();
  auto window = WaitForClock();
  ASSERT_TRUE(window.has_value());

  ClickCaption(*window, "3");
  ASSERT_TRUE(WaitUntilHidden());
  ASSERT_EQ(Show(), 0);
  window = WaitForClock();
  ASSERT_TRUE(window.has_value()) << "--show did not bring the clock back";
  // The right click turned Stay In Front off.
  EXPECT_FALSE(X().HasState(*window, kAbove));

  ClickCaption(*window, "3");
  ASSERT_TRUE(WaitUntilHidden());
  auto second = StartClock();
  EXPECT_TRUE(WaitForClock().has_value()) << "a second start did not bring the clock back";
  EXPECT_TRUE(second->StillRunning()) << "the second start showed no box";
  second.reset();
  ASSERT_TRUE(clock->Signal(SIGTERM));
  EXPECT_EQ(clock->WaitForExit(30'000), 0);
}

// The system menu's Move, from the keyboard: the arrows move the window,
// Escape puts it back where it was.
TEST_P(WindowManagerTest, MoveFromTheSystemMenuMovesTheWindowByTheKeys) {
  auto clock = StartClock();
  const auto window = WaitForClock();
  ASSERT_TRUE(window.has_value());
  const Place start = X().PlaceOf(*window);
  // A click gives the clock the keyboard; Shift+F10 opens its menu, M is Move.
  ClickCaption(*window, "1");
  ASSERT_TRUE(XSession::WaitFor([&] {
    if (!X().PopupShown()) X().Xdotool({"key", "shift+F10"});
    return XSession::WaitFor([&] { return X().PopupShown(); }, 2'000);
  }));
  ASSERT_TRUE(X().Xdotool({"key", "m"}));
  // The move takes the keys once it has begun; until then an arrow does nothing.
  EXPECT_TRUE(XSession::WaitFor([&] {
    X().Xdotool({"key", "Right"});
    return XSession::WaitFor([&] { return X().PlaceOf(*window).x > start.x; }, 2'000);
  }));
  const int movedX = X().PlaceOf(*window).x;
  ASSERT_TRUE(X().Xdotool({"key", "Down"}));
  EXPECT_TRUE(XSession::WaitFor([&] { return X().PlaceOf(*window).y > start.y; }));
  EXPECT_EQ(X().PlaceOf(*window).x, movedX);
  ASSERT_TRUE(X().Xdotool({"key", "Escape"}));
  EXPECT_TRUE(XSession::WaitFor([&] {
    const Place now = X().PlaceOf(*window);
    return now.x == start.x && now.y == start.y;
  }));
  ASSERT_TRUE(clock->Signal(SIGTERM));
  EXPECT_EQ(clock->WaitForExit(30'000), 0);
}

// The X server goes away (a session that ends, XWayland restarting): the
// clock saves what the user did, removes its socket and ends with status 1.
TEST_P(WindowManagerTest, LosingTheXServerSavesThePlaceAndEnds) {
  // A first run leaves the place as the profile records it.
  auto first = StartClock();
  auto window = WaitForClock();
  ASSERT_TRUE(window.has_value());
  const Place before = X().PlaceOf(*window);
  ASSERT_TRUE(first->Signal(SIGTERM));
  ASSERT_EQ(first->WaitForExit(30'000), 0);
  const int xBefore = std::stoi(ProfileValue(Folder(), "xPos"));
  const int yBefore = std::stoi(ProfileValue(Folder(), "yPos"));

  auto clock = StartClock();
  window = WaitForClock();
  ASSERT_TRUE(window.has_value());
  const Place from = X().PlaceOf(*window);
  const int pressX = from.x + from.width / 2;
  const int pressY = from.y + from.height / 2;
  ASSERT_TRUE(X().Xdotool({"mousemove", std::to_string(pressX), std::to_string(pressY), "mousedown", "1"}));
  for (int step = 1; step <= 4; ++step) {
    X().Xdotool({"mousemove", std::to_string(pressX - 10 * step), std::to_string(pressY + 8 * step)});
  }
  ASSERT_TRUE(X().Xdotool({"mouseup", "1"}));
  ASSERT_TRUE(XSession::WaitFor([&] {
    const Place now = X().PlaceOf(*window);
    return now.x == from.x - 40 && now.y == from.y + 32;
  }));
  const Place after = X().PlaceOf(*window);

  X().KillServer();
  EXPECT_EQ(clock->WaitForExit(60'000), 1);
  EXPECT_NE(clock->ErrorText().find("X display"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(Folder() + "/horatick.sock"));
  EXPECT_EQ(std::stoi(ProfileValue(Folder(), "xPos")) - xBefore, after.x - before.x);
  EXPECT_EQ(std::stoi(ProfileValue(Folder(), "yPos")) - yBefore, after.y - before.y);
}

INSTANTIATE_TEST_SUITE_P(RealWindowManagers, WindowManagerTest, ::testing::Values("openbox", "metacity"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace wm_test
