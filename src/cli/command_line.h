// The command line of the clock: which mode to run and with what.
#pragma once

#include <optional>
#include <string>

#include "moments/moment_text.h"

enum class RunMode { Clock, Follow, Show, PrintFace, Upcoming, Autostart, Help, Version, DesktopAvailable };

// --follow: plain lines, or the JSON lines of a status bar; --upcoming: the
// plain list, or an iCalendar file.
enum class OutputFormat { Plain, Waybar, I3bar, Ics };

struct CommandLine {
  RunMode mode = RunMode::Clock;
  std::optional<std::string> settingsDir;
  std::optional<LocalMoment> at;    // --print-face --at
  std::optional<LocalMoment> from;  // --upcoming --from
  int days = 7;                     // --upcoming --days
  std::optional<bool> autostart;    // --autostart on|off; nothing to ask
  OutputFormat format = OutputFormat::Plain;  // --format
};

inline constexpr int kMostUpcomingDays = 3660;

struct ParseResult {
  CommandLine commandLine;
  std::string error;  // empty when the command line is good
};

ParseResult ParseCommandLine(int argc, const char* const* argv);

// The usage text of --help.
std::string UsageText();
