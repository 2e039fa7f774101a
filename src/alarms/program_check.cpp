#include "alarms/program_check.h"

#include <cstdio>
#include <cstring>

#include "alarms/alarm_settings_text.h"
#include "alarms/windows_command_line.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Characters that end a word when they are not quoted.
bool IsOperator(char c) {
  return c == '\n' || c == ';' || c == '&' || c == '|' || c == '<' || c == '>' || c == '(' || c == ')';
}

bool IsNameStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsNameChar(char c) { return IsNameStart(c) || (c >= '0' && c <= '9'); }

struct ShellWord {
  std::string text;
  bool assignment = false;
  // Whether anything but expansions made the word (a character or quotes):
  // a word made of expansions alone that come out empty is no word at all.
  bool literal = false;
  // False when only running the line tells what the word becomes: a command
  // substitution, a positional or special parameter, a value split in words.
  bool knowable = true;
};

// The value of an environment variable; empty when it is not set.
std::string EnvironmentValue(const std::string& name) {
  char small[256];
  const DWORD length = GetEnvironmentVariable(name.c_str(), small, sizeof small);
  if (length < sizeof small) return std::string(small, length);
  std::string value(length, '\0');
  const DWORD read = GetEnvironmentVariable(name.c_str(), value.data(), length);
  value.resize(read < length ? read : 0);
  return value;
}

bool HasBlank(const std::string& text) { return text.find_first_of(" \t\n") != std::string::npos; }

// Skips a command substitution whose "$(" or "`" is just behind p.
void SkipSubstitution(const char*& p, char open) {
  if (open == '`') {
    while (*p != '\0' && *p != '`') ++p;
    if (*p == '`') ++p;
    return;
  }
  int depth = 1;
  while (*p != '\0' && depth > 0) {
    if (*p == '(') ++depth;
    if (*p == ')') --depth;
    ++p;
  }
}

// Expands the parameter whose '$' was just read; false when the '$' starts no
// expansion and stands for itself.
bool ReadExpansion(const char*& p, ShellWord& word, bool quoted) {
  std::string name;
  if (*p == '{') {
    const char* close = std::strchr(p, '}');
    const char* n = p + 1;
    if (IsNameStart(*n)) {
      while (IsNameChar(*n)) ++n;
    }
    if (close == nullptr || n != close || n == p + 1) {
      // ${1}, ${#x}, ${x:-y} and the like depend on more than the environment.
      word.knowable = false;
      p = close != nullptr ? close + 1 : p + std::strlen(p);
      return true;
    }
    name.assign(p + 1, n);
    p = close + 1;
  } else if (IsNameStart(*p)) {
    while (IsNameChar(*p)) name += *p++;
  } else if (*p == '(') {
    ++p;
    SkipSubstitution(p, '(');
    word.knowable = false;
    return true;
  } else if ((*p >= '0' && *p <= '9') || std::strchr("@*#?-$!", *p) != nullptr) {
    if (*p != '\0') ++p;
    word.knowable = false;
    return true;
  } else {
    return false;
  }
  const std::string value = EnvironmentValue(name);
  // Outside quotes the value is split at blanks into words of its own.
  if (!quoted && !word.assignment && HasBlank(value)) word.knowable = false;
  word.text += value;
  return true;
}

