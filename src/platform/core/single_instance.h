// One running copy of the clock per settings folder, and the way a copy
// started from outside (horatick --show) hands a command to the running one.
//
// The running copy holds an advisory lock on "horatick.lock" in the settings
// folder and listens on a Unix socket, "horatick.sock" in that folder (or a
// name made from the folder in $XDG_RUNTIME_DIR when the path is too long for
// a socket address). The socket is mode 0600 and a connection from another
// user is refused. A command is one line of text ("show"), answered "ok".
#pragma once

#include <functional>
#include <string>

namespace platform {

// Takes the lock for the current settings folder (creating the folder when
// needed) and opens the command socket. false only when another copy holds
// the lock; when no lock can be made at all (a read-only disk) the clock runs
// without one and this returns true.
bool AcquireSingleInstance();

// The listening socket, for a driver to watch while it waits (readable means
// a command may be waiting); -1 when there is none.
int SingleInstanceSocketFd();

// Takes every command waiting on the socket and hands each to onCommand.
// Never blocks for long: a peer gets a short time to send its line.
void PollInstanceCommands(const std::function<void(const std::string& command)>& onCommand);

// Sends the command to the copy running for the current settings folder and
// waits for its answer. false when no copy runs or it did not answer.
bool SendInstanceCommand(const char* command);

// Closes the socket, removes its file and drops the lock.
void ReleaseSingleInstance();

// The socket's path for the current settings folder.
std::string InstanceSocketPath();

}  // namespace platform
