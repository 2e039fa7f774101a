// The settings folder behind GetWindowsDirectory.
#include "platform/session/settings_folder.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/win32.h"

namespace {

std::string overrideFolder;
bool readOnly = false;
bool created = false;

std::string WithoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

std::string Absolute(const std::string& path) {
  if (!path.empty() && path.front() == '/') return WithoutTrailingSlashes(path);
  char cwd[MAX_PATH];
  if (::getcwd(cwd, sizeof cwd) == nullptr) return WithoutTrailingSlashes(path);
  std::string joined = cwd;
  if (joined.back() != '/') joined += '/';
  return WithoutTrailingSlashes(joined + path);
}

const char* NonEmptyEnv(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? value : nullptr;
}

std::string HomeFolder() {
  if (const char* home = NonEmptyEnv("HOME")) return home;
  if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir != nullptr) {
    return entry->pw_dir;
  }
  return "/";
}

// mkdir -p; the folders it makes are the user's alone.
bool MakeFolders(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0) return S_ISDIR(info.st_mode);
  const std::size_t slash = path.find_last_of('/');
  if (slash != std::string::npos && slash > 0 && !MakeFolders(path.substr(0, slash))) return false;
  return ::mkdir(path.c_str(), 0700) == 0 || errno == EEXIST;
}

}  // namespace

namespace platform {

void SetSettingsFolder(const char* path) {
  overrideFolder = path != nullptr && *path != '\0' ? Absolute(path) : std::string();
  created = false;
}

void SetSettingsReadOnly(bool on) { readOnly = on; }

bool SettingsReadOnly() { return readOnly; }

std::string SettingsFolderPath() {
  if (!overrideFolder.empty()) return overrideFolder;
  if (const char* home = NonEmptyEnv("HORATICK_HOME")) return Absolute(home);
  // XDG says a relative $XDG_CONFIG_HOME is to be ignored.
  if (const char* config = NonEmptyEnv("XDG_CONFIG_HOME"); config != nullptr && config[0] == '/') {
    return WithoutTrailingSlashes(std::string(config) + "/horatick");
  }
  return WithoutTrailingSlashes(HomeFolder() + "/.config/horatick");
}

bool EnsureSettingsFolder() {
  const std::string folder = SettingsFolderPath();
  if (!readOnly && !created) created = MakeFolders(folder);
  struct stat info {};
  return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

FolderTrust CheckFolderTrust(const std::string& folder, unsigned user) {
  struct stat info {};
  // A folder that is not there holds nothing to be tricked by; saving into it fails plainly.
  if (::stat(folder.c_str(), &info) != 0) return FolderTrust::Usable;
  // Settings could be neither read nor saved there: nothing to start on.
  if (!S_ISDIR(info.st_mode)) return FolderTrust::NotAFolder;
  if (info.st_uid != user) return FolderTrust::OwnedByAnother;
  // A folder of the user's own that the group may write is the user's choice.
  if ((info.st_mode & S_IWOTH) != 0) return FolderTrust::WritableByAll;
  return FolderTrust::Usable;
}

FolderTrust CheckSettingsFolderTrust() { return CheckFolderTrust(SettingsFolderPath(), ::getuid()); }

void ResetSettingsFolder() {
  overrideFolder.clear();
  readOnly = false;
  created = false;
}

}  // namespace platform

UINT GetWindowsDirectory(LPSTR buffer, UINT size) {
  platform::EnsureSettingsFolder();
  const std::string folder = platform::SettingsFolderPath();
  // As on Windows: a buffer too small gets nothing and the size it needs, zero included.
  if (buffer == nullptr || size <= folder.size()) return static_cast<UINT>(folder.size() + 1);
  std::memcpy(buffer, folder.c_str(), folder.size() + 1);
  return static_cast<UINT>(folder.size());
}
