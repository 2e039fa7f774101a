#include "cli/ics_text.h"

#include "base/terminal_text.h"

namespace cli {
namespace {

constexpr std::size_t kMostOctets = 75;
constexpr char kReplacement[] = "\xEF\xBF\xBD";

}  // namespace

std::string IcsText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    unsigned codePoint = 0;
    const std::size_t length = Utf8CharacterAt(text, codePoint);
    if (length == 0) {
      out += kReplacement;
      text.remove_prefix(1);
      continue;
    }
    if (codePoint == '\\' || codePoint == ';' || codePoint == ',') {
      out += '\\';
      out += static_cast<char>(codePoint);
    } else if (codePoint == '\n') {
      out += "\\n";
    } else if (codePoint == '\r' && text.size() > 1 && text[1] == '\n') {
      // A CRLF is one line end.
    } else if (codePoint < 0x20 || codePoint == 0x7F || (codePoint >= 0x80 && codePoint <= 0x9F)) {
      out += ' ';
    } else {
      out.append(text.substr(0, length));
    }
    text.remove_prefix(length);
  }
  return out;
}

std::string IcsLine(std::string_view line) {
  std::string out;
  std::size_t used = 0;
  while (!line.empty()) {
    unsigned codePoint = 0;
    std::size_t length = Utf8CharacterAt(line, codePoint);
    if (length == 0) length = 1;
    if (used + length > kMostOctets) {
      out += "\r\n ";
      used = 1;
    }
    out.append(line.substr(0, length));
    used += length;
    line.remove_prefix(length);
  }
  out += "\r\n";
  return out;
}

}  // namespace cli
