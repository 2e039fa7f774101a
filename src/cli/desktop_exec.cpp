#include "cli/desktop_exec.h"

#include "base/terminal_text.h"

namespace cli {

namespace {

// The characters after which a launcher's word splitting would no longer
// give back the argument as it is, unless it is quoted.
constexpr char kReserved[] = " \t\"'\\><~|&;$*?#()`";

std::optional<std::string> QuotedArgument(const std::string& argument) {
  // An entry is UTF-8 text: one that is not is skipped by the desktops.
  if (!IsUtf8(argument)) return std::nullopt;
  const bool quote = argument.empty() || argument.find_first_of(kReserved) != std::string::npos;
  std::string word;
  if (quote) word += '"';
  for (const char c : argument) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return std::nullopt;
    if (c == '%') {
      // A lone % starts a field code such as %f.
      word += "%%";
      continue;
    }
    if (quote && (c == '"' || c == '`' || c == '$' || c == '\\')) word += '\\';
    word += c;
  }
  if (quote) word += '"';
  return word;
}

}  // namespace

std::optional<std::string> DesktopExecLine(const std::vector<std::string>& arguments) {
  std::string line;
  for (const std::string& argument : arguments) {
    const auto word = QuotedArgument(argument);
    if (!word) return std::nullopt;
    if (!line.empty()) line += ' ';
    line += *word;
  }
  // The entry file's own escape comes on top of the quoting: a backslash is
  // written twice.
  std::string escaped;
  for (const char c : line) {
    if (c == '\\') escaped += '\\';
    escaped += c;
  }
  return escaped;
}

}  // namespace cli
