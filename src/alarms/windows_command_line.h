// How Windows reads the command line an alarm runs: the program is the first
// word, up to a blank, or all that stands between double quotes when the line
// starts with one; nothing is expanded or escaped. The Windows clock checks
// and writes its alarms' command lines by these rules; they are built on
// every system so that they are tested everywhere.
#pragma once

#include <string>
#include <vector>

// The program word of the command line; empty when it names none.
std::string WindowsProgramWord(const char* commandLine);

// The names Windows tries, in turn, for the program of a command line whose
// first word is not quoted: a line "C:\Program Files\App\app.exe x" may mean
// "C:\Program" or "C:\Program Files\App\app.exe", as far as each blank.
std::vector<std::string> WindowsProgramCandidates(const char* commandLine);

// The command line that runs the file at path: in double quotes when it
// holds a blank, else as it stands.
std::string WindowsCommandLineForPath(const char* path);
