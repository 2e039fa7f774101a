// The desktop clock follows the session's screen saver through the toolkit's
// own loop, on a private session bus with a fake service.
#include <memory>
#include <optional>

#include "qt_fixture.h"
#include "support/private_bus.h"

namespace qt_test {
namespace {

class DesktopScreenSaver : public QtDesk {
 protected:
  void SetUp() override {
    bus_ = std::make_unique<busfake::PrivateBus>();
    use_.emplace("DBUS_SESSION_BUS_ADDRESS", bus_->address());
    saver_ = std::make_unique<busfake::FakeService>(*bus_, std::vector<std::string>{"saver", "gnome", "active"});
    ASSERT_TRUE(saver_->ready());
    QtDesk::SetUp();
  }
  void TearDown() override {
    QtDesk::TearDown();
    saver_.reset();
    use_.reset();
    bus_.reset();
  }
  bool SaverBecomes(bool running) {
    return Pump([&] {
      BOOL now = FALSE;
      SystemParametersInfo(SPI_GETSCREENSAVERRUNNING, 0, &now, 0);
      return (now != FALSE) == running;
    });
  }

  std::unique_ptr<busfake::PrivateBus> bus_;
  std::optional<busfake::ScopedBusAddress> use_;
  std::unique_ptr<busfake::FakeService> saver_;
};

TEST_F(DesktopScreenSaver, FollowsTheSaverWhileTheClockWaits) {
  EXPECT_TRUE(SaverBecomes(true));
  saver_->command("off");
  EXPECT_TRUE(SaverBecomes(false));
  saver_->command("on");
  EXPECT_TRUE(SaverBecomes(true));
}

}  // namespace
}  // namespace qt_test
