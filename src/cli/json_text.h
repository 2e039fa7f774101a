// Text as a JSON string, for the status bars' lines.
#pragma once

#include <string>
#include <string_view>

namespace cli {

// The text quoted and escaped as JSON requires: quote and backslash, every
// control character (C0, DEL and C1) as \uXXXX or its short form, and each
// byte that is not part of a UTF-8 character as \ufffd, so any note or
// caption gives a string every JSON reader takes.
std::string JsonString(std::string_view text);

}  // namespace cli
