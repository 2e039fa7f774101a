// The inbox: the one part of the core that threads other than the program's
// may use. Whatever is put in moves into the core's queues the next time the
// program's thread looks for a message.
#pragma once

namespace platform {

// Moves what the inbox holds into the core's queues (program's thread only).
void DrainInbox();
// Empties the inbox without delivering anything.
void ClearInbox();

}  // namespace platform
