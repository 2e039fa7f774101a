#include "cli/print_face.h"

#include <cstdio>

#include "cli/command_line.h"
#include "moments/local_time.h"
#include "cli/settings_view.h"
#include "display/face.h"
#include "platform/kernel/clock_source.h"
#include "platform/headless/headless_driver.h"
#include "timers/timer_engine.h"

int RunPrintFace(const CommandLine& commandLine) {
  std::int64_t utcMs = platform::RealClock().UtcNowMs();
  if (commandLine.at) {
    const auto at = UtcMsOfLocal(*commandLine.at);
    if (!at) {
      std::fputs("horatick: the moment of '--at' cannot be shown by this machine's clock\n", stderr);
      return 2;
    }
    utcMs = *at;
  }
  // The face reads the clock twice (time, then date); a clock that stands
  // still keeps both readings at one moment.
  platform::headless::HeadlessDriver driver;
  driver.SetUtc(utcMs);
  platform::InstallDriver(&driver);

  LoadSettingsView();
  SetTimersStartState();
  blinkPhase = 1;
  FormatClockTime();
  FormatClockFace(nullptr);
  std::printf("%s\n", clockText);

  platform::InstallDriver(nullptr);
  return std::fflush(stdout) == 0 ? 0 : 1;
}
