// The command line of the clock: which mode to run and with what.
#pragma once

#include <optional>
#include <string>

enum class RunMode { Clock, Follow, Show, PrintFace, Upcoming, Autostart, Help, Version, DesktopAvailable };

// A local moment as written on the command line; second is 0 for --from.
struct LocalMoment {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

struct CommandLine {
  RunMode mode = RunMode::Clock;
  std::optional<std::string> settingsDir;
  std::optional<LocalMoment> at;    // --print-face --at
  std::optional<LocalMoment> from;  // --upcoming --from
  int days = 7;                     // --upcoming --days
  std::optional<bool> autostart;    // --autostart on|off; nothing to ask
};

inline constexpr int kMostUpcomingDays = 3660;

struct ParseResult {
  CommandLine commandLine;
  std::string error;  // empty when the command line is good
};

ParseResult ParseCommandLine(int argc, const char* const* argv);

// "YYYY-MM-DD HH:MM:SS" (withSeconds) or "YYYY-MM-DD HH:MM", a date and time
// that exist on the calendar, years 1900 to 9999.
std::optional<LocalMoment> ParseMoment(const std::string& text, bool withSeconds);

// The usage text of --help.
std::string UsageText();
