// Puts every global of the program back to its initial value, so that the
// program can be started more than once in one process (tests, benchmarks).
// Each part of the program has a Reset...State() of its own for its globals,
// declared in its header and called from ResetHoratickState().
#pragma once

void ResetHoratickState();
