// The message an alarm shows: the bell, the note and an OK button. It has no
// system menu; Escape still closes it.
#include "resources/control_ids.h"
#include "resources/resource_list.h"
#include "resources/template_styles.h"

namespace {

using namespace template_style;

// The note is the user's own text, so an ampersand in it is shown as it is
// instead of being taken for a mnemonic.
const DialogItemTemplate kItems[] = {
    {"STATIC", kIcon, IDC_MESSAGE_ICON, "Bell", 6, 8, 18, 20},
    {"STATIC", kLabel | SS_NOPREFIX, IDC_MESSAGE_NOTE, "", 30, 8, 166, 32},
    {"BUTTON", kDefaultButton, IDOK, "OK", 80, 46, 40, 12},
};

}  // namespace

const DialogTemplateResource kShowAlarmMessageTemplate = {
    "SHOWALARMMESSAGE",
    WS_POPUP | WS_CAPTION | DS_MODALFRAME,
    67, 57, 202, 62,
    "Alarm",
    nullptr, 0,
    kItems, static_cast<int>(sizeof(kItems) / sizeof(kItems[0])),
};
