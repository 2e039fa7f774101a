// Which program an alarm's command line runs, and the command line for a chosen file.
#include <gtest/gtest.h>

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
      {"\"$HOME\"", "$HOME"},
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
