#include "cli/command_line.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "base/terminal_text.h"

namespace {

enum class Value { None, Needed, Optional };

struct OptionSpec {
  const char* name;
  Value value;
};

const OptionSpec kOptions[] = {
    {"--help", Value::None},         {"--version", Value::None},  {"--follow", Value::None},
    {"--show", Value::None},         {"--print-face", Value::None}, {"--upcoming", Value::None},
    {"--desktop-available", Value::None}, {"--autostart", Value::Optional}, {"--settings-dir", Value::Needed},
    {"--at", Value::Needed},         {"--from", Value::Needed},   {"--days", Value::Needed},
    {"--format", Value::Needed},
};

const OptionSpec* FindOption(const std::string& name) {
  for (const OptionSpec& option : kOptions) {
    if (name == option.name) return &option;
  }
  return nullptr;
}

std::optional<RunMode> ModeOf(const std::string& name) {
  if (name == "--help") return RunMode::Help;
  if (name == "--version") return RunMode::Version;
  if (name == "--follow") return RunMode::Follow;
  if (name == "--show") return RunMode::Show;
  if (name == "--print-face") return RunMode::PrintFace;
  if (name == "--upcoming") return RunMode::Upcoming;
  if (name == "--desktop-available") return RunMode::DesktopAvailable;
  if (name == "--autostart") return RunMode::Autostart;
  return std::nullopt;
}

std::optional<int> ParseDays(const std::string& text) {
  if (text.empty() || text.size() > 5) return std::nullopt;
  int days = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    days = days * 10 + (c - '0');
  }
  if (days < 1 || days > kMostUpcomingDays) return std::nullopt;
  return days;
}

std::optional<OutputFormat> ParseFormat(const std::string& text) {
  if (text == "plain") return OutputFormat::Plain;
  if (text == "waybar") return OutputFormat::Waybar;
  if (text == "i3bar") return OutputFormat::I3bar;
  if (text == "ics") return OutputFormat::Ics;
  return std::nullopt;
}

}  // namespace

