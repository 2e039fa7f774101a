// The Exec line of a desktop entry, written so that a desktop's launcher
// splits it back into exactly the arguments it was made from.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace cli {

// The value of an Exec key running these arguments, already escaped for the
// entry file; nothing when an argument holds a character an Exec line cannot
// carry (a line break or another control character) or bytes that are not UTF-8.
std::optional<std::string> DesktopExecLine(const std::vector<std::string>& arguments);

}  // namespace cli
