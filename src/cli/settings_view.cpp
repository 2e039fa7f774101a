#include "cli/settings_view.h"

#include "base/clock_app.h"
#include "app/program_state.h"
#include "settings/alarm_record.h"
#include "settings/preferences.h"
#include "settings/profile_settings.h"
#include "platform/session/settings_folder.h"
#include "resources/resources.h"

namespace {

// The view lives as long as the process; the records need no heap.
Preferences viewPreferences;
AlarmRecord viewAlarms[kAlarmCount];

}  // namespace

void LoadSettingsView() {
  platform::SetSettingsReadOnly(true);
  ResetHoratickState();
  viewPreferences = Preferences{};
  for (AlarmRecord& r : viewAlarms) r = AlarmRecord{};
  prefs = &viewPreferences;
  alarms = viewAlarms;
  instance = RegisterResourceModule(&kHoratickResources);
  LoadSettingsReadOnly();
}
