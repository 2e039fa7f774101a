#include "cli/cli_main.h"

#include <cstdio>
#include <cstdlib>

#include "cli/autostart.h"
#include "cli/command_line.h"
#include "cli/print_face.h"
#include "cli/run_modes.h"
#include "cli/upcoming.h"
#include "platform/session/settings_folder.h"

namespace {

constexpr char kVersionText[] = "horatick " HORATICK_VERSION "\n";

}  // namespace

int RunCommandLine(int argc, char** argv) {
  const ParseResult parsed = ParseCommandLine(argc, argv);
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "horatick: %s (see horatick --help)\n", parsed.error.c_str());
    return 2;
  }
  const CommandLine& line = parsed.commandLine;
  if (line.settingsDir) platform::SetSettingsFolder(line.settingsDir->c_str());
  switch (line.mode) {
    case RunMode::Help:
      std::fputs(UsageText().c_str(), stdout);
      return 0;
    case RunMode::Version:
      std::fputs(kVersionText, stdout);
      return 0;
    case RunMode::DesktopAvailable:
      return DesktopAvailable() ? 0 : 1;
    case RunMode::PrintFace:
      return RunPrintFace(line);
    case RunMode::Upcoming:
      return RunUpcoming(line);
    case RunMode::Follow:
      return RunFollowClock(line.format);
    case RunMode::Show:
      return SendShowCommand();
    case RunMode::Autostart: {
      const char* home = std::getenv("HORATICK_HOME");
      return cli::RunAutostart(line.autostart, line.settingsDir || (home != nullptr && *home != '\0'));
    }
    case RunMode::Clock:
      break;
  }
  return RunDesktopClock(argc, argv);
}
