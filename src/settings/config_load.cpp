#include "settings/config_load.h"

#include <cstdio>
#include <cstring>

#include "settings/config_files.h"
#include "settings/config_image.h"
#include "settings/settings_files.h"

namespace {

// The profile's "Version", when present and not empty, must begin with the stamp.
bool ProfileIsOtherVersion() {
  char version[10];
  const DWORD length = GetPrivateProfileString(kProfileSection, "Version", "", version, sizeof version, kProfileFile);
  return length != 0 && std::strncmp(version, kSettingsVersion, kSettingsVersionLength) != 0;
}

void DeleteSettingsOfOtherVersion(const char* path) {
  char profilePath[MAX_PATH];
  if (SettingsFilePath(kProfileFile, profilePath, sizeof profilePath)) DeleteFile(profilePath);
  DeleteFile(path);
}

// A file that cannot be used whole is kept under another name, so that
// nothing of it is lost when the defaults are saved in its place.
void KeepDamagedFile(const char* path) {
  char keptPath[MAX_PATH];
  const int length = std::snprintf(keptPath, sizeof keptPath, "%s.bad", path);
  if (length > 0 && static_cast<std::size_t>(length) < sizeof keptPath) {
    MoveFileEx(path, keptPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  }
}

enum class FileRead { Whole, Missing, Damaged };

FileRead ReadConfigImage(const char* path, unsigned char* image) {
  HANDLE file = CreateFile(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? FileRead::Missing : FileRead::Damaged;
  }
  DWORD got = 0;
  const bool read = ReadFile(file, image, static_cast<DWORD>(kConfigFileBytes), &got, nullptr) != FALSE;
  CloseHandle(file);
  return read && got == kConfigFileBytes ? FileRead::Whole : FileRead::Damaged;
}

}  // namespace

void SetDefaultConfiguration() {
  SetDefaultPreferences(*prefs);
  for (int i = 0; i < ALARM_COUNT; ++i) SetDefaultAlarm(alarms[i]);
}

void LoadConfiguration() {
  SettingsFilePath(kConfigFile, configPath, sizeof configPath);
  LoadConfigurationFile(configPath, SettingsAccess::ReadWrite);
}

bool LoadConfigurationFile(const char* path, SettingsAccess access) {
  const bool writable = access == SettingsAccess::ReadWrite;
  if (ProfileIsOtherVersion()) {
    versionMismatch = 1;
    if (!writable) {
      // Start-up would delete both files: what it would then use is the defaults.
      SetDefaultConfiguration();
      return false;
    }
    DeleteSettingsOfOtherVersion(path);
  }
  unsigned char image[kConfigFileBytes];
  switch (ReadConfigImage(path, image)) {
    case FileRead::Missing:
      SetDefaultConfiguration();
      return true;
    case FileRead::Damaged:
      if (writable) KeepDamagedFile(path);
      versionMismatch = 1;
      SetDefaultConfiguration();
      return true;
    case FileRead::Whole:
      break;
  }
  if (std::memcmp(image, kSettingsVersion, kSettingsVersionLength) != 0) {
    versionMismatch = 1;
    SetDefaultConfiguration();
    return true;
  }
  versionMismatch = 0;
  SplitConfigImage(image, *prefs, alarms);
  RepairConfiguration(*prefs, alarms);
  return true;
}
