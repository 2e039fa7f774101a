// The About box: the program's icon, name and version, notes for users and
// where to send comments.
#include "resources/control_ids.h"
#include "resources/resource_list.h"
#include "resources/template_styles.h"

namespace {

using namespace template_style;

#ifdef _WIN32
constexpr char kVersionLine[] = "Version 1.0.0 for Windows, December 2026";
#else
constexpr char kVersionLine[] = "Version 1.0.0 for Linux, December 2026";
#endif

const DialogItemTemplate kItems[] = {
    {"STATIC", kIcon, IDC_ABOUT_ICON, "Horatick", 8, 8, 18, 20},
    {"STATIC", kCentredLabel, IDC_ABOUT_NAME, "Horatick", 36, 8, 156, 10},
    {"STATIC", kCentredLabel, IDC_ABOUT_VERSION, kVersionLine, 36, 19, 156, 8},
    {"STATIC", kCentredLabel, IDC_ABOUT_SUMMARY, "A desk clock with alarms and timers", 36, 28, 156, 8},
    {"STATIC", kRule, IDC_ABOUT_RULE, "", 104, 40, 20, 2},
    {"STATIC", kLabel, IDC_ABOUT_LICENCE,
     "Horatick is free software under the MIT licence. You may use, copy, change and pass it on to others, "
     "as long as its copyright and licence notice go with it.",
     8, 48, 212, 24},
    {"STATIC", kLabel, IDC_ABOUT_WARRANTY,
     "It comes with no warranty of any kind. Your settings are kept in HORATICK.INI and HORATICK.CFG in your "
     "configuration folder.",
     8, 74, 212, 24},
    {"STATIC", kLabel, IDC_ABOUT_MENU_NOTE,
     "Everything is set from the clock's system menu; Help on that menu explains each dialog and option.",
     8, 100, 212, 16},
    {"STATIC", kLabel, IDC_ABOUT_COMMENTS,
     "Comments, ideas and reports of problems are always welcome; the lines below say where to send them.", 8,
     120, 212, 16},
    {"STATIC", kLabel, IDC_ABOUT_SEND_LINE1, "Send comments to the", 8, 142, 104, 8},
    {"STATIC", kLabel, IDC_ABOUT_SEND_LINE2, "issue tracker of the", 8, 151, 104, 8},
    {"STATIC", kLabel, IDC_ABOUT_SEND_LINE3, "Horatick project.", 8, 160, 104, 8},
    {"STATIC", kLabel, IDC_ABOUT_REPORT_LINE1, "Please give the version", 116, 142, 104, 8},
    {"STATIC", kLabel, IDC_ABOUT_REPORT_LINE2, "and say what you did and", 116, 151, 104, 8},
    {"STATIC", kLabel, IDC_ABOUT_REPORT_LINE3, "what you saw happen.", 116, 160, 104, 8},
    {"BUTTON", kDefaultButton, IDOK, "OK", 94, 186, 40, 14},
};

}  // namespace

const DialogTemplateResource kAboutTemplate = {
    "ABOUT", WS_POPUP | WS_CAPTION | DS_MODALFRAME, 22, 18, 228, 210, "About", "Helv", 8,
    kItems, static_cast<int>(sizeof(kItems) / sizeof(kItems[0])),
};
