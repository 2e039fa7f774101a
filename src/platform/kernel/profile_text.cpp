#include "platform/kernel/profile_text.h"

#include <cstddef>
#include <utility>

namespace platform::profile {

enum class LineKind { Blank, Comment, Section, Key, Other };

struct ParsedProfile::Line {
  std::size_t begin = 0;      // offset of the line in the file
  std::size_t length = 0;     // without its line end
  std::size_t endLength = 0;  // 0, 1 ("\n" or "\r") or 2 ("\r\n")
  LineKind kind = LineKind::Other;
  std::string_view name;   // the section's or key's name, trimmed
  std::string_view value;  // a key's value, trimmed, quotes kept
  std::size_t valueOffset = 0;  // where a key's value begins within the line, after blanks
  int section = -1;        // index of the section header that the line belongs to
};

namespace {

using Line = ParsedProfile::Line;

long parseCount = 0;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

char FoldCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return true;
}

std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

void Classify(std::string_view file, Line& line, int& currentSection, int lineIndex) {
  std::string_view text = file.substr(line.begin, line.length);
  // A byte-order mark left by an editor does not hide the first header.
  if (line.begin == 0 && text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  const std::string_view trimmed = Trim(text);
  if (trimmed.empty()) {
    line.kind = LineKind::Blank;
  } else if (trimmed.front() == ';') {
    line.kind = LineKind::Comment;
  } else if (trimmed.front() == '[') {
    const std::size_t close = trimmed.find(']');
    line.kind = LineKind::Section;
    line.name = Trim(trimmed.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
    currentSection = lineIndex;
  } else if (const std::size_t equals = text.find('='); equals != std::string_view::npos && currentSection >= 0) {
    line.name = Trim(text.substr(0, equals));
    line.kind = line.name.empty() ? LineKind::Other : LineKind::Key;
    std::size_t start = equals + 1;
    while (start < text.size() && IsBlank(text[start])) ++start;
    line.value = Trim(text.substr(start));
    line.valueOffset = static_cast<std::size_t>(text.data() - file.data()) - line.begin + start;
  } else {
    line.kind = LineKind::Other;
  }
  line.section = currentSection;
}

std::vector<Line> SplitLines(std::string_view file) {
  std::vector<Line> lines;
  if (!file.empty()) ++parseCount;
  int currentSection = -1;
  std::size_t pos = 0;
  while (pos < file.size()) {
    Line line;
    line.begin = pos;
    std::size_t end = pos;
    while (end < file.size() && file[end] != '\n' && file[end] != '\r') ++end;
    line.length = end - pos;
    if (end < file.size()) {
      line.endLength = (file[end] == '\r' && end + 1 < file.size() && file[end + 1] == '\n') ? 2 : 1;
    }
    Classify(file, line, currentSection, static_cast<int>(lines.size()));
    lines.push_back(line);
    pos = end + line.endLength;
  }
  return lines;
}

// The index of the header line of the first section of that name, or -1.
int FindSection(const std::vector<Line>& lines, std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].kind == LineKind::Section && SameName(lines[i].name, section)) return static_cast<int>(i);
  }
  return -1;
}

int FindKey(const std::vector<Line>& lines, int header, std::string_view key) {
  for (std::size_t i = static_cast<std::size_t>(header) + 1; i < lines.size() && lines[i].section == header; ++i) {
    if (lines[i].kind == LineKind::Key && SameName(lines[i].name, key)) return static_cast<int>(i);
  }
  return -1;
}

std::string_view LineEndOf(std::string_view file, const std::vector<Line>& lines) {
  for (const Line& line : lines) {
    if (line.endLength > 0) return file.substr(line.begin + line.length, line.endLength);
  }
  return "\n";
}

// Appends the line with its own end, or with the file's line end when it had none.
void AppendLine(std::string& out, std::string_view file, const Line& line, std::string_view lineEnd) {
  out.append(file.substr(line.begin, line.length));
  if (line.endLength > 0) {
    out.append(file.substr(line.begin + line.length, line.endLength));
  } else {
    out.append(lineEnd);
  }
}

std::string WithSectionRemoved(std::string_view file, const std::vector<Line>& lines, std::string_view section) {
  std::string out;
  for (const Line& line : lines) {
    const bool inRemoved = line.section >= 0 && SameName(lines[static_cast<std::size_t>(line.section)].name, section);
    if (!inRemoved) out.append(file.substr(line.begin, line.length + line.endLength));
  }
  return out;
}

