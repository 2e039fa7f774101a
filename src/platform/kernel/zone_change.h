// Who hears that the machine's time zone has changed. The clocks notice it
// (GetLocalTime looks once a second); the windows live a floor above them, so
// the window side hands the clocks a listener that tells every top-level
// window with WM_TIMECHANGE, as Win32 does.
#pragma once

namespace platform {

using ZoneChangeListener = void (*)();

// nullptr: nobody listens (no window was ever made).
void SetZoneChangeListener(ZoneChangeListener listener);

}  // namespace platform
