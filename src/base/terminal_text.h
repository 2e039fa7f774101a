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

// A C0 control, DEL or a C1 control (U+0080 to U+009F).
constexpr bool IsControlCharacter(unsigned codePoint) {
  return codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F);
}

// One step of a walk over a text: a well-formed UTF-8 character, or a byte
// that is not part of one (wellFormed false; codePoint is then the byte).
struct TextCharacter {
  std::string_view bytes;
  unsigned codePoint;
  bool wellFormed;
  std::string_view rest;  // what follows it
};

// Calls visit(TextCharacter) for each character of text in order, so that
// every reader of stored texts splits them by the same rule.
template <typename Visit>
void ForEachCharacter(std::string_view text, Visit visit) {
  while (!text.empty()) {
    unsigned codePoint = 0;
    std::size_t length = Utf8CharacterAt(text, codePoint);
    const bool wellFormed = length != 0;
    if (!wellFormed) {
      length = 1;
      codePoint = static_cast<unsigned char>(text.front());
    }
    visit(TextCharacter{text.substr(0, length), codePoint, wellFormed, text.substr(length)});
    text.remove_prefix(length);
  }
}
