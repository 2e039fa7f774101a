// The Enhanced Alarms dialog: the repeating schedule of one alarm.
//
// The sixteen check boxes are independent of each other, so each is a tab
// stop of its own; the group boxes only frame them.
#include "resources/control_ids.h"
#include "resources/resource_list.h"
#include "resources/template_styles.h"

namespace {

using namespace template_style;

const DialogItemTemplate kItems[] = {
    {"STATIC", kFrame, IDC_ENHANCED_NUMBER_FRAME, "", 6, 2, 76, 22},
    {"STATIC", kGroupLabel, IDC_ENHANCED_NUMBER_LABEL, "Alarm Number:", 10, 10, 48, 10},
    {"STATIC", kFrame, IDC_ENHANCED_NUMBER_BOX, "", 59, 8, 20, 12},
    {"STATIC", kGroupLabel, IDC_ENHANCED_NUMBER, "1", 62, 10, 16, 8},
    {"STATIC", kFrame, IDC_ENHANCED_START_FRAME, "", 86, 2, 58, 46},
    {"STATIC", kGroupLabel, IDC_ENHANCED_START_LABEL, "Start Date:", 94, 8, 34, 10},
    {"EDIT", kFixedEdit | WS_GROUP, IDC_ALARM_DATE, "", 100, 20, 32, 12},
    {"BUTTON", kButton | WS_GROUP, IDC_ENHANCED_TODAY, "Today", 100, 34, 32, 12},
    {"BUTTON", kPlainGroupBox, IDC_ENHANCED_INTERVAL_GROUP, "Week Interval", 6, 26, 70, 152},
    {"BUTTON", kPlainGroupBox, IDC_ENHANCED_PERIODIC_GROUP, "Periodic", 10, 36, 62, 62},
    {"BUTTON", kFirstCheck, IDC_EVERY_WEEK, "Every", 16, 48, 31, 12},
    {"BUTTON", kCheck, IDC_EVERY_OTHER_WEEK, "Every other", 16, 60, 49, 12},
    {"BUTTON", kCheck, IDC_EVERY_THIRD_WEEK, "Every third", 16, 72, 47, 12},
    {"BUTTON", kCheck, IDC_EVERY_FOURTH_WEEK, "Every fourth", 16, 84, 52, 12},
    {"BUTTON", kPlainGroupBox, IDC_ENHANCED_MONTH_GROUP, "Of Every Month", 10, 100, 62, 74},
    {"BUTTON", kFirstCheck, IDC_FIRST_WEEK, "First", 16, 112, 26, 12},
    {"BUTTON", kCheck, IDC_FIRST_WEEK + 1, "Second", 16, 124, 36, 12},
    {"BUTTON", kCheck, IDC_FIRST_WEEK + 2, "Third", 16, 136, 30, 12},
    {"BUTTON", kCheck, IDC_FIRST_WEEK + 3, "Fourth", 16, 148, 32, 12},
    {"BUTTON", kCheck, IDC_FIRST_WEEK + 4, "Fifth", 16, 160, 26, 12},
    {"BUTTON", kPlainGroupBox, IDC_ENHANCED_DAY_GROUP, "Day", 82, 50, 62, 98},
    {"BUTTON", kFirstCheck, IDC_SUNDAY, "Sunday", 90, 62, 36, 12},
    {"BUTTON", kCheck, IDC_SUNDAY + 1, "Monday", 90, 74, 38, 12},
    {"BUTTON", kCheck, IDC_SUNDAY + 2, "Tuesday", 90, 86, 40, 12},
    {"BUTTON", kCheck, IDC_SUNDAY + 3, "Wednesday", 90, 98, 51, 12},
    {"BUTTON", kCheck, IDC_SUNDAY + 4, "Thursday", 90, 110, 42, 12},
    {"BUTTON", kCheck, IDC_SUNDAY + 5, "Friday", 90, 122, 34, 12},
    {"BUTTON", kCheck, IDC_SUNDAY + 6, "Saturday", 90, 134, 42, 12},
    {"BUTTON", kDefaultButton | WS_GROUP, IDOK, "OK", 82, 152, 28, 12},
    {"BUTTON", kButton, IDCANCEL, "Cancel", 116, 152, 28, 12},
    {"BUTTON", kButton, IDC_ENHANCED_HELP, "&Help", 100, 166, 28, 12},
};

}  // namespace

const DialogTemplateResource kDateOptionsTemplate = {
    "DATEOPTIONS",
    WS_POPUP | WS_CAPTION | DS_MODALFRAME,
    14, 27, 154, 182,
    "Enhanced Alarms",
    nullptr, 0,
    kItems, static_cast<int>(sizeof(kItems) / sizeof(kItems[0])),
};
