// What the Windows platform's own files share: the settings folder, the text
// conversions and the log that stands in for standard error.
#pragma once

#include <string>

#include "platform/win32.h"

namespace platform::windows {

// UTF-8 to UTF-16 and back; text that is not valid comes out with the
// replacement character where the bad bytes were.
std::wstring Wide(const std::string& text);
std::string Utf8(const std::wstring& text);

// The settings folder: the one named with --settings-dir, else
// %HORATICK_HOME%, else %APPDATA%\Horatick. Never ends in a separator.
void SetSettingsFolder(const std::string& folder);
std::string SettingsFolder();
// Creates the settings folder and the folders above it; false when it is not
// a folder afterwards.
bool EnsureSettingsFolder();

// A GUI program has no standard error: what the clock writes there goes to
// horatick.log in the settings folder instead, opened only when there is
// something to write.
void SendStandardErrorToLog();

}  // namespace platform::windows
