// How the Windows clock reads and writes an alarm's command line.
#include <gtest/gtest.h>

#include "alarms/windows_command_line.h"

namespace {

TEST(WindowsCommandLine, TakesTheProgramAsWindowsDoesWithNoShellEscapes) {
  struct Case {
    const char* commandLine;
    const char* program;
    std::vector<std::string> candidates;
  };
  const Case cases[] = {
      {"C:\\Windows\\notepad.exe", "C:\\Windows\\notepad.exe", {"C:\\Windows\\notepad.exe"}},
      {"  notepad  C:\\notes.txt", "notepad", {"notepad", "notepad  C:\\notes.txt"}},
      {"\"C:\\Program Files\\App\\app.exe\" /now", "C:\\Program Files\\App\\app.exe",
       {"C:\\Program Files\\App\\app.exe"}},
      {"C:\\Program Files\\App\\app.exe", "C:\\Program", {"C:\\Program", "C:\\Program Files\\App\\app.exe"}},
      {"\"C:\\unended quote", "C:\\unended quote", {"C:\\unended quote"}},
      {"C:\\a$b\\it's.exe", "C:\\a$b\\it's.exe", {"C:\\a$b\\it's.exe"}},
      {"", "", {}},
      {"   ", "", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WindowsProgramWord(c.commandLine), c.program) << c.commandLine;
    EXPECT_EQ(WindowsProgramCandidates(c.commandLine), c.candidates) << c.commandLine;
  }
}

TEST(WindowsCommandLine, QuotesAChosenFileOnlyWhenItHoldsABlank) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\Windows\\notepad.exe", "C:\\Windows\\notepad.exe"},
      {"C:\\Program Files\\App\\app.exe", "\"C:\\Program Files\\App\\app.exe\""},
      {"C:\\it's $here.exe", "\"C:\\it's $here.exe\""},
  };
  for (const auto& [path, commandLine] : cases) {
    EXPECT_EQ(WindowsCommandLineForPath(path), commandLine) << path;
    EXPECT_EQ(WindowsProgramWord(WindowsCommandLineForPath(path).c_str()), path) << path;
  }
}

}  // namespace
