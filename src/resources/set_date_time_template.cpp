// The Time and Date dialog: the time and date fields, the time-entry modes,
// the buttons that refresh a field from the clock, and Auto Advance Date.
//
// The mode radios are plain: the dialog procedure checks them itself. The
// buttons, the check box, the group box and the two edits are tab stops; the
// static texts are not.
#include "resources/control_ids.h"
#include "resources/resource_list.h"
#include "resources/template_styles.h"

namespace {

using namespace template_style;

const DialogItemTemplate kItems[] = {
    {"STATIC", kCentredLabel, IDC_DATETIME_INSTRUCTION,
     "Enter the correct time and date (and select the appropriate time format if necessary).", 9, 6, 147, 18},
    {"STATIC", kLabel, IDC_DATETIME_TIME_LABEL, "&Time", 7, 43, 16, 10},
    {"EDIT", kEdit, IDC_DATETIME_TIME, "", 27, 43, 36, 12},
    {"BUTTON", kRadio, IDC_DATETIME_MODE_AM, "&AM", 66, 43, 21, 12},
    {"BUTTON", kRadio, IDC_DATETIME_MODE_PM, "&PM", 90, 43, 21, 12},
    {"BUTTON", kRadio, IDC_DATETIME_MODE_24H, "24-&hr", 115, 43, 28, 12},
    {"STATIC", kLabel, IDC_DATETIME_DATE_LABEL, "&Date", 7, 64, 16, 10},
    {"EDIT", kEdit, IDC_DATETIME_DATE, "", 27, 64, 36, 12},
    {"BUTTON", kGroupBox, IDC_DATETIME_UPDATE_GROUP, "&Update to current", 71, 62, 79, 28},
    {"BUTTON", kButton, IDC_DATETIME_UPDATE_TIME, "T&ime", 79, 73, 24, 14},
    {"BUTTON", kButton, IDC_DATETIME_UPDATE_DATE, "D&ate", 116, 73, 24, 14},
    {"BUTTON", kCheck, IDC_DATETIME_AUTO_ADVANCE_DATE, "Aut&o Advance Date", 71, 94, 77, 13},
    {"BUTTON", kDefaultButton, IDOK, "OK", 8, 110, 24, 14},
    {"BUTTON", kButton, IDCANCEL, "Cancel", 38, 110, 29, 14},
    {"BUTTON", kButton, IDC_DATETIME_HELP, "&Help", 128, 110, 24, 14},
};

}  // namespace

const DialogTemplateResource kSetDateTimeTemplate = {
    "SETDATETIME", WS_POPUP | WS_CAPTION | DS_MODALFRAME, 54, 32, 160, 128, "Time and Date", nullptr, 0,
    kItems, static_cast<int>(sizeof(kItems) / sizeof(kItems[0])),
};
