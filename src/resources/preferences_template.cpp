// The Preferences dialog: the face's time and date formats, the window's
// behaviour, and the options that are only kept.
//
// The radio buttons are plain, and their ids are the values the preferences
// record stores. Every control is a tab stop except the two static texts,
// the two frames and the "Return To Windows" group box.
#include "resources/control_ids.h"
#include "resources/resource_list.h"
#include "resources/template_styles.h"

namespace {

using namespace template_style;

const DialogItemTemplate kItems[] = {
    {"BUTTON", kGroupBox, IDC_PREF_TIME_GROUP, "&Time Format", 6, 6, 78, 86},
    {"BUTTON", kRadio, IDC_PREF_TIME_12H_SUFFIX, "3:00 PM", 12, 20, 40, 10},
    {"BUTTON", kRadio, IDC_PREF_TIME_24H, "15:00", 12, 30, 32, 10},
    {"BUTTON", kRadio, IDC_PREF_TIME_12H, "3:00", 12, 40, 28, 10},
    {"BUTTON", kCheck, IDC_PREF_DISPLAY_SECONDS, "Display Seconds", 12, 50, 70, 12},
    {"BUTTON", kCheck, IDC_PREF_BLINK_COLON, "Blink Colon", 12, 62, 49, 12},
    {"BUTTON", kGroupBox, IDC_PREF_WEEKDAY_GROUP, "Da&y", 180, 7, 41, 54},
    {"BUTTON", kRadio, IDC_PREF_WEEKDAY_SHORT, "Mon", 90, 18, 36, 12},
    {"BUTTON", kRadio, IDC_PREF_WEEKDAY_FULL, "Monday", 90, 28, 37, 12},
    {"BUTTON", kRadio, IDC_PREF_WEEKDAY_NONE, "No Day", 90, 38, 37, 12},
    {"BUTTON", kGroupBox, IDC_PREF_MONTH_GROUP, "&Month", 131, 7, 46, 64},
    {"BUTTON", kRadio, IDC_PREF_MONTH_NUMBER, "1", 134, 18, 16, 12},
    {"BUTTON", kRadio, IDC_PREF_MONTH_TWO_DIGITS, "01", 134, 28, 18, 12},
    {"BUTTON", kRadio, IDC_PREF_MONTH_SHORT, "Jan", 134, 38, 23, 12},
    {"BUTTON", kRadio, IDC_PREF_MONTH_FULL, "January", 134, 48, 38, 12},
    {"BUTTON", kRadio, IDC_PREF_MONTH_NONE, "No Month", 134, 58, 42, 12},
    {"BUTTON", kGroupBox, IDC_PREF_DAY_GROUP, "D&ay", 87, 7, 42, 44},
    {"BUTTON", kRadio, IDC_PREF_DAY_NUMBER, "3", 184, 18, 16, 12},
    {"BUTTON", kRadio, IDC_PREF_DAY_TWO_DIGITS, "03", 184, 28, 20, 12},
    {"BUTTON", kRadio, IDC_PREF_DAY_NONE, "No Day", 184, 38, 35, 12},
    {"BUTTON", kGroupBox, IDC_PREF_YEAR_GROUP, "Y&ear", 223, 7, 44, 44},
    {"BUTTON", kRadio, IDC_PREF_YEAR_SHORT, "90", 226, 18, 28, 12},
    {"BUTTON", kRadio, IDC_PREF_YEAR_FULL, "1990", 226, 28, 28, 12},
    {"BUTTON", kRadio, IDC_PREF_YEAR_NONE, "No Year", 226, 38, 38, 12},
    {"BUTTON", kGroupBox, IDC_PREF_DATE_ORDER_GROUP, "Date &Format", 87, 71, 160, 21},
    {"BUTTON", kRadio, IDC_PREF_DATE_ORDER_MDY, "MDY", 90, 79, 28, 12},
    {"BUTTON", kRadio, IDC_PREF_DATE_ORDER_DMY, "DMY", 124, 79, 28, 12},
    {"BUTTON", kRadio, IDC_PREF_DATE_ORDER_YMD, "YMD", 156, 79, 28, 12},
    {"EDIT", kEdit, IDC_PREF_SEPARATOR, "", 230, 79, 10, 12},
    {"BUTTON", kGroupBox, IDC_PREF_LOCATION_GROUP, "&Remember Screen Location", 6, 93, 160, 39},
    {"BUTTON", kRadio, IDC_PREF_LOCATION_ONE, "One Location", 12, 106, 56, 12},
    {"BUTTON", kRadio, IDC_PREF_LOCATION_LOWER_RIGHT, "Return To Lower Right Corner On Startup", 12, 118, 147, 12},
    {"BUTTON", kCheck, IDC_PREF_LOCK_LOCATION, "Lock Location", 108, 98, 56, 12},
    {"EDIT", kEdit, IDC_PREF_DELAY, "", 76, 143, 21, 12},
    {"STATIC", kLabel, IDC_PREF_DELAY_UNITS_LABEL, "MM:SS", 100, 145, 26, 8},
    {"BUTTON", kGroupBox, IDC_PREF_DISPLAY_GROUP, "&Display", 175, 100, 72, 55},
    {"BUTTON", kCheck, IDC_PREF_SYSTEM_BOX, "System Box", 182, 112, 53, 12},
    {"BUTTON", kCheck, IDC_PREF_STAY_IN_FRONT, "Stay In Front", 182, 124, 58, 12},
    {"BUTTON", kCheck, IDC_PREF_ANTI_CASCADE, "Anti-Cascade", 182, 136, 54, 12},
    {"BUTTON", kGroupBox, IDC_PREF_SCREEN_SAVER_GROUP, "Screen Saver Compatibility", 6, 132, 160, 25},
    {"BUTTON", kRadio, IDC_PREF_SCREEN_SAVER_AUTO, "Auto", 12, 142, 26, 13},
    {"BUTTON", kRadio, IDC_PREF_SCREEN_SAVER_DELAY, "Delay", 44, 142, 31, 12},
    {"BUTTON", kRadio, IDC_PREF_SCREEN_SAVER_NONE, "None", 131, 142, 30, 12},
    {"BUTTON", kRadio, IDC_PREF_PM_UPPER, "PM", 12, 78, 22, 11},
    {"BUTTON", kRadio, IDC_PREF_PM_LOWER, "pm", 39, 79, 22, 10},
    {"STATIC", kFrame, IDC_PREF_AM_PM_FRAME, "", 6, 76, 78, 16},
    {"STATIC", kLabel, IDC_PREF_SEPARATOR_LABEL, "Separator", 195, 81, 35, 8},
    {"STATIC", kFrame, IDC_PREF_LOCK_FRAME, "", 106, 97, 60, 15},
    {"BUTTON", kDefaultButton, IDOK, "&OK", 172, 166, 29, 12},
    {"BUTTON", kButton, IDCANCEL, "&Cancel", 204, 166, 29, 12},
    {"BUTTON", kButton, IDC_PREF_HELP, "&Help", 235, 166, 29, 12},
    {"BUTTON", kCheck, IDC_PREF_FLASH_FOR_ALARMS, "For Alarms", 12, 170, 52, 10},
    {"BUTTON", kCheck, IDC_PREF_FLASH_FOR_HOURLY_BEEP, "For Hourly Beep", 70, 170, 68, 10},
    {"BUTTON", kPlainGroupBox, IDC_PREF_FLASH_GROUP, "Return To Windows If DOS Box Active:", 6, 158, 160, 24},
};

}  // namespace

const DialogTemplateResource kPreferencesTemplate = {
    "PREFERENCES", WS_POPUP | WS_CAPTION | DS_MODALFRAME, 13, -4, 269, 186, "Preferences", nullptr, 0,
    kItems, static_cast<int>(sizeof(kItems) / sizeof(kItems[0])),
};
