// The clock's main(): everything it does is chosen by the command line.
#include "cli/cli_main.h"
#include "cli/standard_descriptors.h"

int main(int argc, char** argv) {
  cli::OpenClosedStandardDescriptors();
  return RunCommandLine(argc, argv);
}
