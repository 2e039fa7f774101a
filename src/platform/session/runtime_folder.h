// The folder that holds the running copy's lock and command socket: a folder
// only the user can enter, so that no other user can take or answer for them.
#pragma once

#include <optional>
#include <string>

namespace platform {

// $XDG_RUNTIME_DIR when it is a private folder of the user's, else
// "horatick-UID" under $TMPDIR (or /tmp), made mode 0700 when missing and
// checked. Nothing, with the reason in *problem, when neither can be used.
std::optional<std::string> RuntimeFolder(std::string* problem);

// A folder, not a link to one, that user owns and nobody else may enter.
bool IsPrivateFolder(const std::string& path, unsigned user);

}  // namespace platform
