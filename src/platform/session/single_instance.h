// One running copy of the clock per settings folder, and the way a copy
// started from outside (horatick --show) hands a command to the running one.
//
// The running copy holds an advisory lock on "horatick-HASH.lock" and listens
// on the Unix socket "horatick-HASH.sock", both in the runtime folder (see
// runtime_folder.h), HASH made from the settings folder's real path: so two
// names for one folder share one lock, and a read-only settings folder still
// gets one. It also holds a lock on the settings folder itself
// (folder_lock.h), which every clock on that folder meets whatever its
// runtime folder is. The socket is mode 0600; each side checks that the other is the
// same user. A command is one line of text ("show"), answered "ok".
#pragma once

#include <functional>
#include <string>

namespace platform {

enum class InstanceStart {
  Alone,        // the lock is ours (the socket too, when it could be made)
  AnotherRuns,  // another copy holds the lock
  NoLock,       // no lock can be taken; running would risk two copies on one folder
};

// Takes the lock for the current settings folder and opens the command
// socket. For NoLock, *problem says why.
InstanceStart AcquireSingleInstance(std::string* problem = nullptr);

// One descriptor for a driver to watch while it waits: readable when a
// connection, a line of a command or the deadline of a slow peer is waiting
// to be dealt with. -1 when there is no socket.
int SingleInstanceSocketFd();

// Does a bounded share of the socket's work and hands each command that is
// complete to onCommand; never waits. A peer gets a short time to send its
// line, then is dropped; only so many connections are kept at once.
void PollInstanceCommands(const std::function<void(const std::string& command)>& onCommand);

enum class SendResult {
  Answered,          // the running copy took the command
  NoClock,           // none runs for this settings folder (or it did not answer)
  PermissionDenied,  // what answers, or the runtime folder, is another user's
};

// Sends the command to the copy running for the current settings folder and
// waits (a few seconds at most) for its answer.
SendResult SendInstanceCommand(const char* command);

// Closes the socket, removes its file and drops the lock.
void ReleaseSingleInstance();

// The lock's and the socket's paths for the current settings folder; empty
// when the runtime folder cannot be used.
std::string InstanceLockPath();
std::string InstanceSocketPath();

}  // namespace platform
