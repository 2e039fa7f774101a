// The Time and Date dialog: the time and date fields, the time-entry modes,
// the buttons that refresh a field from the clock, and Auto Advance Date.
//
// The mode radios are plain: the dialog procedure checks them itself. The
// buttons, the check box, the group box and the two edits are tab stops; the
// static texts are not.
#include "datetime/set_date_time_dialog.h"
#include "resources/resource_list.h"
#include "resources/template_styles.h"

namespace {

using namespace SetDateTimeId;
using namespace template_style;

const DialogItemTemplate kItems[] = {
    {"STATIC", kCentredLabel, Instruction,
     "Enter the correct time and date (and select the appropriate time format if necessary).", 9, 6, 147, 18},
    {"STATIC", kLabel, TimeLabel, "&Time", 7, 43, 16, 10},
    {"EDIT", kEdit, TimeField, "", 27, 43, 36, 12},
    {"BUTTON", kRadio, ModeAm, "&AM", 66, 43, 21, 12},
    {"BUTTON", kRadio, ModePm, "&PM", 90, 43, 21, 12},
    {"BUTTON", kRadio, Mode24Hour, "24-&hr", 115, 43, 28, 12},
    {"STATIC", kLabel, DateLabel, "&Date", 7, 64, 16, 10},
    {"EDIT", kEdit, DateField, "", 27, 64, 36, 12},
    {"BUTTON", kGroupBox, UpdateGroup, "&Update to current", 71, 62, 79, 28},
    {"BUTTON", kButton, UpdateTime, "T&ime", 79, 73, 24, 14},
    {"BUTTON", kButton, UpdateDate, "D&ate", 116, 73, 24, 14},
    {"BUTTON", kCheck, AutoAdvanceDate, "Aut&o Advance Date", 71, 94, 77, 13},
    {"BUTTON", kDefaultButton, IDOK, "OK", 8, 110, 24, 14},
    {"BUTTON", kButton, IDCANCEL, "Cancel", 38, 110, 29, 14},
    {"BUTTON", kButton, Help, "&Help", 128, 110, 24, 14},
};

}  // namespace

const DialogTemplateResource setDateTimeTemplate = {
    "SETDATETIME", WS_POPUP | WS_CAPTION | DS_MODALFRAME, 54, 32, 160, 128, "Time and Date", nullptr, 0,
    kItems, static_cast<int>(sizeof(kItems) / sizeof(kItems[0])),
};