ParseResult ParseCommandLine(int argc, const char* const* argv) {
  ParseResult result;
  CommandLine& line = result.commandLine;
  std::optional<std::string> modeName;
  std::vector<std::string> seen;
  auto fail = [&result](std::string reason) {
    result.error = std::move(reason);
    return result;
  };

  for (int i = 1; i < argc; ++i) {
    std::string argument = argv[i];
    std::optional<std::string> value;
    if (const std::size_t equals = argument.find('='); argument.rfind("--", 0) == 0 && equals != std::string::npos) {
      value = argument.substr(equals + 1);
      argument.resize(equals);
    }
    const OptionSpec* option = FindOption(argument);
    if (option == nullptr) {
      if (argument.rfind("-", 0) == 0) return fail("unknown option '" + TerminalLine(argument) + "'");
      return fail("unexpected argument '" + TerminalLine(argument) + "'");
    }
    for (const std::string& earlier : seen) {
      if (earlier == argument) return fail("option '" + argument + "' given more than once");
    }
    seen.push_back(argument);
    if (option->value == Value::None && value) return fail("option '" + argument + "' takes no value");
    if (option->value == Value::Needed && !value) {
      if (i + 1 >= argc) return fail("option '" + argument + "' needs a value");
      value = argv[++i];
    }
    // An optional value is the next word unless that is an option.
    if (option->value == Value::Optional && !value && i + 1 < argc && argv[i + 1][0] != '-') value = argv[++i];

    if (const auto mode = ModeOf(argument)) {
      if (modeName) return fail("options '" + *modeName + "' and '" + argument + "' cannot be used together");
      modeName = argument;
      line.mode = *mode;
    }
    if (argument == "--autostart" && value) {
      if (*value != "on" && *value != "off") return fail("option '--autostart' takes on or off, not '" + TerminalLine(*value) + "'");
      line.autostart = *value == "on";
    } else if (argument == "--settings-dir") {
      if (value->empty()) return fail("option '--settings-dir' needs a folder");
      line.settingsDir = *value;
    } else if (argument == "--at") {
      line.at = ParseMoment(*value, MomentPrecision::Second);
      if (!line.at) return fail("option '--at' needs a moment as \"YYYY-MM-DD HH:MM:SS\", not '" + TerminalLine(*value) + "'");
    } else if (argument == "--from") {
      line.from = ParseMoment(*value, MomentPrecision::Minute);
      if (!line.from) {
        return fail("option '--from' needs a minute as \"YYYY-MM-DD HH:MM\", not '" + TerminalLine(*value) + "'");
      }
    } else if (argument == "--format") {
      const auto format = ParseFormat(*value);
      if (!format) {
        return fail("option '--format' takes plain, waybar or i3bar (--follow) or plain or ics (--upcoming), not '" +
                    TerminalLine(*value) + "'");
      }
      line.format = *format;
    } else if (argument == "--days") {
      const auto days = ParseDays(*value);
      if (!days) return fail("option '--days' needs a whole number from 1 to 3660, not '" + TerminalLine(*value) + "'");
      line.days = *days;
    }
  }

  const bool hasUpcomingOptions = line.from || std::find(seen.begin(), seen.end(), "--days") != seen.end();
  if (line.at && line.mode != RunMode::PrintFace) return fail("option '--at' goes with '--print-face' only");
  if (hasUpcomingOptions && line.mode != RunMode::Upcoming) {
    return fail(std::string("option '") + (line.from ? "--from" : "--days") + "' goes with '--upcoming' only");
  }
  const bool hasFormat = std::find(seen.begin(), seen.end(), "--format") != seen.end();
  if (hasFormat && line.mode != RunMode::Follow && line.mode != RunMode::Upcoming) {
    return fail("option '--format' goes with '--follow' or '--upcoming' only");
  }
  if (line.mode == RunMode::Follow && line.format == OutputFormat::Ics) {
    return fail("option '--follow' writes plain, waybar or i3bar, not ics");
  }
  if (line.mode == RunMode::Upcoming && (line.format == OutputFormat::Waybar || line.format == OutputFormat::I3bar)) {
    return fail("option '--upcoming' writes plain or ics, not a status bar's lines");
  }
  // The calendar file holds the rules themselves, with no end.
  if (line.format == OutputFormat::Ics && std::find(seen.begin(), seen.end(), "--days") != seen.end()) {
    return fail("option '--days' goes with the plain list of '--upcoming', not with '--format ics'");
  }
  return result;
}

std::string UsageText() {
  std::string usage =
      "Usage: horatick [OPTION]...\n"
      "A desk clock: a small always-on-top window whose caption is the clock face.\n"
      "\n"
      "  (no option)                  run the clock\n"
      "  --follow [--format plain|waybar|i3bar]\n"
      "                               run the clock with no window, printing each new face\n"
      "                               as a line on standard output (plain), or as the JSON\n"
      "                               lines of a status bar\n"
      "  --show                       tell the running clock to lay out and show its window\n"
      "  --print-face [--at \"YYYY-MM-DD HH:MM:SS\"]\n"
      "                               print the face the saved settings give now (or then)\n"
      "  --upcoming [--from \"YYYY-MM-DD HH:MM\"] [--days N]\n"
      "                               list when each enabled alarm goes off, for N days\n"
      "                               (1 to 3660, default 7) from the next minute;\n"
      "  --upcoming --format ics [--from \"YYYY-MM-DD HH:MM\"]\n"
      "                               write the enabled alarms as an iCalendar file\n"
      "  --autostart [on|off]         start the clock at login, or stop doing so;\n"
      "                               alone, say whether it does\n"
      "  --settings-dir DIR           use DIR as the settings folder\n"
      "  --help                       show this text\n"
      "  --version                    show the version\n";
#ifdef HORATICK_HAVE_QT
  usage += "  --desktop-available          exit 0 when the desktop clock can open its window\n";
#endif
  usage +=
      "\n"
      "The settings live in $HORATICK_HOME, else $XDG_CONFIG_HOME/horatick, else\n"
      "~/.config/horatick. --print-face and --upcoming only read them.\n";
  return usage;
}
