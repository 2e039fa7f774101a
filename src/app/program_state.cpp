#include "app/program_state.h"

void ResetHoratickState() {
  // One call per part of the program, each resetting that part's globals.
}
