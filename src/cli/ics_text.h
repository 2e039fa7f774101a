// The text rules of iCalendar files: escaped values and folded lines.
#pragma once

#include <string>
#include <string_view>

namespace cli {

// A TEXT value: backslash, semicolon and comma escaped, a line end as "\n";
// the other control characters, which the format does not allow, become
// blanks, and a byte that is not part of a UTF-8 character becomes U+FFFD.
std::string IcsText(std::string_view text);

// One content line ("NAME:value") ended by CRLF, folded so that no line
// passes 75 octets: the continuation lines start with a blank, and a UTF-8
// character is never split across two of them.
std::string IcsLine(std::string_view line);

}  // namespace cli
