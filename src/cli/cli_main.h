// The command line of the clock, from main().
#pragma once

// Parses the arguments, chooses the settings folder and runs the mode; the exit code.
int RunCommandLine(int argc, char** argv);
