// Reading a profile file whole and replacing it atomically, through the file
// calls of win32.h so that their injected failures reach the profile too.
#pragma once

#include <string>

namespace platform::profile {

enum class ReadResult { Read, Missing, Failed };

// The full path of a profile file: a name without '/' is the file of that
// name in the settings folder.
std::string ProfilePath(const char* fileName);

// The whole file; Missing when it is not there, Failed when it is there but
// cannot be read (or is larger than a profile file can sensibly be).
ReadResult ReadWholeFile(const std::string& path, std::string& text);

// Writes the text to a new file beside path, flushes it and renames it over
// path. false, with path untouched and no temporary file left, when any step fails.
bool ReplaceFile(const std::string& path, const std::string& text);

}  // namespace platform::profile
