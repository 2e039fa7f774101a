#include "base/terminal_text.h"

#include <cstdio>

namespace {

void AppendEscaped(std::string& out, unsigned value) {
  char escaped[8];
  std::snprintf(escaped, sizeof escaped, "\\x%02x", value & 0xFFu);
  out += escaped;
}

}  // namespace

std::size_t Utf8CharacterAt(std::string_view text, unsigned& codePoint) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned lead = byte(0);
  std::size_t length;
  unsigned lowest;
  if (lead < 0x80) {
    codePoint = lead;
    return 1;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, lowest = 0x80, codePoint = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, lowest = 0x800, codePoint = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, lowest = 0x10000, codePoint = lead & 0x07;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    codePoint = (codePoint << 6) | (byte(i) & 0x3F);
  }
  const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
  if (codePoint < lowest || codePoint > 0x10FFFF || surrogate) return 0;
  return length;
}

std::string TerminalLine(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  ForEachCharacter(text, [&out](const TextCharacter& c) {
    if (!c.wellFormed) {
      AppendEscaped(out, c.codePoint);
    } else if (c.codePoint == '\n' || c.codePoint == '\r') {
      out += ' ';
    } else if (IsControlCharacter(c.codePoint)) {
      AppendEscaped(out, c.codePoint);
    } else {
      out.append(c.bytes);
    }
  });
  return out;
}

bool IsUtf8(std::string_view text) {
  bool wellFormed = true;
  ForEachCharacter(text, [&wellFormed](const TextCharacter& c) { wellFormed = wellFormed && c.wellFormed; });
  return wellFormed;
}
