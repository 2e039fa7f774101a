// The table of the program's resources. A new template or icon is declared in
// resource_list.h and listed here.
#include "resources/resource_list.h"
#include "resources/resources.h"

namespace {

const DialogTemplateResource* const kDialogs[] = {
#define HORATICK_DIALOG(symbol) &symbol,
#include "resources/dialog_list.inc"
#undef HORATICK_DIALOG
    nullptr,
};

const IconResource* const kIcons[] = {
#define HORATICK_ICON(symbol) &symbol,
#include "resources/icon_list.inc"
#undef HORATICK_ICON
    nullptr,
};

}  // namespace

const ResourceModule kHoratickResources = {
    kDialogs, static_cast<int>(sizeof(kDialogs) / sizeof(kDialogs[0])) - 1,
    kHoratickStrings, kHoratickStringCount,
    kIcons, static_cast<int>(sizeof(kIcons) / sizeof(kIcons[0])) - 1,
};
