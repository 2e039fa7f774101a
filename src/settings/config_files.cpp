// Loading and saving the configuration file. A save writes a new file beside
// the old one and renames it over, so a failure at any step leaves the old
// file whole; the saved copies move on only once the new file is in place.
#include "settings/config_files.h"

#include <cstdio>
#include <cstring>

#include "base/clock_app.h"
#include "base/path_text.h"
#include "settings/config_image.h"
#include "settings/settings_files.h"
#include "resources/resources.h"

char configPath[MAX_PATH];
Preferences savedPreferences;
AlarmRecord savedAlarms[kAlarmCount];
std::int32_t programEnding;

namespace {

// Set when error 1010 has been shown; cleared by the next save that works.
bool saveFailureShown = false;

void EnsureConfigPath() {
  if (configPath[0] == '\0') SettingsFilePath(kConfigFile, configPath, sizeof configPath);
}

bool WriteWhole(HANDLE file, const unsigned char* bytes, DWORD size) {
  DWORD written = 0;
  return WriteFile(file, bytes, size, &written, nullptr) && written == size;
}

// A new file beside path, named for this process (".NAME.tmp-PID-N") and
// created exclusively, so that nothing planted under that name is written.
// The sweep after the next successful replace knows the name.
HANDLE CreateTemporaryBeside(const char* path, char* temporary, std::size_t size) {
  static int counter = 0;
  const char* slash = LastPathSeparator(path);
  const int folderLength = slash != nullptr ? static_cast<int>(slash - path + 1) : 0;
  const char* base = path + folderLength;
  for (int attempt = 0; attempt < 8; ++attempt) {
    const int length = std::snprintf(temporary, size, "%.*s.%s.tmp-%lu-%d", folderLength, path, base,
                                     static_cast<unsigned long>(GetCurrentProcessId()), ++counter);
    if (length < 0 || static_cast<std::size_t>(length) >= size) return INVALID_HANDLE_VALUE;
    HANDLE file = CreateFile(temporary, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_ALREADY_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

// The new file is complete and on disk before it takes the old one's name.
bool WriteConfigurationFile() {
  EnsureConfigPath();
  if (configPath[0] == '\0') return false;
  unsigned char image[kConfigFileBytes];
  ComposeConfigImage(*prefs, alarms, image);
  char temporary[MAX_PATH];
  HANDLE file = CreateTemporaryBeside(configPath, temporary, sizeof temporary);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = WriteWhole(file, image, static_cast<DWORD>(sizeof image));
  ok = ok && FlushFileBuffers(file);
  ok = CloseHandle(file) && ok;
  ok = ok && MoveFileEx(temporary, configPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!ok) DeleteFile(temporary);
  return ok;
}

void ReportSaveFailure(HWND owner) {
  if (programEnding) {
    // Ending the program must not wait on a box nobody may be there to answer.
    char text[256];
    if (LoadString(instance, IDS_CANNOT_SAVE_CONFIG, text, sizeof text) <= 0) {
      std::snprintf(text, sizeof text, "Unable to save Horatick configuration file");
    }
    std::fprintf(stderr, "horatick: Error H%d: %s\n", static_cast<int>(IDS_CANNOT_SAVE_CONFIG), text);
    return;
  }
  if (saveFailureShown) return;
  // Marked before the box opens: ticks handled inside its loop may save again.
  saveFailureShown = true;
  ShowErrorBox(owner, IDS_CANNOT_SAVE_CONFIG);
}

}  // namespace

int SaveConfiguration(HWND owner) {
  const bool changed = std::memcmp(prefs, &savedPreferences, sizeof savedPreferences) != 0 ||
                       std::memcmp(alarms, savedAlarms, sizeof savedAlarms) != 0;
  if (!changed) return 0;
  if (!WriteConfigurationFile()) {
    ReportSaveFailure(owner);
    return 0;
  }
  std::memcpy(&savedPreferences, prefs, sizeof savedPreferences);
  std::memcpy(savedAlarms, alarms, sizeof savedAlarms);
  saveFailureShown = false;
  return 1;
}

void ResetConfigFilesState() {
  configPath[0] = '\0';
  savedPreferences = Preferences{};
  for (AlarmRecord& r : savedAlarms) r = AlarmRecord{};
  programEnding = 0;
  saveFailureShown = false;
}
