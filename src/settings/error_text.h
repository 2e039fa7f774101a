// The words the settings files' messages give for a failed file call.
#pragma once

#include <string>

// The system's words for the last error: the C library's text for the errno
// value the error code stands for, else the code's number.
std::string LastErrorText();
