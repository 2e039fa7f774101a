// Whether the program an alarm runs exists, and the command line that runs a chosen file.
#pragma once

#include <optional>
#include <string>

#include "settings/alarm_record.h"
#include "platform/win32.h"

// On Windows these follow Windows' rules instead (windows_command_line.h).

// The program a command line runs: its first word after any NAME=value
// assignments, with $NAME, ${NAME} and a leading ~ expanded from the
// environment and quotes and backslashes removed, as the shell does. Empty
// when the line names no program; nothing when only running the line can
// tell (a command substitution, a positional parameter, a value that the
// shell would split into several words).
std::optional<std::string> ProgramWordOf(const char* commandLine);

// True when the program that the command line runs is a file: tested as a path
// when it holds a '/', else looked up in the search path. A program that only
// running the line can tell counts as there: the warning is for programs that
// are surely missing.
bool ProgramExists(const char* commandLine);

// The command line that runs the file at path: the path itself when the shell
// takes it as one word as it stands, else the path in single quotes.
std::string CommandLineForPath(const char* path);

// Warns about each enabled alarm, lowest number first, whose program is
// missing, and asks whether to go on; false as soon as the answer is No.
bool ConfirmAlarmPrograms(HWND dialog, const AlarmRecord* records);
