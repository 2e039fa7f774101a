// Work for the moment the program next waits for input, when everything the
// driver has posted so far has been taken by the core. Used where the core
// must hear two things in an order its queues would not keep (a click into
// an edit, then the place of its caret).
#pragma once

#include <functional>

namespace platform::qt {

void WhenProgramWaits(std::function<void()> work);

// Runs the work queued so far; the driver calls it as the program waits.
void RunProgramWaitWork();

}  // namespace platform::qt
