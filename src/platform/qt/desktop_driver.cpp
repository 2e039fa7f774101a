// Starting the toolkit for the desktop clock, and choosing where it shows.
#include "platform/qt/desktop_driver.h"

#include <xcb/xcb.h>

#include <QApplication>
#include <QtGlobal>
#include <cstdio>
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
QtMessageHandler toolkitMessages = nullptr;
bool messagesWatched = false;

// The toolkit's own words for a broken X connection; the clock says it in
// one line of its own instead.
constexpr char kBrokenConnection[] = "The X11 connection broke";

void PassToolkitMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtWarningMsg && text.startsWith(QLatin1String(kBrokenConnection))) return;
  if (toolkitMessages != nullptr) {
    toolkitMessages(type, context, text);
  } else {
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
  }
}

// The toolkit ends the process when it cannot open the X display, so the
// display is opened once first, the way the toolkit will open it (a server
// that refuses this user is as absent as none).
bool DisplayOpens() {
  const char* display = std::getenv("DISPLAY");
  if (display == nullptr || display[0] == '\0') return false;
  xcb_connection_t* connection = xcb_connect(display, nullptr);
  const bool opens = xcb_connection_has_error(connection) == 0;
  xcb_disconnect(connection);
  return opens;
}

bool PlatformNamedByUser() {
  const char* named = std::getenv("QT_QPA_PLATFORM");
  return named != nullptr && named[0] != '\0' && std::strncmp(named, "xcb", 3) != 0;
}

// xcb is the platform on which a window is put where the program says; under
// Wayland the clock asks for XWayland. A platform named by the user (or by a
// test: "offscreen") is kept.
bool ChoosePlatform() {
  if (PlatformNamedByUser()) return true;
  if (!DisplayOpens()) return false;
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  // The windows are small: shared-memory images save nothing on them and
  // cost a completion event, and so a wakeup, for every repaint.
  setenv("QT_XCB_NO_MITSHM", "1", 0);
  return true;
}

}  // namespace

bool DesktopDisplayReachable() { return PlatformNamedByUser() || DisplayOpens(); }

bool InstallDesktopDriver(int& argc, char** argv) {
  if (driver != nullptr) return true;
  if (!ChoosePlatform()) return false;
  QApplication::setApplicationName(QStringLiteral("horatick"));
  QApplication::setDesktopFileName(QStringLiteral("horatick"));
  application = std::make_unique<QApplication>(argc, argv);
  if (!messagesWatched) {
    messagesWatched = true;
    toolkitMessages = qInstallMessageHandler(PassToolkitMessage);
  }
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
