// Names shared by the two settings files, and their full paths.
#pragma once

#include <cstddef>

inline constexpr char kProfileFile[] = "HORATICK.INI";
inline constexpr char kProfileSection[] = "Horatick";
inline constexpr char kConfigFile[] = "HORATICK.CFG";
// The stamp at the start of the configuration file and the profile's "Version".
inline constexpr char kSettingsVersion[] = "01.00";
inline constexpr std::size_t kSettingsVersionLength = 5;

// The full path of a file in the settings folder; false (and "") when it does not fit.
bool SettingsFilePath(const char* name, char* path, std::size_t size);
