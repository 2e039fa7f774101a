#include "settings/config_load.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "base/terminal_text.h"
#include "settings/config_files.h"
#include "settings/config_image.h"
#include "settings/damaged_copies.h"
#include "settings/error_text.h"
#include "settings/settings_files.h"

std::string unreadableConfigNotice;
std::string keptFilesNote;

namespace {

// The profile's "Version", when present and not empty, must begin with the stamp.
bool ProfileIsOtherVersion() {
  char version[10];
  const DWORD length = GetPrivateProfileString(kProfileSection, "Version", "", version, sizeof version, kProfileFile);
  return length != 0 && std::strncmp(version, kSettingsVersion, kSettingsVersionLength) != 0;
}

// Moves a settings file that is not used into its .bad generations before
// the defaults are saved in its place, and says where in the version
// notice's last sentences. `what` is the file as the notice names it.
void KeepUnusedFile(const char* path, const char* what) {
  if (KeepDamagedFile(path)) {
    keptFilesNote += std::string(" The ") + what + " was kept as \"" + TerminalLine(path) + ".bad\".";
  } else {
    keptFilesNote += std::string(" The ") + what + " could not be kept aside (" + LastErrorText() + ").";
  }
}

// Missing: there is none yet. Short: a file too short to be ours (another
// version's). Unreadable: the system refused it (permission, a folder of that
// name, a failing disk): nothing is known of what it holds.
enum class FileRead { Whole, Missing, Short, Unreadable };

FileRead ReadConfigImage(const char* path, unsigned char* image, std::string& reason) {
  HANDLE file = CreateFile(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return FileRead::Missing;
    reason = LastErrorText();
    return FileRead::Unreadable;
  }
  DWORD got = 0;
  const bool read = ReadFile(file, image, static_cast<DWORD>(kConfigFileBytes), &got, nullptr) != FALSE;
  if (!read) reason = LastErrorText();
  CloseHandle(file);
  if (!read) return FileRead::Unreadable;
  return got == kConfigFileBytes ? FileRead::Whole : FileRead::Short;
}

// Says so on standard error at once (the terminal clock, and whoever started
// the desktop clock, see it there) and keeps the words for the clock's box.
void ReportUnreadableFile(const char* path, const std::string& reason, bool kept, const std::string& keepReason,
                          bool writable) {
  // The path is shown escaped: a control byte in a folder's name must not
  // reach the terminal as it is.
  const std::string shownPath = TerminalLine(path);
  std::string notice = "The Horatick configuration file \"" + shownPath + "\" could not be read (" + reason +
                       "), so the default settings are used.";
  if (!writable) {
    notice += " The file was left as it is.";
  } else if (kept) {
    notice += " The file was kept as \"" + shownPath + ".bad\".";
  } else {
    notice += " The file could not be kept aside (" + keepReason + ").";
  }
  std::fprintf(stderr, "horatick: %s\n", notice.c_str());
  unreadableConfigNotice = notice;
}

}  // namespace

void SetDefaultConfiguration() {
  SetDefaultPreferences(*prefs);
  for (int i = 0; i < kAlarmCount; ++i) SetDefaultAlarm(alarms[i]);
}

void LoadConfiguration() {
  SettingsFilePath(kConfigFile, configPath, sizeof configPath);
  LoadConfigurationFile(configPath, SettingsAccess::ReadWrite);
}

bool LoadConfigurationFile(const char* path, SettingsAccess access) {
  const bool writable = access == SettingsAccess::ReadWrite;
  keptFilesNote.clear();
  const bool otherVersion = ProfileIsOtherVersion();
  if (otherVersion && !writable) {
    // Start-up would put both files aside: what it would then use is the defaults.
    versionMismatch = 1;
    SetDefaultConfiguration();
    return false;
  }
  unsigned char image[kConfigFileBytes];
  std::string reason;
  const FileRead read = ReadConfigImage(path, image, reason);
  if (otherVersion) {
    // Settings of another version are not used, but what they hold is not
    // lost either (a mistyped Version= would otherwise take every alarm):
    // both files go to their .bad generations instead of being deleted.
    versionMismatch = 1;
    if (read != FileRead::Missing) KeepUnusedFile(path, "file");
    char profilePath[MAX_PATH];
    if (SettingsFilePath(kProfileFile, profilePath, sizeof profilePath)) KeepUnusedFile(profilePath, "profile");
    SetDefaultConfiguration();
    return true;
  }
  switch (read) {
    case FileRead::Missing:
      SetDefaultConfiguration();
      return true;
    case FileRead::Short:
      if (writable) KeepUnusedFile(path, "file");
      versionMismatch = 1;
      SetDefaultConfiguration();
      return true;
    case FileRead::Unreadable: {
      const bool kept = writable && KeepDamagedFile(path);
      const std::string keepReason = writable && !kept ? LastErrorText() : std::string();
      ReportUnreadableFile(path, reason, kept, keepReason, writable);
      SetDefaultConfiguration();
      return true;
    }
    case FileRead::Whole:
      break;
  }
  if (std::memcmp(image, kSettingsVersion, kSettingsVersionLength) != 0) {
    // Another version's file, or ours with a damaged header: either way the
    // alarms in it stay in the kept copy.
    versionMismatch = 1;
    if (writable) KeepUnusedFile(path, "file");
    SetDefaultConfiguration();
    return true;
  }
  versionMismatch = 0;
  SplitConfigImage(image, *prefs, alarms);
  RepairConfiguration(*prefs, alarms);
  return true;
}

void ResetConfigLoadState() {
  unreadableConfigNotice.clear();
  keptFilesNote.clear();
}
