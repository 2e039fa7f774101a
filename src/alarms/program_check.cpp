#include "alarms/program_check.h"

#include <cstdio>

#include "alarms/alarm_settings_text.h"

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
};

// Reads the next word at p as the shell splits and unquotes it; false when the
// command ends first (end of text, an operator or a comment).
bool ReadShellWord(const char*& p, ShellWord& word) {
  while (IsBlank(*p)) ++p;
  if (*p == '\0' || IsOperator(*p) || *p == '#') return false;
  word = ShellWord{};
  // The word is an assignment when it starts with a name, unquoted, followed by '='.
  bool nameSoFar = true;
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

std::string ProgramWordOf(const char* commandLine) {
  const char* p = commandLine;
  ShellWord word;
  while (ReadShellWord(p, word)) {
    if (!word.assignment) return word.text;
  }
  return {};
}

bool ProgramExists(const char* commandLine) {
  const std::string program = ProgramWordOf(commandLine);
  if (program.empty()) return false;
  OFSTRUCT info{};
  return OpenFile(program.c_str(), &info, OF_EXIST) != HFILE_ERROR;
}

std::string CommandLineForPath(const char* path) {
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
  for (int i = 0; i < ALARM_COUNT; ++i) {
    const AlarmRecord& r = records[i];
    if (r.action != ALARM_ACTION_PROGRAM || r.enabled == 0) continue;
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
