// Fuzzes the loading of the settings: the input is a profile file and a
// configuration file (two bytes give the profile's length, the rest is the
// configuration file), loaded as start-up loads them and as the views of the
// command line do. Whatever the files hold, loading must not crash and must
// leave every listed field inside its set.
#include <cstddef>
#include <cstdint>

#include "base/clock_app.h"
#include "app/program_state.h"
#include "settings/config_files.h"
#include "settings/config_load.h"
#include "settings/preferences.h"
#include "settings/profile_settings.h"
#include "fuzz_settings.h"
#include "platform/session/settings_folder.h"

namespace {

Preferences record;
AlarmRecord table[kAlarmCount];

void Prepare(const std::uint8_t* data, std::size_t size) {
  std::size_t profileLength = 0;
  if (size >= 2) profileLength = (data[0] | (data[1] << 8)) % (size - 1);
  const std::uint8_t* profile = size >= 2 ? data + 2 : data;
  const std::size_t rest = size >= 2 ? size - 2 : 0;
  if (profileLength > rest) profileLength = rest;
  WriteFuzzFile("HORATICK.INI", profile, profileLength);
  WriteFuzzFile("HORATICK.CFG", profile + profileLength, rest - profileLength);
  std::remove((FuzzFolder() + "/HORATICK.CFG.bad").c_str());
  std::remove((FuzzFolder() + "/HORATICK.INI.bad").c_str());
}

void StartFresh() { UseFreshRecords(record, table); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  platform::SetSettingsFolder(FuzzFolder().c_str());

  Prepare(data, size);
  platform::SetSettingsReadOnly(true);
  StartFresh();
  LoadSettingsReadOnly();
  CheckLoadedSettings(record, table, pmStyle);
  platform::SetSettingsReadOnly(false);

  StartFresh();
  LoadConfiguration();
  LoadProfileSettings();
  CheckLoadedSettings(record, table, pmStyle);
  return 0;
}
