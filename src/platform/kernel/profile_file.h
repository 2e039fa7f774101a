// Reading a profile file whole and replacing it atomically, through the file
// calls of win32.h so that their injected failures reach the profile too.
#pragma once

#include <memory>
#include <string>

#include "platform/kernel/profile_text.h"

namespace platform::profile {

enum class ReadResult { Read, Missing, Failed };

// The full path of a profile file: a name without '/' is the file of that
// name in the settings folder.
std::string ProfilePath(const char* fileName);

// The whole file; Missing when it is not there, Failed when it is there but
// cannot be read (or is larger than a profile file can sensibly be).
ReadResult ReadWholeFile(const std::string& path, std::string& text);

// The whole file, parsed. The parse is kept between calls while the file on
// disk stays the same (device, inode, size and modification time to the
// nanosecond), so a large profile is read and split once however many keys
// are looked up. Missing or Failed give an empty profile; GetLastError says
// why a read failed.
ReadResult ReadParsedFile(const std::string& path, std::shared_ptr<const ParsedProfile>& parsed);

// Drops the kept parse, as every write of the clock's own does.
void ForgetParsedFile();

// Writes the text to a new file beside path, flushes it and renames it over
// path. false, with path untouched and no temporary file left, when any step fails.
bool ReplaceFile(const std::string& path, const std::string& text);

}  // namespace platform::profile
