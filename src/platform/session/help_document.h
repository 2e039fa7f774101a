// Where the help for a help request is. The program names "horatick.hlp"
// beside its executable; on this system the help is an HTML document, found
// beside the executable, then where it is installed, then in the source tree
// the executable was built in. No toolkit here, so the terminal clock can use
// it too.
#pragma once

#include <optional>
#include <string>

#include "platform/win32.h"

namespace platform::help {

// Whether helpFile names the clock's help file ("horatick.hlp", any case).
bool IsClockHelpFile(const char* helpFile);

// The HTML document that stands for helpFile; empty when helpFile is not
// the clock's help file or no document is found.
std::optional<std::string> FindHelpDocument(const char* helpFile);

// The address to open for a request: "file:///…/help.html" for HELP_INDEX
// and HELP_CONTENTS, with "#context-N" for HELP_CONTEXT N; empty for
// HELP_QUIT and for every other command.
std::optional<std::string> HelpAddress(const std::string& document, UINT command, UINT_PTR data);

}  // namespace platform::help