// Reads the next word at p as the shell splits, expands and unquotes it;
// false when the command ends first (end of text, an operator or a comment).
bool ReadShellWord(const char*& p, ShellWord& word) {
  while (IsBlank(*p)) ++p;
  if (*p == '\0' || IsOperator(*p) || *p == '#') return false;
  word = ShellWord{};
  // A leading ~ is the home folder; ~name is another user's.
  if (*p == '~') {
    const char after = p[1];
    if (after == '\0' || after == '/' || IsBlank(after) || IsOperator(after)) {
      word.text = EnvironmentValue("HOME");
      word.literal = true;
      ++p;
    } else {
      word.knowable = false;
    }
  }
  // The word is an assignment when it starts with a name, unquoted, followed by '='.
  bool nameSoFar = word.text.empty();
  bool seenEquals = false;
  while (*p != '\0' && !IsBlank(*p) && !IsOperator(*p)) {
    const char c = *p++;
    if (!seenEquals) {
      if (c == '=' && nameSoFar && !word.text.empty()) {
        seenEquals = true;
        word.assignment = true;
      } else if (!(word.text.empty() ? IsNameStart(c) : IsNameChar(c))) {
        nameSoFar = false;
      }
    }
    if (c == '$') {
      if (ReadExpansion(p, word, false)) continue;
      word.text += c;
      word.literal = true;
      continue;
    }
    if (c == '`') {
      SkipSubstitution(p, '`');
      word.knowable = false;
      continue;
    }
    word.literal = true;
    if (c == '\\') {
      if (*p == '\n') {
        ++p;
      } else if (*p != '\0') {
        word.text += *p++;
      } else {
        word.text += c;
      }
    } else if (c == '\'') {
      while (*p != '\0' && *p != '\'') word.text += *p++;
      if (*p == '\'') ++p;
    } else if (c == '"') {
      while (*p != '\0' && *p != '"') {
        if (*p == '\\' && (p[1] == '$' || p[1] == '`' || p[1] == '"' || p[1] == '\\' || p[1] == '\n')) {
          if (p[1] != '\n') word.text += p[1];
          p += 2;
        } else if (*p == '$') {
          ++p;
          if (!ReadExpansion(p, word, true)) word.text += '$';
        } else if (*p == '`') {
          ++p;
          SkipSubstitution(p, '`');
          word.knowable = false;
        } else {
          word.text += *p++;
        }
      }
      if (*p == '"') ++p;
    } else {
      word.text += c;
    }
  }
  return true;
}

// Characters that the shell takes literally anywhere in a word.
bool IsPlainPathChar(char c) {
  return IsNameChar(c) || c == '/' || c == '.' || c == '-' || c == '+' || c == ',' || c == ':' || c == '@' ||
         c == '%' || static_cast<unsigned char>(c) >= 0x80;
}

}  // namespace

std::optional<std::string> ProgramWordOf(const char* commandLine) {
#ifdef _WIN32
  return WindowsProgramWord(commandLine);
#endif
  const char* p = commandLine;
  ShellWord word;
  while (ReadShellWord(p, word)) {
    if (word.assignment) continue;
    if (!word.knowable) return std::nullopt;
    if (word.text.empty() && !word.literal) continue;
    return word.text;
  }
  return std::string();
}

bool ProgramExists(const char* commandLine) {
#ifdef _WIN32
  // As Windows starts it: each name the line may mean, looked for where
  // Windows looks for programs, ".exe" added to a name with no extension.
  for (const std::string& candidate : WindowsProgramCandidates(commandLine)) {
    char found[MAX_PATH];
    if (SearchPathA(nullptr, candidate.c_str(), ".exe", MAX_PATH, found, nullptr) != 0) return true;
  }
  return false;
#endif
  const std::optional<std::string> program = ProgramWordOf(commandLine);
  if (!program) return true;
  if (program->empty()) return false;
  OFSTRUCT info{};
  return OpenFile(program->c_str(), &info, OF_EXIST) != HFILE_ERROR;
}

std::string CommandLineForPath(const char* path) {
#ifdef _WIN32
  return WindowsCommandLineForPath(path);
#endif
  bool plain = *path != '\0' && *path != '~';
  for (const char* p = path; *p != '\0' && plain; ++p) plain = IsPlainPathChar(*p);
  if (plain) return path;
  std::string quoted = "'";
  for (const char* p = path; *p != '\0'; ++p) {
    if (*p == '\'') {
      quoted += "'\\''";
    } else {
      quoted += *p;
    }
  }
  quoted += '\'';
  return quoted;
}

bool ConfirmAlarmPrograms(HWND dialog, const AlarmRecord* records) {
  for (int i = 0; i < kAlarmCount; ++i) {
    const AlarmRecord& r = records[i];
    if (r.action != kAlarmActionProgram || r.enabled == 0) continue;
    if (ProgramExists(FieldText(r.program, sizeof r.program).c_str())) continue;
    char text[256];
    std::snprintf(text, sizeof text,
                  "The program you have selected to run in Alarm %d does not exist. Are you sure you want to "
                  "continue with this selection?",
                  i + 1);
    if (MessageBoxEx(dialog, text, "Horatick", MB_YESNO | MB_ICONEXCLAMATION, 0) == IDNO) return false;
  }
  return true;
}
