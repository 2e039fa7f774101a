#include "alarms/windows_command_line.h"

#include <cstring>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string WindowsProgramWord(const char* commandLine) {
  const char* p = commandLine;
  while (IsBlank(*p)) ++p;
  if (*p == '"') {
    const char* start = p + 1;
    const char* end = std::strchr(start, '"');
    return end != nullptr ? std::string(start, end) : std::string(start);
  }
  const char* start = p;
  while (*p != '\0' && !IsBlank(*p)) ++p;
  return std::string(start, p);
}

std::vector<std::string> WindowsProgramCandidates(const char* commandLine) {
  const char* p = commandLine;
  while (IsBlank(*p)) ++p;
  if (*p == '"' || *p == '\0') {
    const std::string word = WindowsProgramWord(p);
    return word.empty() ? std::vector<std::string>{} : std::vector<std::string>{word};
  }
  std::vector<std::string> candidates;
  const std::string line = p;
  for (std::size_t i = 0; i <= line.size(); ++i) {
    if (i == line.size() || IsBlank(line[i])) {
      if (i > 0 && !IsBlank(line[i - 1])) candidates.push_back(line.substr(0, i));
    }
  }
  return candidates;
}

std::string WindowsCommandLineForPath(const char* path) {
  for (const char* p = path; *p != '\0'; ++p) {
    if (IsBlank(*p)) return std::string("\"") + path + "\"";
  }
  return path;
}
