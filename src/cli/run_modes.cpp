// The command-line modes that run the clock itself: the desktop clock, the
// terminal clock (--follow) and the show command sent to a running copy.
#include "cli/run_modes.h"

#include <csignal>
#include <cstdio>

#include "app/entry.h"
#include "cli/end_signals.h"
#include "cli/follow_driver.h"
#include "cli/instance_commands.h"
#include "platform/core/driver.h"
#include "platform/core/single_instance.h"
#include "resources/resources.h"
#include "settings/settings_files.h"

#ifdef HORATICK_HAVE_QT
#include "platform/qt/desktop_driver.h"
#endif

namespace {

constexpr int kDefaultScreenWidth = 1024;
constexpr int kDefaultScreenHeight = 768;

// The screen the desktop clock last saw, so that the terminal clock keeps the
// window's place as it is instead of fitting it to a screen of its own.
platform::DisplayMetrics FollowMetrics() {
  platform::DisplayMetrics metrics;
  const int width = static_cast<int>(GetPrivateProfileInt(kProfileSection, "xScreen", 0, kProfileFile));
  const int height = static_cast<int>(GetPrivateProfileInt(kProfileSection, "yScreen", 0, kProfileFile));
  metrics.screenWidth = width > 0 ? width : kDefaultScreenWidth;
  metrics.screenHeight = height > 0 ? height : kDefaultScreenHeight;
  return metrics;
}

// Runs the clock's entry point on the installed driver. A copy already
// running for this settings folder is the program's previous instance, which
// it refuses to start beside.
int RunClock() {
  HINSTANCE instance = RegisterResourceModule(&horatickResources);
  const bool alone = platform::AcquireSingleInstance();
  char commandLine[] = "";
  const int exitCode = HoratickMain(instance, alone ? nullptr : instance, commandLine, SW_SHOWNORMAL);
  if (alone) platform::ReleaseSingleInstance();
  return exitCode;
}

}  // namespace

int RunDesktopClock(int argc, char** argv) {
#ifdef HORATICK_HAVE_QT
  // The signals are blocked before the toolkit starts threads of its own.
  cli::StartEndSignalWatch();
  if (platform::qt::InstallDesktopDriver(argc, argv)) {
    platform::qt::WatchInstanceSocket(cli::TakeInstanceCommands);
    const int exitCode = RunClock();
    platform::qt::RemoveDesktopDriver();
    cli::StopEndSignalWatch();
    return exitCode;
  }
  cli::StopEndSignalWatch();
#else
  (void)argc;
  (void)argv;
#endif
  // With no desktop to show it on, the clock runs in the terminal.
  return RunFollowClock();
}

int RunFollowClock() {
  // A reader that goes away is noticed as a failed write, not by a signal
  // that would end the clock without saving.
  std::signal(SIGPIPE, SIG_IGN);
  cli::StartEndSignalWatch();
  cli::FollowDriver driver(stdout, stderr);
  driver.SetMetrics(FollowMetrics());
  platform::InstallDriver(&driver);
  const int exitCode = RunClock();
  platform::InstallDriver(nullptr);
  cli::StopEndSignalWatch();
  return exitCode;
}

int SendShowCommand() {
  if (platform::SendInstanceCommand("show")) return 0;
  std::fputs("horatick: no running clock to show\n", stderr);
  return 1;
}
