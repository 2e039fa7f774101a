// Which program an alarm's command line runs, and the command line for a chosen file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "alarms/program_check.h"

namespace {

TEST(AlarmProgramWord, IsTheFirstWordAfterAssignmentsUnquotedAsTheShellDoes) {
  struct Case {
    const char* commandLine;
    const char* program;
  };
  const Case cases[] = {
      {"/usr/bin/xclock", "/usr/bin/xclock"},
      {"xclock -digital -update 1", "xclock"},
      {"  \txclock", "xclock"},
      {"DISPLAY=:0 LANG=C xclock", "xclock"},
      {"A_1=\"x y\" B='z' prog arg", "prog"},
      {"'/opt/My Tools/run me' --now", "/opt/My Tools/run me"},
      {"\"/opt/My Tools/run\\\"me\" x", "/opt/My Tools/run\"me"},
      {"/opt/My\\ Tools/run", "/opt/My Tools/run"},
      {"'a'=b prog", "a=b"},          // a quoted name is no assignment
      {"1X=2 prog", "1X=2"},          // nor is one that does not start as a name
      {"=x prog", "=x"},
      {"prog;other", "prog"},
      {"prog>out", "prog"},
      {"", ""},
      {"   ", ""},
      {"X=1", ""},
      {"# only a comment", ""},
      {"'unterminated word", "unterminated word"},
      {"trailing\\", "trailing\\"},
  };
  for (const Case& c : cases) EXPECT_EQ(ProgramWordOf(c.commandLine), c.program) << c.commandLine;
}

// Variables and the home folder come from the clock's environment, which the
// programs it starts inherit; what only running the line can tell is unknown.
TEST(AlarmProgramWord, ExpandsTheEnvironmentAndTheHomeFolderAsTheShellDoes) {
  ::setenv("HOME", "/home/desk", 1);
  ::setenv("ALARM_TOOLS", "/opt/alarm tools", 1);
  ::setenv("ALARM_PLAYER", "mpv --quiet", 1);
  ::setenv("ALARM_EMPTY", "", 1);
  ::unsetenv("ALARM_UNSET");
  struct Case {
    const char* commandLine;
    std::optional<std::string> program;
  };
  const std::optional<std::string> unknown;
  const Case cases[] = {
      {"~/bin/wake-up", "/home/desk/bin/wake-up"},
      {"~", "/home/desk"},
      {"'~'/x", "~/x"},
      {"a~/x", "a~/x"},
      {"$HOME/bin/x", "/home/desk/bin/x"},
      {"${HOME}/bin/x now", "/home/desk/bin/x"},
      {"\"$ALARM_TOOLS/ring\" 3", "/opt/alarm tools/ring"},
      {"'$HOME/x'", "$HOME/x"},
      {"\\$HOME/x", "$HOME/x"},
      {"\"\\$HOME\"", "$HOME"},
      {"cost$ 5", "cost$"},
      {"$ALARM_UNSET/bin/x", "/bin/x"},
      {"$ALARM_EMPTY xclock", "xclock"},       // an empty expansion is no word
      {"\"$ALARM_EMPTY\" xclock", ""},         // but empty quotes are one
      {"PLAYER=$ALARM_PLAYER run", "run"},     // no splitting in an assignment
      {"$ALARM_PLAYER song.ogg", unknown},     // split into words by the shell
      {"$(which xclock)", unknown},
      {"`which xclock`", unknown},
      {"\"$(which xclock)\"", unknown},
      {"${ALARM_UNSET:-xclock}", unknown},
      {"$1", unknown},
      {"~root/bin/x", unknown},
      {"A=$(date) xclock", "xclock"},
      {"A=$(echo (nested)) xclock", "xclock"},
  };
  for (const Case& c : cases) EXPECT_EQ(ProgramWordOf(c.commandLine), c.program) << c.commandLine;
  ::setenv("PATH", "/usr/bin:/bin", 1);
  EXPECT_TRUE(ProgramExists("$(which xclock)"));  // no warning for what cannot be known
  EXPECT_FALSE(ProgramExists("$ALARM_UNSET"));
  EXPECT_FALSE(ProgramExists("\"$ALARM_TOOLS/ring\""));
}

TEST(AlarmProgramCommandLine, QuotesOnlyWhatTheShellWouldSplitOrExpand) {
  struct Case {
    const char* path;
    const char* commandLine;
  };
  const Case cases[] = {
      {"/usr/bin/xclock", "/usr/bin/xclock"},
      {"/opt/tools-1.2/run_me+x,y:z@w%", "/opt/tools-1.2/run_me+x,y:z@w%"},
      {"/home/a/caf\xc3\xa9", "/home/a/caf\xc3\xa9"},
      {"/opt/My Tools/run", "'/opt/My Tools/run'"},
      {"/opt/it's", "'/opt/it'\\''s'"},
      {"/opt/$x", "'/opt/$x'"},
      {"/opt/a=b", "'/opt/a=b'"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CommandLineForPath(c.path), c.commandLine) << c.path;
    // Whatever the quoting, the shell gives back the path as the program.
    EXPECT_EQ(ProgramWordOf(CommandLineForPath(c.path).c_str()), c.path) << c.path;
  }
}

}  // namespace
