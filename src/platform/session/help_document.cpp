#include "platform/session/help_document.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace platform::help {

namespace {

constexpr char kHelpFileName[] = "horatick.hlp";
constexpr char kDocumentName[] = "help.html";
// An executable run from its build folder sits one or two folders below the
// source tree (build/release/horatick); further up is not ours to search.
constexpr int kSourceTreeLevels = 3;

bool EndsWithHelpFileName(const std::string& path) {
  const std::string name = kHelpFileName;
  if (path.size() < name.size()) return false;
  const std::string tail = path.substr(path.size() - name.size());
  for (std::size_t i = 0; i < name.size(); ++i) {
    const char c = tail[i];
    const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    if (lower != name[i]) return false;
  }
  return path.size() == name.size() || path[path.size() - name.size() - 1] == '/';
}

bool IsFile(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

// Characters of a path that may stand in a file address as they are; the
// rest are written as %XX.
bool KeepInAddress(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/' || c == '-' ||
         c == '_' || c == '.' || c == '~';
}

}  // namespace

bool IsClockHelpFile(const char* helpFile) { return helpFile != nullptr && EndsWithHelpFileName(helpFile); }

std::optional<std::string> FindHelpDocument(const char* helpFile) {
  if (!IsClockHelpFile(helpFile)) return std::nullopt;
  std::error_code error;
  // Folders are walked by name, not through "..", so a folder of the path
  // that does not exist (a build folder elsewhere) does not end the search.
  const std::filesystem::path base =
      std::filesystem::absolute(std::filesystem::path(helpFile), error).lexically_normal().parent_path();
  if (error) return std::nullopt;
  const std::filesystem::path candidates[] = {
      base / kDocumentName,
      base.parent_path() / "share" / "horatick" / kDocumentName,
  };
  for (const auto& candidate : candidates) {
    if (IsFile(candidate)) return candidate.string();
  }
  std::filesystem::path up = base;
  for (int level = 0; level < kSourceTreeLevels; ++level) {
    const std::filesystem::path candidate = up / "docs" / kDocumentName;
    if (IsFile(candidate)) return candidate.string();
    if (!up.has_parent_path() || up.parent_path() == up) break;
    up = up.parent_path();
  }
  return std::nullopt;
}

std::optional<std::string> HelpAddress(const std::string& document, UINT command, UINT_PTR data) {
  if (command != HELP_INDEX && command != HELP_CONTEXT) return std::nullopt;
  std::string address = "file://";
  for (unsigned char c : document) {
    if (KeepInAddress(c)) {
      address += static_cast<char>(c);
    } else {
      char escaped[4];
      std::snprintf(escaped, sizeof escaped, "%%%02X", c);
      address += escaped;
    }
  }
  if (command == HELP_CONTEXT) address += "#context-" + std::to_string(static_cast<unsigned long long>(data));
  return address;
}

}  // namespace platform::help
