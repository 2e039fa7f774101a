// The command-line modes that run the clock itself: the desktop clock, the
// terminal clock (--follow) and the show command sent to a running copy.
#include "cli/run_modes.h"

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <string>

#include "app/entry.h"
#include "base/terminal_text.h"
#include "cli/end_signals.h"
#include "cli/error_stream.h"
#include "cli/follow_output.h"
#include "cli/instance_commands.h"
#include "platform/kernel/driver.h"
#include "platform/session/settings_folder.h"
#include "platform/session/single_instance.h"
#include "platform/terminal/terminal_driver.h"
#include "resources/resources.h"
#include "settings/settings_files.h"

#ifdef HORATICK_HAVE_QT
#include "platform/qt/desktop_driver.h"
#endif

namespace {

constexpr char kNoDisplayText[] =
    "horatick: no X display to show the clock on (under Wayland it needs XWayland); "
    "horatick --follow is the clock in the terminal\n";

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

// The reason the settings folder cannot be used, with what to do about it;
// empty when it can.
std::string SettingsFolderProblem() {
  platform::EnsureSettingsFolder();
  // Shown escaped, as the command line's errors show what they quote.
  const std::string folder = TerminalLine(platform::SettingsFolderPath());
  switch (platform::CheckSettingsFolderTrust()) {
    case platform::FolderTrust::OwnedByAnother:
      return "The settings folder " + folder +
             " belongs to another user. Use a folder of your own (horatick --settings-dir DIR, or HORATICK_HOME).";
    case platform::FolderTrust::WritableByAll:
      return "Every user may write the settings folder " + folder + ". Take that right away (chmod o-w " + folder +
             ") or use a folder of your own.";
    case platform::FolderTrust::NotAFolder:
      return "The settings folder " + folder +
             " is not a folder. Name a folder for the settings (horatick --settings-dir DIR, or HORATICK_HOME).";
    case platform::FolderTrust::Usable:
      break;
  }
  return {};
}

// Says why the clock does not start: on standard error, and in a box on the
// driver, where a clock started from the desktop's menu shows it.
void Refuse(const std::string& reason) {
  std::fprintf(stderr, "horatick: %s\n", reason.c_str());
  MessageBox(nullptr, reason.c_str(), "Horatick", MB_OK | MB_ICONERROR);
}

// Runs the clock's entry point on the installed driver. A copy already
// running for this settings folder is the program's previous instance, which
// it refuses to start beside. The clock does not start on a folder whose
// files others could plant or replace, nor without its lock.
int RunClock() {
  HINSTANCE instance = RegisterResourceModule(&kHoratickResources);
  if (const std::string problem = SettingsFolderProblem(); !problem.empty()) {
    Refuse(problem);
    return 1;
  }
  std::string lockProblem;
  const platform::InstanceStart start = platform::AcquireSingleInstance(&lockProblem);
  if (start == platform::InstanceStart::NoLock) {
    Refuse("The clock cannot be sure it runs alone on its settings: " + lockProblem + ".");
    return 1;
  }
  const bool alone = start == platform::InstanceStart::Alone;
  // A person who starts the clock again wants to see it: the running copy
  // lays out and shows its window (a right click may have hidden it) before
  // this one says that it is already running.
  if (!alone) platform::SendInstanceCommand("show");
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
  // A clock with no window would hold the lock unseen, and every later start
  // would only hear that it is running: it ends at once instead.
  std::fputs(kNoDisplayText, stderr);
  return 1;
}

bool DesktopAvailable() {
#ifdef HORATICK_HAVE_QT
  return platform::qt::DesktopDisplayReachable();
#else
  return false;
#endif
}

int RunFollowClock(OutputFormat format) {
  // A reader that goes away is noticed as a failed write, not by a signal
  // that would end the clock without saving.
  std::signal(SIGPIPE, SIG_IGN);
  cli::StartEndSignalWatch();
  // Neither output ever waits on its reader: a reader that stops reading
  // holds up no face, alarm, command or signal.
  cli::LineOutput lines(STDOUT_FILENO);
  cli::LineOutput errors(STDERR_FILENO);
  int exitCode;
  {
    const cli::ErrorStreamThrough notices(errors);
    cli::FollowOutput output(lines, errors, format);
    platform::terminal::TerminalDriver driver(output);
    driver.SetMetrics(FollowMetrics());
    driver.WatchInstanceSocket(cli::TakeInstanceCommands);
    platform::InstallDriver(&driver);
    exitCode = RunClock();
    platform::InstallDriver(nullptr);
  }
  cli::StopEndSignalWatch();
  // The end is not held up either: what the readers take now is theirs, the
  // rest is given up.
  lines.Flush();
  errors.Flush();
  return exitCode;
}

int SendShowCommand() {
  switch (platform::SendInstanceCommand("show")) {
    case platform::SendResult::Answered:
      return 0;
    case platform::SendResult::PermissionDenied:
      std::fputs("horatick: permission denied: the clock's socket or its folder belongs to another user\n", stderr);
      return 1;
    case platform::SendResult::NoClock:
      break;
  }
  std::fputs("horatick: no running clock to show\n", stderr);
  return 1;
}
