// The command line's options: help, version, and a one-line reason with exit
// code 2 for anything it cannot use.
#include <gtest/gtest.h>

#include "cli/cli_run.h"

namespace {

TEST(CliOptions, HelpAndVersion) {
  const CliResult help = RunHoratick({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  for (const char* option : {"--follow", "--show", "--print-face", "--at", "--upcoming", "--from", "--days",
                             "--settings-dir", "--autostart", "--version", "--format", "waybar", "i3bar", "ics"}) {
    EXPECT_NE(help.out.find(option), std::string::npos) << option;
  }
  const CliResult version = RunHoratick({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out.rfind("horatick ", 0), 0u);
}

TEST(CliOptions, BadCommandLinesExitWithTwo) {
  const std::vector<std::vector<std::string>> cases = {
      {"--bogus"},
      {"stray"},
      {"--print-face", "--upcoming"},
      {"--print-face", "--at"},
      {"--print-face", "--at", "1992-12-07"},
      {"--print-face", "--at", "1992-13-07 15:05:09"},
      {"--print-face", "--at", "1993-02-29 15:05:09"},
      {"--print-face", "--at", "1992-12-07 24:00:00"},
      {"--print-face", "--at", "1992-12-07 15:05:09x"},
      {"--at", "1992-12-07 15:05:09"},
      {"--upcoming", "--days", "0"},
      {"--upcoming", "--days", "3661"},
      {"--upcoming", "--days", "7x"},
      {"--upcoming", "--days", "-1"},
      {"--upcoming", "--from", "1992-12-07 15:05:09"},
      {"--from", "1992-12-07 15:05"},
      {"--days", "3"},
      {"--upcoming", "--days", "3", "--days", "4"},
      {"--settings-dir", ""},
      {"--help=yes"},
      {"--autostart", "maybe"},
      {"--autostart="},
      {"--autostart", "on", "--follow"},
      {"--format", "plain"},
      {"--print-face", "--format", "ics"},
      {"--follow", "--format", "ics"},
      {"--upcoming", "--format", "waybar"},
      {"--upcoming", "--format", "ics", "--days", "3"},
      {"--follow", "--format", "json"},
      // Control characters in an argument are shown escaped, on the one line.
      {"--bogus\n\x1b[2J"},
      {"stray\xc2\x9b"},
      {"--print-face", "--at", "1992-12-07\n15:05:09"},
      {"--autostart=o\n\x1b[2J"},
  };
  for (const auto& args : cases) {
    std::string shown;
    for (const std::string& arg : args) shown += "[" + arg + "]";
    SCOPED_TRACE(shown);
    const CliResult r = RunHoratick(args);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind("horatick: ", 0), 0u) << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
    EXPECT_EQ(r.err.find_first_of("\x1b\x9b"), std::string::npos) << r.err;
  }
}

TEST(CliOptions, GoodValuesAtTheEdgesAreTaken) {
  const std::vector<std::vector<std::string>> cases = {
      {"--upcoming", "--from", "2000-02-29 23:59", "--days", "1"},
      {"--upcoming", "--days=3660", "--from=1992-12-07 00:00"},
      {"--print-face", "--at", "2000-02-29 00:00:00"},
      {"--upcoming", "--format=plain", "--days", "1"},
      {"--upcoming", "--format", "ics", "--from", "9999-12-31 23:59"},
  };
  for (const auto& args : cases) {
    SCOPED_TRACE(args.back());
    std::vector<std::string> full = {"--settings-dir", "/nonexistent/horatick-cli-test"};
    full.insert(full.end(), args.begin(), args.end());
    const CliResult r = RunHoratick(full, {{"TZ", "UTC"}});
    EXPECT_EQ(r.exitCode, 0) << r.err;
  }
}

}  // namespace
