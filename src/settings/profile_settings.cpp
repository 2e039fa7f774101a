#include "settings/profile_settings.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include "base/clock_app.h"
#include "base/terminal_text.h"
#include "settings/config_image.h"
#include "settings/error_text.h"
#include "settings/settings_files.h"

namespace {

bool profileWriteFailureSaid = false;

// A decimal number as the profile holds it: leading blanks, an optional sign,
// digits; anything after the digits is ignored, no digits give 0. Numbers
// beyond 32 bits stop at the nearest end of the range rather than wrap.
std::int32_t ParseProfileNumber(const char* text) {
  while (*text == ' ' || *text == '\t') ++text;
  bool negative = false;
  if (*text == '+' || *text == '-') negative = *text++ == '-';
  long long number = 0;
  for (; *text >= '0' && *text <= '9'; ++text) {
    if (number <= INT_MAX) number = number * 10 + (*text - '0');
  }
  if (negative) number = -number;
  if (number > INT_MAX) return INT_MAX;
  if (number < INT_MIN) return INT_MIN;
  return static_cast<std::int32_t>(number);
}

// A place on the screen fits the record's 16-bit fields; beyond them it stops at the edge of the range.
std::int16_t ToPosition(long long value) {
  if (value > SHRT_MAX) return SHRT_MAX;
  if (value < SHRT_MIN) return SHRT_MIN;
  return static_cast<std::int16_t>(value);
}

struct ProfileReader {
  bool writable;
  bool usable;

  // The key's text; when missing or empty, its default is written (when
  // writable) and `used` is what counts as its value.
  std::int32_t Number(const char* key, DWORD bufferSize, const char* defaultText, const char* used) const {
    char value[80] = "";
    const DWORD length =
        usable ? GetPrivateProfileString(kProfileSection, key, "", value, bufferSize, kProfileFile) : 0;
    if (length != 0) return ParseProfileNumber(value);
    if (writable) WriteProfileKey(key, defaultText);
    return ParseProfileNumber(used);
  }

  std::int32_t Number(const char* key, DWORD bufferSize, const char* defaultText) const {
    return Number(key, bufferSize, defaultText, defaultText);
  }

  void Write(const char* key, const char* value) const {
    if (writable) WriteProfileKey(key, value);
  }
};

std::string Decimal(long long value) {
  char text[24];
  std::snprintf(text, sizeof text, "%lld", value);
  return text;
}

}  // namespace

void WriteProfileKey(const char* key, const char* value) {
  if (WritePrivateProfileString(kProfileSection, key, value, kProfileFile) || profileWriteFailureSaid) return;
  profileWriteFailureSaid = true;
  const std::string reason = LastErrorText();
  char path[MAX_PATH];
  if (!SettingsFilePath(kProfileFile, path, sizeof path)) std::snprintf(path, sizeof path, "%s", kProfileFile);
  std::fprintf(stderr,
               "horatick: The Horatick profile \"%s\" could not be written (%s), so the window's place and the "
               "settings kept there are not saved.\n",
               TerminalLine(path).c_str(), reason.c_str());
}

void ResetProfileWriteState() { profileWriteFailureSaid = false; }

void LoadProfileKeys(SettingsAccess access, bool profileUsable) {
  const ProfileReader profile{access == SettingsAccess::ReadWrite, profileUsable};
  // The whole desktop, every screen together: a clock kept on a second
  // screen stays there.
  const int screenWidth = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYVIRTUALSCREEN);

  pmStyle = RepairPmStyle(profile.Number("PMPM", 80, Decimal(pmStyle).c_str()));
  flashAlarm = profile.Number("FlashAlarm", 80, "1");
  flashHourly = profile.Number("FlashHourly", 80, "1");
  prefs->xPos = ToPosition(profile.Number("xPos", 10, Decimal(screenWidth + 10LL).c_str()));
  prefs->yPos = ToPosition(profile.Number("yPos", 10, "30"));

  // A missing "xScreen" counts as a screen of width 0: the window comes back onto the screen.
  const std::int32_t lastScreenWidth = profile.Number("xScreen", 10, Decimal(screenWidth).c_str(), "");
  if (lastScreenWidth != screenWidth) prefs->xPos = ToPosition(screenWidth + 10LL);
  if (screenWidth < prefs->xPos) prefs->xPos = ToPosition(screenWidth - 10LL);

  profile.Write("xScreen", Decimal(screenWidth).c_str());
  profile.Write("yScreen", Decimal(screenHeight).c_str());
  profile.Write("Version", kSettingsVersion);

  windowStyleExtra = WindowStyleExtraFor(*prefs);

  if (prefs->locationMode == kLocationLowerRight) {
    prefs->xPos = ToPosition(screenWidth + 10LL);
    prefs->yPos = ToPosition(static_cast<long long>(screenHeight) - 10 - charHeight);
  }
}

void LoadProfileSettings() {
  // Start-up has deleted a profile of another version by now; what is there is usable.
  LoadProfileKeys(SettingsAccess::ReadWrite, true);
}

void LoadSettingsReadOnly() {
  char path[MAX_PATH];
  SettingsFilePath(kConfigFile, path, sizeof path);
  const bool profileUsable = LoadConfigurationFile(path, SettingsAccess::ReadOnly);
  LoadProfileKeys(SettingsAccess::ReadOnly, profileUsable);
}
