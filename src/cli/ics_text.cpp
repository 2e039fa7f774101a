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
  ForEachCharacter(text, [&out](const TextCharacter& c) {
    if (!c.wellFormed) {
      out += kReplacement;
    } else if (c.codePoint == '\\' || c.codePoint == ';' || c.codePoint == ',') {
      out += '\\';
      out += static_cast<char>(c.codePoint);
    } else if (c.codePoint == '\n') {
      out += "\\n";
    } else if (c.codePoint == '\r' && !c.rest.empty() && c.rest.front() == '\n') {
      // A CRLF is one line end.
    } else if (IsControlCharacter(c.codePoint)) {
      out += ' ';
    } else {
      out.append(c.bytes);
    }
  });
  return out;
}

std::string IcsLine(std::string_view line) {
  std::string out;
  std::size_t used = 0;
  ForEachCharacter(line, [&out, &used](const TextCharacter& c) {
    if (used + c.bytes.size() > kMostOctets) {
      out += "\r\n ";
      used = 1;
    }
    out.append(c.bytes);
    used += c.bytes.size();
  });
  out += "\r\n";
  return out;
}

}  // namespace cli
