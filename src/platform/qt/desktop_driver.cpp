// Starting the toolkit for the desktop clock, and choosing where it shows.
#include "platform/qt/desktop_driver.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "platform/qt/desktop_style.h"
#include "platform/qt/qt_driver.h"

namespace platform::qt {

namespace {

std::unique_ptr<QApplication> application;
std::unique_ptr<QtDriver> driver;

bool ConnectsTo(const sockaddr_un& address, socklen_t length) {
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const bool connected = connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0;
  close(fd);
  return connected;
}

// The toolkit ends the process when it cannot reach the X server, so the
// server is tried first. A display on this machine (":0", "unix:0.0") is
// tried at its socket; one on another host is left to the toolkit.
bool DisplayReachable(const char* display) {
  if (display == nullptr || display[0] == '\0') return false;
  const std::string name = display;
  const std::size_t colon = name.rfind(':');
  if (colon == std::string::npos) return false;
  const std::string host = name.substr(0, colon);
  if (!host.empty() && host != "unix") return true;
  const std::string number = name.substr(colon + 1, name.find('.', colon) - colon - 1);
  if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos) return false;
  const std::string path = "/tmp/.X11-unix/X" + number;
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
  if (ConnectsTo(address, sizeof address)) return true;
  // The server's socket in the abstract namespace, where the file is gone.
  sockaddr_un abstract{};
  abstract.sun_family = AF_UNIX;
  std::memcpy(abstract.sun_path + 1, path.c_str(), path.size());
  return ConnectsTo(abstract, static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + path.size()));
}

// xcb is the platform on which a window is put where the program says; under
// Wayland the clock asks for XWayland. A platform named by the user (or by a
// test: "offscreen") is kept.
bool ChoosePlatform() {
  const char* named = std::getenv("QT_QPA_PLATFORM");
  if (named != nullptr && named[0] != '\0' && std::strncmp(named, "xcb", 3) != 0) return true;
  if (!DisplayReachable(std::getenv("DISPLAY"))) return false;
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  // The windows are small: shared-memory images save nothing on them and
  // cost a completion event, and so a wakeup, for every repaint.
  setenv("QT_XCB_NO_MITSHM", "1", 0);
  return true;
}

}  // namespace

bool InstallDesktopDriver(int& argc, char** argv) {
  if (driver != nullptr) return true;
  if (!ChoosePlatform()) return false;
  QApplication::setApplicationName(QStringLiteral("horatick"));
  QApplication::setDesktopFileName(QStringLiteral("horatick"));
  application = std::make_unique<QApplication>(argc, argv);
  // The program ends when it says so, not when its last window closes.
  QApplication::setQuitOnLastWindowClosed(false);
  // One style everywhere, so that controls fill their dialog units alike.
  QApplication::setStyle(new DesktopStyle);
  driver = std::make_unique<QtDriver>();
  InstallDriver(driver.get());
  return true;
}

void RemoveDesktopDriver() {
  if (driver == nullptr) return;
  if (&CurrentDriver() == driver.get()) InstallDriver(nullptr);
  driver.reset();
  application.reset();
}

void WatchInstanceSocket(std::function<void()> onCommandWaiting) {
  if (driver != nullptr) driver->WatchInstanceSocket(std::move(onCommandWaiting));
}

}  // namespace platform::qt
