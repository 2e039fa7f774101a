// The folder that holds the clock's settings files, which the program knows
// as GetWindowsDirectory.
#pragma once

#include <string>

namespace platform {

// Uses path as the settings folder from now on (the --settings-dir option);
// nullptr or "" goes back to the folder the environment names. A relative
// path is taken from the working folder of the moment.
void SetSettingsFolder(const char* path);

// In read-only mode nothing creates the settings folder; the views of the
// command line run in it so that looking never changes anything on disk.
void SetSettingsReadOnly(bool readOnly);
bool SettingsReadOnly();

// The folder as an absolute path without a trailing '/': $HORATICK_HOME when
// set, else $XDG_CONFIG_HOME/horatick, else ~/.config/horatick, unless an
// override is in force. Creates nothing.
std::string SettingsFolderPath();

// The folder, created (with its parents, mode 0700) the first time it is
// asked for unless in read-only mode. false when it is not there afterwards.
bool EnsureSettingsFolder();

// Whether a folder may hold a user's settings: another user who can write
// it could plant links and files there that the clock would then follow.
enum class FolderTrust {
  Usable,          // the user's own, not writable by every user (or not there)
  OwnedByAnother,  // another user owns it
  WritableByAll,   // every user may write it
  NotAFolder,      // something else is there under that name (a file, say)
};
FolderTrust CheckFolderTrust(const std::string& folder, unsigned user);

// The settings folder, checked for the user running the clock.
FolderTrust CheckSettingsFolderTrust();

// Forgets the override, the read-only mode and whether the folder was made.
void ResetSettingsFolder();

}  // namespace platform
