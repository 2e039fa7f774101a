// The Alarm Settings dialog: the ten alarms' time, date, action and beep.
//
// Radio groups start at a control with WS_GROUP and run to the next one, so
// the date-mode pair (600, 601) and the action pair (124, 125) each stay one
// group with their edits between them; every group and every other input is
// one tab stop.
#include "resources/resource_list.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kLabel = kChild | SS_LEFT | WS_GROUP;
constexpr DWORD kFrame = kChild | SS_BLACKFRAME;
constexpr DWORD kGroupBox = kChild | BS_GROUPBOX;
constexpr DWORD kFirstRadio = kChild | BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP;
constexpr DWORD kRadio = kChild | BS_AUTORADIOBUTTON;
constexpr DWORD kCheck = kChild | BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kFirstCheck = kCheck | WS_GROUP;
constexpr DWORD kEdit = kChild | ES_LEFT | WS_BORDER | WS_TABSTOP;
constexpr DWORD kScrollingEdit = kEdit | ES_AUTOHSCROLL;
constexpr DWORD kButton = kChild | BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kFirstButton = kButton | WS_GROUP;
constexpr DWORD kDefaultButton = kChild | BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP;

const DialogItemTemplate kItems[] = {
    {"STATIC", kLabel, 400, "Alarm", 17, 10, 21, 9},
    {"BUTTON", kFirstRadio, 401, "&1", 39, 8, 18, 12},
    {"BUTTON", kRadio, 402, "&2", 61, 8, 17, 12},
    {"BUTTON", kRadio, 403, "&3", 83, 8, 16, 12},
    {"BUTTON", kRadio, 404, "&4", 105, 8, 16, 12},
    {"BUTTON", kRadio, 405, "&5", 127, 8, 17, 12},
    {"BUTTON", kRadio, 406, "&6", 39, 20, 18, 12},
    {"BUTTON", kRadio, 407, "&7", 61, 20, 16, 12},
    {"BUTTON", kRadio, 408, "&8", 83, 20, 17, 12},
    {"BUTTON", kRadio, 409, "&9", 105, 20, 16, 12},
    {"BUTTON", kRadio, 410, "1&0", 127, 20, 20, 12},
    {"BUTTON", kFirstCheck, 306, "&Enabled", 148, 6, 40, 12},
    {"BUTTON", kGroupBox, 131, "Time", 7, 34, 137, 25},
    {"STATIC", kLabel, 305, "&Time:", 12, 46, 20, 10},
    {"EDIT", kEdit, 304, "", 35, 45, 24, 12},
    {"BUTTON", kFirstRadio, 118, "&AM", 62, 45, 21, 12},
    {"BUTTON", kRadio, 119, "&PM", 86, 45, 22, 12},
    {"BUTTON", kRadio, 120, "24-&hr", 112, 45, 28, 12},
    {"BUTTON", kGroupBox, 132, "Date", 148, 18, 86, 40},
    {"BUTTON", kFirstRadio, 600, "One Date:", 154, 30, 42, 12},
    {"EDIT", kEdit, 310, "", 198, 30, 32, 12},
    {"BUTTON", kRadio, 601, "Enhanced Alarms...", 154, 44, 76, 12},
    {"BUTTON", kGroupBox, 122, "To Do When Alarm Goes Off", 7, 60, 128, 31},
    {"BUTTON", kFirstRadio, 124, "&Note:", 9, 76, 28, 12},
    {"EDIT", kScrollingEdit, 307, "", 39, 76, 91, 12},
    {"BUTTON", kRadio, 125, "&Run Program:", 9, 92, 54, 12},
    {"EDIT", kScrollingEdit, 123, "", 67, 93, 63, 12},
    {"BUTTON", kFirstButton, 141, "List Files", 27, 109, 63, 14},
    {"BUTTON", kGroupBox, 130, "Show Program", 43, 126, 92, 30},
    {"BUTTON", kFirstRadio, 127, "Max", 46, 140, 25, 12},
    {"BUTTON", kRadio, 128, "Min", 72, 140, 24, 12},
    {"BUTTON", kRadio, 129, "Normal", 98, 140, 34, 12},
    {"STATIC", kFrame | WS_GROUP, 126, "", 7, 90, 128, 66},
    {"BUTTON", kGroupBox, 550, "Beep", 142, 60, 86, 79},
    {"BUTTON", kFirstCheck, 555, "Beep", 147, 73, 28, 12},
    {"BUTTON", kGroupBox, 500, "Tone", 147, 87, 57, 26},
    {"BUTTON", kFirstRadio, 505, "Hi", 154, 98, 18, 12},
    {"BUTTON", kRadio, 506, "Low", 175, 98, 26, 12},
    {"BUTTON", kGroupBox, 520, "Duration", 147, 113, 68, 26},
    {"BUTTON", kFirstRadio, 525, "Short", 154, 125, 28, 12},
    {"BUTTON", kRadio, 526, "Long", 185, 125, 28, 12},
    {"BUTTON", kFirstCheck, 143, "Remind On Startup", 142, 143, 82, 12},
    {"BUTTON", kCheck, 142, "Alarm Even If Screen Saver Active", 7, 158, 128, 12},
    {"BUTTON", kDefaultButton, IDOK, "OK", 139, 158, 28, 12},
    {"BUTTON", kButton, IDCANCEL, "Cancel", 170, 158, 28, 12},
    {"BUTTON", kButton, 303, "&Help", 201, 158, 28, 12},
};

}  // namespace

const DialogTemplateResource setAlarmTemplate = {
    "SETALARM",
    WS_POPUP | WS_CAPTION | DS_MODALFRAME,
    28, 8, 238, 172,
    "Alarm Settings",
    nullptr, 0,
    kItems, static_cast<int>(sizeof(kItems) / sizeof(kItems[0])),
};
