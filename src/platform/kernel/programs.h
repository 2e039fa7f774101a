// Starting other programs.
#pragma once

namespace platform {

// Runs the command line with /bin/sh -c in a session of its own and returns
// at once; the started program is never left as a zombie of the clock.
// true when the shell was started.
bool SpawnDetached(const char* commandLine);

}  // namespace platform
