// The Alarm Settings dialog: the ten alarms' time, date, action and beep.
//
// Radio groups start at a control with WS_GROUP and run to the next one, so
// the date-mode pair (600, 601) and the action pair (124, 125) each stay one
// group with their edits between them; every group and every other input is
// one tab stop.
#include "resources/control_ids.h"
#include "resources/resource_list.h"
#include "resources/template_styles.h"

namespace {

using namespace template_style;

const DialogItemTemplate kItems[] = {
    {"STATIC", kGroupLabel, IDC_ALARM_NUMBER_LABEL, "Alarm", 17, 10, 21, 9},
    {"BUTTON", kFirstAutoRadio, IDC_ALARM_FIRST, "&1", 39, 8, 18, 12},
    {"BUTTON", kAutoRadio, IDC_ALARM_FIRST + 1, "&2", 61, 8, 17, 12},
    {"BUTTON", kAutoRadio, IDC_ALARM_FIRST + 2, "&3", 83, 8, 16, 12},
    {"BUTTON", kAutoRadio, IDC_ALARM_FIRST + 3, "&4", 105, 8, 16, 12},
    {"BUTTON", kAutoRadio, IDC_ALARM_FIRST + 4, "&5", 127, 8, 17, 12},
    {"BUTTON", kAutoRadio, IDC_ALARM_FIRST + 5, "&6", 39, 20, 18, 12},
    {"BUTTON", kAutoRadio, IDC_ALARM_FIRST + 6, "&7", 61, 20, 16, 12},
    {"BUTTON", kAutoRadio, IDC_ALARM_FIRST + 7, "&8", 83, 20, 17, 12},
    {"BUTTON", kAutoRadio, IDC_ALARM_FIRST + 8, "&9", 105, 20, 16, 12},
    {"BUTTON", kAutoRadio, IDC_ALARM_LAST, "1&0", 127, 20, 20, 12},
    {"BUTTON", kFirstCheck, IDC_ALARM_ENABLED, "&Enabled", 148, 6, 40, 12},
    {"BUTTON", kPlainGroupBox, IDC_ALARM_TIME_GROUP, "Time", 7, 34, 137, 25},
    {"STATIC", kGroupLabel, IDC_ALARM_TIME_LABEL, "&Time:", 12, 46, 20, 10},
    {"EDIT", kFixedEdit, IDC_ALARM_TIME, "", 35, 45, 24, 12},
    {"BUTTON", kFirstAutoRadio, IDC_ALARM_AM, "&AM", 62, 45, 21, 12},
    {"BUTTON", kAutoRadio, IDC_ALARM_PM, "&PM", 86, 45, 22, 12},
    {"BUTTON", kAutoRadio, IDC_ALARM_24H, "24-&hr", 112, 45, 28, 12},
    {"BUTTON", kPlainGroupBox, IDC_ALARM_DATE_GROUP, "Date", 148, 18, 86, 40},
    {"BUTTON", kFirstAutoRadio, IDC_ALARM_ONE_DATE, "One Date:", 154, 30, 42, 12},
    {"EDIT", kFixedEdit, IDC_ALARM_DATE, "", 198, 30, 32, 12},
    {"BUTTON", kAutoRadio, IDC_ALARM_ENHANCED, "Enhanced Alarms...", 154, 44, 76, 12},
    {"BUTTON", kPlainGroupBox, IDC_ALARM_ACTION_GROUP, "To Do When Alarm Goes Off", 7, 60, 128, 31},
    {"BUTTON", kFirstAutoRadio, IDC_ALARM_ACTION_NOTE, "&Note:", 9, 76, 28, 12},
    {"EDIT", kEdit, IDC_ALARM_NOTE, "", 39, 76, 91, 12},
    {"BUTTON", kAutoRadio, IDC_ALARM_ACTION_PROGRAM, "&Run Program:", 9, 92, 54, 12},
    {"EDIT", kEdit, IDC_ALARM_PROGRAM, "", 67, 93, 63, 12},
    {"BUTTON", kFirstButton, IDC_ALARM_LIST_FILES, "List Files", 27, 109, 63, 14},
    {"BUTTON", kPlainGroupBox, IDC_ALARM_SHOW_GROUP, "Show Program", 43, 126, 92, 30},
    {"BUTTON", kFirstAutoRadio, IDC_ALARM_SHOW_MAX, "Max", 46, 140, 25, 12},
    {"BUTTON", kAutoRadio, IDC_ALARM_SHOW_MIN, "Min", 72, 140, 24, 12},
    {"BUTTON", kAutoRadio, IDC_ALARM_SHOW_NORMAL, "Normal", 98, 140, 34, 12},
    {"STATIC", kFrame | WS_GROUP, IDC_ALARM_PROGRAM_FRAME, "", 7, 90, 128, 66},
    {"BUTTON", kPlainGroupBox, IDC_ALARM_BEEP_GROUP, "Beep", 142, 60, 86, 79},
    {"BUTTON", kFirstCheck, IDC_ALARM_BEEP, "Beep", 147, 73, 28, 12},
    {"BUTTON", kPlainGroupBox, IDC_ALARM_TONE_GROUP, "Tone", 147, 87, 57, 26},
    {"BUTTON", kFirstAutoRadio, IDC_ALARM_TONE_HI, "Hi", 154, 98, 18, 12},
    {"BUTTON", kAutoRadio, IDC_ALARM_TONE_LOW, "Low", 175, 98, 26, 12},
    {"BUTTON", kPlainGroupBox, IDC_ALARM_DURATION_GROUP, "Duration", 147, 113, 68, 26},
    {"BUTTON", kFirstAutoRadio, IDC_ALARM_BEEP_SHORT, "Short", 154, 125, 28, 12},
    {"BUTTON", kAutoRadio, IDC_ALARM_BEEP_LONG, "Long", 185, 125, 28, 12},
    {"BUTTON", kFirstCheck, IDC_ALARM_REMIND, "Remind On Startup", 142, 143, 82, 12},
    {"BUTTON", kCheck, IDC_ALARM_EVEN_IF_SAVER, "Alarm Even If Screen Saver Active", 7, 158, 128, 12},
    {"BUTTON", kDefaultButton | WS_GROUP, IDOK, "OK", 139, 158, 28, 12},
    {"BUTTON", kButton, IDCANCEL, "Cancel", 170, 158, 28, 12},
    {"BUTTON", kButton, IDC_ALARM_HELP, "&Help", 201, 158, 28, 12},
};

}  // namespace

const DialogTemplateResource kSetAlarmTemplate = {
    "SETALARM",
    WS_POPUP | WS_CAPTION | DS_MODALFRAME,
    28, 8, 238, 172,
    "Alarm Settings",
    nullptr, 0,
    kItems, static_cast<int>(sizeof(kItems) / sizeof(kItems[0])),
};
