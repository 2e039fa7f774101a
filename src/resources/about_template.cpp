// The About box: the program's icon, name and version, notes for users and
// where to send comments.
#include "resources/resource_list.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kIcon = kChild | SS_ICON;
constexpr DWORD kHeading = kChild | SS_CENTER;
constexpr DWORD kRule = kChild | SS_BLACKRECT;
constexpr DWORD kText = kChild | SS_LEFT;
constexpr DWORD kDefaultButton = kChild | BS_DEFPUSHBUTTON | WS_TABSTOP;

const DialogItemTemplate kItems[] = {
    {"STATIC", kIcon, 106, "Horatick", 8, 8, 18, 20},
    {"STATIC", kHeading, 100, "Horatick", 36, 8, 156, 10},
    {"STATIC", kHeading, 101, "Version 1.0.0 for Linux, December 2026", 36, 19, 156, 8},
    {"STATIC", kHeading, 102, "A desk clock with alarms and timers", 36, 28, 156, 8},
    {"STATIC", kRule, 110, "", 104, 40, 20, 2},
    {"STATIC", kText, 104,
     "Horatick is free software under the MIT licence. You may use, copy, change and pass it on to others, "
     "as long as its copyright and licence notice go with it.",
     8, 48, 212, 24},
    {"STATIC", kText, 105,
     "It comes with no warranty of any kind. Your settings are kept in HORATICK.INI and HORATICK.CFG in your "
     "configuration folder.",
     8, 74, 212, 24},
    {"STATIC", kText, 107,
     "Everything is set from the clock's system menu; Help on that menu explains each dialog and option.",
     8, 100, 212, 16},
    {"STATIC", kText, 114,
     "Comments, ideas and reports of problems are always welcome; the lines below say where to send them.", 8,
     120, 212, 16},
    {"STATIC", kText, 108, "Send comments to the", 8, 142, 104, 8},
    {"STATIC", kText, 103, "issue tracker of the", 8, 151, 104, 8},
    {"STATIC", kText, 109, "Horatick project.", 8, 160, 104, 8},
    {"STATIC", kText, 111, "Please give the version", 116, 142, 104, 8},
    {"STATIC", kText, 112, "and say what you did and", 116, 151, 104, 8},
    {"STATIC", kText, 113, "what you saw happen.", 116, 160, 104, 8},
    {"BUTTON", kDefaultButton, IDOK, "OK", 94, 186, 40, 14},
};

}  // namespace

const DialogTemplateResource aboutTemplate = {
    "ABOUT", WS_POPUP | WS_CAPTION | DS_MODALFRAME, 22, 18, 228, 210, "About", "Helv", 8,
    kItems, static_cast<int>(sizeof(kItems) / sizeof(kItems[0])),
};