std::string WithKeyRemoved(std::string_view file, const std::vector<Line>& lines, int header, std::string_view key) {
  std::string out;
  for (const Line& line : lines) {
    const bool removed = line.section == header && line.kind == LineKind::Key && SameName(line.name, key);
    if (!removed) out.append(file.substr(line.begin, line.length + line.endLength));
  }
  return out;
}

}  // namespace

ParsedProfile::ParsedProfile(std::string text) : text_(std::move(text)), lines_(SplitLines(text_)) {}

ParsedProfile::~ParsedProfile() = default;

long ProfileParseCount() { return parseCount; }

std::optional<std::string> FindValue(std::string_view file, std::string_view section, std::string_view key) {
  return FindValue(ParsedProfile(std::string(file)), section, key);
}

std::vector<std::string> SectionNames(std::string_view file) { return SectionNames(ParsedProfile(std::string(file))); }

std::optional<std::vector<std::string>> KeyNames(std::string_view file, std::string_view section) {
  return KeyNames(ParsedProfile(std::string(file)), section);
}

std::string WithValue(std::string_view file, std::string_view section, const char* key, const char* value) {
  return WithValue(ParsedProfile(std::string(file)), section, key, value);
}

std::optional<std::string> FindValue(const ParsedProfile& file, std::string_view section, std::string_view key) {
  const std::vector<Line>& lines = file.Lines();
  const int header = FindSection(lines, Trim(section));
  if (header < 0) return std::nullopt;
  const int found = FindKey(lines, header, Trim(key));
  if (found < 0) return std::nullopt;
  return std::string(Unquote(lines[static_cast<std::size_t>(found)].value));
}

std::vector<std::string> SectionNames(const ParsedProfile& file) {
  std::vector<std::string> names;
  const std::vector<Line>& lines = file.Lines();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].kind == LineKind::Section && FindSection(lines, lines[i].name) == static_cast<int>(i)) {
      names.emplace_back(lines[i].name);
    }
  }
  return names;
}

std::optional<std::vector<std::string>> KeyNames(const ParsedProfile& file, std::string_view section) {
  const std::vector<Line>& lines = file.Lines();
  const int header = FindSection(lines, Trim(section));
  if (header < 0) return std::nullopt;
  std::vector<std::string> names;
  for (std::size_t i = static_cast<std::size_t>(header) + 1; i < lines.size() && lines[i].section == header; ++i) {
    if (lines[i].kind == LineKind::Key && FindKey(lines, header, lines[i].name) == static_cast<int>(i)) {
      names.emplace_back(lines[i].name);
    }
  }
  return names;
}

bool IsWritableText(std::string_view text) {
  return text.find_first_of("\r\n") == std::string_view::npos;
}

std::string WithValue(const ParsedProfile& parsed, std::string_view sectionArg, const char* keyArg, const char* value) {
  const std::string_view file = parsed.Text();
  const std::vector<Line>& lines = parsed.Lines();
  const std::string_view section = Trim(sectionArg);
  if (keyArg == nullptr) return WithSectionRemoved(file, lines, section);
  const std::string_view key = Trim(keyArg);
  const int header = FindSection(lines, section);
  if (value == nullptr) {
    return header < 0 ? std::string(file) : WithKeyRemoved(file, lines, header, key);
  }
  const std::string_view lineEnd = LineEndOf(file, lines);
  std::string out;
  out.reserve(file.size() + key.size() + std::char_traits<char>::length(value) + section.size() + 8);
  if (header < 0) {
    for (const Line& line : lines) AppendLine(out, file, line, lineEnd);
    out.append("[").append(section).append("]").append(lineEnd);
    out.append(key).append("=").append(value).append(lineEnd);
    return out;
  }
  const int found = FindKey(lines, header, key);
  // Without the key, the new line goes after the section's last key (or its header).
  int insertAfter = found < 0 ? header : -1;
  if (found < 0) {
    for (std::size_t i = static_cast<std::size_t>(header) + 1; i < lines.size() && lines[i].section == header; ++i) {
      if (lines[i].kind == LineKind::Key) insertAfter = static_cast<int>(i);
    }
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Line& line = lines[i];
    if (static_cast<int>(i) == found) {
      // The key keeps its spelling and the blanks around its '='.
      out.append(file.substr(line.begin, line.valueOffset)).append(value);
      out.append(line.endLength > 0 ? file.substr(line.begin + line.length, line.endLength) : std::string_view());
      continue;
    }
    if (static_cast<int>(i) == insertAfter) {
      AppendLine(out, file, line, lineEnd);
      out.append(key).append("=").append(value).append(lineEnd);
      continue;
    }
    out.append(file.substr(line.begin, line.length + line.endLength));
  }
  return out;
}

}  // namespace platform::profile
