// Help on Windows: today's Windows has no viewer for the old help files, so
// the clock's help is its HTML document beside the executable, opened in the
// user's browser at the section the request names ("#context-N"), as on
// Linux.
#include <string>

#include "platform/windows/windows_platform.h"

// After windows.h, which it needs.
#include <shellapi.h>

namespace {

constexpr char kHelpFileName[] = "horatick.hlp";
constexpr char kDocumentName[] = "help.html";

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// The folder part of path, separator included; empty when it has none.
std::string FolderOf(const std::string& path) {
  std::size_t end = path.size();
  while (end > 0 && !IsSeparator(path[end - 1])) --end;
  return path.substr(0, end);
}

bool NamesClockHelp(const std::string& path) {
  const std::string name = path.substr(FolderOf(path).size());
  return lstrcmpiA(name.c_str(), kHelpFileName) == 0;
}

// A file address for the document, with the characters an address may not
// hold written as %XX.
std::string FileAddress(const std::string& path) {
  std::string address = "file:///";
  for (unsigned char c : path) {
    if (c == '\\') {
      address += '/';
    } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               std::string("/-_.~:").find(static_cast<char>(c)) != std::string::npos) {
      address += static_cast<char>(c);
    } else {
      static const char kHex[] = "0123456789ABCDEF";
      address += '%';
      address += kHex[c >> 4];
      address += kHex[c & 0xF];
    }
  }
  return address;
}

}  // namespace

BOOL OpenHelpDocument(HWND hwnd, LPCSTR helpFile, UINT command, ULONG_PTR data) {
  if (command == HELP_QUIT) return TRUE;
  if (helpFile == nullptr || !NamesClockHelp(helpFile) || (command != HELP_CONTEXT && command != HELP_INDEX)) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return FALSE;
  }
  const std::string document = FolderOf(helpFile) + kDocumentName;
  if (GetFileAttributesW(platform::windows::Wide(document).c_str()) == INVALID_FILE_ATTRIBUTES) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return FALSE;
  }
  std::string address = FileAddress(document);
  if (command == HELP_CONTEXT) address += "#context-" + std::to_string(static_cast<unsigned long long>(data));
  const HINSTANCE result =
      ShellExecuteW(hwnd, L"open", platform::windows::Wide(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32 ? TRUE : FALSE;
}
