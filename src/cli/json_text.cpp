#include "cli/json_text.h"

#include <cstdio>

#include "base/terminal_text.h"

namespace cli {

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  out.reserve(text.size() + 2);
  while (!text.empty()) {
    unsigned codePoint = 0;
    std::size_t length = Utf8CharacterAt(text, codePoint);
    if (length == 0) {
      out += "\\ufffd";
      text.remove_prefix(1);
      continue;
    }
    switch (codePoint) {
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
        if (codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F)) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", codePoint);
          out += escaped;
        } else {
          out.append(text.substr(0, length));
        }
    }
    text.remove_prefix(length);
  }
  out += '"';
  return out;
}

}  // namespace cli
