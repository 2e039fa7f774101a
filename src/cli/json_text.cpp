#include "cli/json_text.h"

#include <cstdio>

#include "base/terminal_text.h"

namespace cli {

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  out.reserve(text.size() + 2);
  ForEachCharacter(text, [&out](const TextCharacter& c) {
    if (!c.wellFormed) {
      out += "\\ufffd";
      return;
    }
    switch (c.codePoint) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        if (IsControlCharacter(c.codePoint)) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", c.codePoint);
          out += escaped;
        } else {
          out.append(c.bytes);
        }
    }
  });
  out += '"';
  return out;
}

}  // namespace cli
