// The message an alarm shows: the bell, the note and an OK button. It has no
// system menu; Escape still closes it.
#include "resources/resource_list.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

// The note is the user's own text, so an ampersand in it is shown as it is
// instead of being taken for a mnemonic.
const DialogItemTemplate kItems[] = {
    {"STATIC", kChild | SS_ICON, 100, "Bell", 6, 8, 18, 20},
    {"STATIC", kChild | SS_LEFT | SS_NOPREFIX, 101, "", 30, 8, 166, 32},
    {"BUTTON", kChild | BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, "OK", 80, 46, 40, 12},
};

}  // namespace

const DialogTemplateResource showAlarmMessageTemplate = {
    "SHOWALARMMESSAGE",
    WS_POPUP | WS_CAPTION | DS_MODALFRAME,
    67, 57, 202, 62,
    "Alarm",
    nullptr, 0,
    kItems, static_cast<int>(sizeof(kItems) / sizeof(kItems[0])),
};
