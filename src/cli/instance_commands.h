// Commands that a copy started from outside (horatick --show) hands to the
// running clock through the single-instance socket.
#pragma once

namespace cli {

// Takes every command waiting on the socket and posts what it asks for to
// the clock window: "show" is the layout command, which shows the window
// again wherever it was hidden. For a driver to call while the program waits.
void TakeInstanceCommands();

}  // namespace cli
