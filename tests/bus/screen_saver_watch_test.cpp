// The screen saver's state as the session's screen-saver services tell it,
// on a private session bus with fake services.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/bus/screen_saver_watch.h"
#include "platform/kernel/event_sources.h"
#include "support/private_bus.h"

namespace {

using platform::bus::ScreenSaverWatch;

// Lets the watch take what its bus sent until it reports `active`.
bool Reaches(ScreenSaverWatch& watch, bool active) {
  return busfake::WorkUntil([&] { return watch.Active() == active; }, [] { platform::ProcessEventSources(); });
}

TEST(ScreenSaverWatch, NoSessionBusMeansNotActive) {
  busfake::ScopedBusAddress none("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus");
  ScreenSaverWatch watch;
  EXPECT_FALSE(watch.Connected());
  EXPECT_FALSE(watch.Active());
}

// Each service is asked when the watch starts and when it comes onto the
// bus, followed by its signal, and forgotten when it goes.
TEST(ScreenSaverWatch, FollowsEachServiceAppearingChangingAndVanishing) {
  for (const char* kind : {"freedesktop", "gnome"}) {
    SCOPED_TRACE(kind);
    busfake::PrivateBus session;
    busfake::ScopedBusAddress use("DBUS_SESSION_BUS_ADDRESS", session.address());
    busfake::FakeService early(session, {"saver", kind, "active"});
    ASSERT_TRUE(early.ready());

    ScreenSaverWatch watch;
    ASSERT_TRUE(watch.Connected());
    EXPECT_TRUE(Reaches(watch, true)) << "asked at the start";
    early.command("off");
    EXPECT_TRUE(Reaches(watch, false)) << "ActiveChanged(false)";
    early.command("on");
    EXPECT_TRUE(Reaches(watch, true)) << "ActiveChanged(true)";
    early.stop();
    EXPECT_TRUE(Reaches(watch, false)) << "the service went";

    busfake::FakeService later(session, {"saver", kind, "active"});
    ASSERT_TRUE(later.ready());
    EXPECT_TRUE(Reaches(watch, true)) << "the service came";
  }
}

// Whether the watch still reports `active` after taking what came within a
// short guard's time.
bool StaysAt(ScreenSaverWatch& watch, bool active) {
  return !busfake::WorkUntil([&] { return watch.Active() != active; }, [] { platform::ProcessEventSources(); }, 300);
}

// A program that does not own the name sends ActiveChanged: nothing changes,
// while the owner's own signals are still taken, for an owner found at the
// start and for one that came later.
TEST(ScreenSaverWatch, TakesActiveChangedOnlyFromTheNamesOwner) {
  for (const bool ownerFirst : {true, false}) {
    for (const char* kind : {"freedesktop", "gnome"}) {
      SCOPED_TRACE(std::string(kind) + (ownerFirst ? ", owner there at the start" : ", owner came later"));
      busfake::PrivateBus session;
      busfake::ScopedBusAddress use("DBUS_SESSION_BUS_ADDRESS", session.address());
      busfake::FakeService spoofer(session, {"spoof", kind});
      ASSERT_TRUE(spoofer.ready());
      const std::vector<std::string> ownerArgs = {"saver", kind, "active"};
      std::optional<busfake::FakeService> owner;
      if (ownerFirst) owner.emplace(session, ownerArgs);
      ScreenSaverWatch watch;
      ASSERT_TRUE(watch.Connected());
      if (!ownerFirst) owner.emplace(session, ownerArgs);
      ASSERT_TRUE(owner->ready());
      ASSERT_TRUE(Reaches(watch, true)) << "the owner's answer";
      owner->command("off");
      ASSERT_TRUE(Reaches(watch, false));

      spoofer.command("on");
      EXPECT_TRUE(StaysAt(watch, false)) << "a spoofed ActiveChanged(true) silenced the alarms";
      owner->command("on");
      EXPECT_TRUE(Reaches(watch, true)) << "the owner's ActiveChanged(true)";
      spoofer.command("off");
      EXPECT_TRUE(StaysAt(watch, true)) << "a spoofed ActiveChanged(false)";
    }
  }
}

TEST(ScreenSaverWatch, NoServiceMeansNotActive) {
  busfake::PrivateBus session;
  busfake::ScopedBusAddress use("DBUS_SESSION_BUS_ADDRESS", session.address());
  ScreenSaverWatch watch;
  ASSERT_TRUE(watch.Connected());
  // Both questions answered (with errors) and nothing active.
  busfake::WorkUntil([] { return false; }, [] { platform::ProcessEventSources(); }, 300);
  EXPECT_FALSE(watch.Active());
}

TEST(ScreenSaverWatch, ABusThatGoesAwayLeavesTheSaverNotActive) {
  auto session = std::make_unique<busfake::PrivateBus>();
  busfake::ScopedBusAddress use("DBUS_SESSION_BUS_ADDRESS", session->address());
  busfake::FakeService saver(*session, {"saver", "freedesktop", "active"});
  ScreenSaverWatch watch;
  ASSERT_TRUE(Reaches(watch, true));
  session.reset();
  EXPECT_TRUE(Reaches(watch, false));
  EXPECT_FALSE(watch.Connected());
}

}  // namespace
