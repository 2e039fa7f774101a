// The Enhanced Alarms dialog: the repeating schedule of one alarm.
//
// The sixteen check boxes are independent of each other, so each is a tab
// stop of its own; the group boxes only frame them.
#include "resources/resource_list.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kLabel = kChild | SS_LEFT | WS_GROUP;
constexpr DWORD kFrame = kChild | SS_BLACKFRAME;
constexpr DWORD kGroupBox = kChild | BS_GROUPBOX;
constexpr DWORD kCheck = kChild | BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kFirstCheck = kCheck | WS_GROUP;
constexpr DWORD kEdit = kChild | ES_LEFT | WS_BORDER | WS_TABSTOP | WS_GROUP;
constexpr DWORD kButton = kChild | BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kDefaultButton = kChild | BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP;

const DialogItemTemplate kItems[] = {
    {"STATIC", kFrame, 134, "", 6, 2, 76, 22},
    {"STATIC", kLabel, 505, "Alarm Number:", 10, 10, 48, 10},
    {"STATIC", kFrame, 507, "", 59, 8, 20, 12},
    {"STATIC", kLabel, 506, "1", 62, 10, 16, 8},
    {"STATIC", kFrame, 135, "", 86, 2, 58, 46},
    {"STATIC", kLabel, 130, "Start Date:", 94, 8, 34, 10},
    {"EDIT", kEdit, 310, "", 100, 20, 32, 12},
    {"BUTTON", kButton | WS_GROUP, 133, "Today", 100, 34, 32, 12},
    {"BUTTON", kGroupBox, 123, "Week Interval", 6, 26, 70, 152},
    {"BUTTON", kGroupBox, 132, "Periodic", 10, 36, 62, 62},
    {"BUTTON", kFirstCheck, 119, "Every", 16, 48, 31, 12},
    {"BUTTON", kCheck, 120, "Every other", 16, 60, 49, 12},
    {"BUTTON", kCheck, 121, "Every third", 16, 72, 47, 12},
    {"BUTTON", kCheck, 122, "Every fourth", 16, 84, 52, 12},
    {"BUTTON", kGroupBox, 131, "Of Every Month", 10, 100, 62, 74},
    {"BUTTON", kFirstCheck, 125, "First", 16, 112, 26, 12},
    {"BUTTON", kCheck, 126, "Second", 16, 124, 36, 12},
    {"BUTTON", kCheck, 127, "Third", 16, 136, 30, 12},
    {"BUTTON", kCheck, 128, "Fourth", 16, 148, 32, 12},
    {"BUTTON", kCheck, 129, "Fifth", 16, 160, 26, 12},
    {"BUTTON", kGroupBox, 118, "Day", 82, 50, 62, 98},
    {"BUTTON", kFirstCheck, 111, "Sunday", 90, 62, 36, 12},
    {"BUTTON", kCheck, 112, "Monday", 90, 74, 38, 12},
    {"BUTTON", kCheck, 113, "Tuesday", 90, 86, 40, 12},
    {"BUTTON", kCheck, 114, "Wednesday", 90, 98, 51, 12},
    {"BUTTON", kCheck, 115, "Thursday", 90, 110, 42, 12},
    {"BUTTON", kCheck, 116, "Friday", 90, 122, 34, 12},
    {"BUTTON", kCheck, 117, "Saturday", 90, 134, 42, 12},
    {"BUTTON", kDefaultButton, IDOK, "OK", 82, 152, 28, 12},
    {"BUTTON", kButton, IDCANCEL, "Cancel", 116, 152, 28, 12},
    {"BUTTON", kButton, 400, "&Help", 100, 166, 28, 12},
};

}  // namespace

const DialogTemplateResource dateOptionsTemplate = {
    "DATEOPTIONS",
    WS_POPUP | WS_CAPTION | DS_MODALFRAME,
    14, 27, 154, 182,
    "Enhanced Alarms",
    nullptr, 0,
    kItems, static_cast<int>(sizeof(kItems) / sizeof(kItems[0])),
};
