// The listening side of the command socket, served without ever waiting on
// a peer: for single_instance.cpp, which owns the lock beside it.
#pragma once

#include <string>

namespace platform::command_socket {

// Binds and listens on path (mode 0600); false when it cannot.
bool Open(const std::string& path);

// Closes every connection and the socket, and removes its file.
void Close();

}  // namespace platform::command_socket
