// Text made safe to print on a terminal: what the settings files hold, and
// the paths and arguments that messages name.
#pragma once

#include <string>
#include <string_view>

// The text as one line a terminal shows as it is: line ends become blanks,
// the other C0 controls, DEL and the C1 controls (U+0080 to U+009F) become
// "\xNN", and so does each byte that is not part of a UTF-8 character, so
// that no escape sequence in a note or caption reaches the terminal.
std::string TerminalLine(std::string_view text);

// Whether every byte of text belongs to a well-formed UTF-8 character.
bool IsUtf8(std::string_view text);

// The length of the well-formed UTF-8 character at the start of text (not
// empty), and its code point; 0 when the bytes there are not one.
std::size_t Utf8CharacterAt(std::string_view text, unsigned& codePoint);
