// The clock as the desk's default program. Kept apart from desk.cpp so that a
// test of another program does not need the clock's code.
#include "app/entry.h"
#include "app/program_state.h"
#include "resources/resources.h"
#include "support/desk.h"

namespace desk {

Settings::Settings() : entry_(&HoratickMain), resources_(&kHoratickResources), reset_(&ResetHoratickState) {}

}  // namespace desk
