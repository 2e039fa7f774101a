// The settings folder on Windows. The program keeps its files in "the Windows
// folder", as programs of its age did; today's Windows lets no user write
// there, so that folder is the user's own: %APPDATA%\Horatick, unless the
// command line or HORATICK_HOME names another, as on Linux. The profile calls
// look for a file named without a folder in the Windows folder, so they are
// pointed at the same place.
#include <cstring>

#include "platform/windows/windows_platform.h"

// After windows.h, which it needs.
#include <shlobj.h>

namespace platform::windows {

namespace {

std::string chosenFolder;

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

std::string WithoutTrailingSeparator(std::string folder) {
  while (folder.size() > 1 && (folder.back() == '\\' || folder.back() == '/') && folder[folder.size() - 2] != ':') {
    folder.pop_back();
  }
  return folder;
}

std::string DefaultFolder() {
  wchar_t home[32768];
  const DWORD homeLength = GetEnvironmentVariableW(L"HORATICK_HOME", home, 32768);
  if (homeLength > 0 && homeLength < 32768) return Utf8(home);
  wchar_t appData[MAX_PATH];
  if (SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData) != S_OK) return {};
  return Utf8(appData) + "\\Horatick";
}

// The profile file the program names: without a folder, it is in the
// settings folder; with one, it is where it says.
std::string ProfilePath(LPCSTR fileName) {
  if (fileName == nullptr) return {};
  if (std::strchr(fileName, '\\') != nullptr || std::strchr(fileName, '/') != nullptr ||
      std::strchr(fileName, ':') != nullptr) {
    return fileName;
  }
  return SettingsFolder() + "\\" + fileName;
}

}  // namespace

void SetSettingsFolder(const std::string& folder) {
  wchar_t full[32768];
  const std::wstring wide = Wide(folder);
  const DWORD length = GetFullPathNameW(wide.c_str(), 32768, full, nullptr);
  chosenFolder = WithoutTrailingSeparator(length > 0 && length < 32768 ? Utf8(full) : folder);
}

std::string SettingsFolder() {
  if (chosenFolder.empty()) chosenFolder = WithoutTrailingSeparator(DefaultFolder());
  return chosenFolder;
}

bool EnsureSettingsFolder() {
  const std::wstring folder = Wide(SettingsFolder());
  if (folder.empty()) return false;
  // Each folder on the way is made in turn; those that are there already stay.
  for (std::size_t i = 1; i <= folder.size(); ++i) {
    if (i == folder.size() || IsSeparator(folder[i])) {
      const std::wstring part = folder.substr(0, i);
      if (part.size() >= 2 && part.back() != L':') CreateDirectoryW(part.c_str(), nullptr);
    }
  }
  const DWORD attributes = GetFileAttributesW(folder.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace platform::windows

using platform::windows::SettingsFolder;

UINT GetSettingsDirectory(LPSTR buffer, UINT size) {
  const std::string folder = SettingsFolder();
  if (folder.empty()) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return 0;
  }
  if (buffer == nullptr || folder.size() + 1 > size) return static_cast<UINT>(folder.size() + 1);
  std::memcpy(buffer, folder.c_str(), folder.size() + 1);
  return static_cast<UINT>(folder.size());
}

DWORD GetProfileStringInFolder(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, DWORD size,
                               LPCSTR fileName) {
  return GetPrivateProfileStringA(section, key, defaultValue, buffer, size,
                                  platform::windows::ProfilePath(fileName).c_str());
}

UINT GetProfileIntInFolder(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR fileName) {
  return GetPrivateProfileIntA(section, key, defaultValue, platform::windows::ProfilePath(fileName).c_str());
}

BOOL WriteProfileStringInFolder(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR fileName) {
  return WritePrivateProfileStringA(section, key, value, platform::windows::ProfilePath(fileName).c_str());
}
