// The clock's main(): everything it does is chosen by the command line.
#include "cli/cli_main.h"

int main(int argc, char** argv) { return RunCommandLine(argc, argv); }
