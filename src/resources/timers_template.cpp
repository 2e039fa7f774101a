// The Timers dialog: the four timers, Start / Stop, the face options, the
// countdown length, the live count and the countdown beep.
//
// The radio buttons are plain: the dialog procedure checks them itself.
// Buttons, check boxes, group boxes and the edit are tab stops; the static
// texts and the frame are not.
#include "resources/control_ids.h"
#include "resources/resource_list.h"
#include "resources/template_styles.h"

namespace {

using namespace template_style;

const DialogItemTemplate kItems[] = {
    {"BUTTON", kGroupBox, IDC_TIMERS_TIMER_GROUP, "&Timer", 6, 7, 65, 86},
    {"BUTTON", kRadio, IDC_TIMERS_STOPWATCH1, "Stopwatch 1", 10, 20, 49, 12},
    {"BUTTON", kRadio, IDC_TIMERS_STOPWATCH2, "Stopwatch 2", 10, 32, 50, 12},
    {"BUTTON", kRadio, IDC_TIMERS_COUNTDOWN1, "Countdown 1", 10, 44, 51, 12},
    {"BUTTON", kRadio, IDC_TIMERS_COUNTDOWN2, "Countdown 2", 10, 56, 53, 12},
    {"BUTTON", kButton, IDC_TIMERS_START_STOP, "&Start / Stop", 17, 74, 45, 17},
    {"BUTTON", kGroupBox, IDC_TIMERS_DISPLAY_GROUP, "&Display", 74, 7, 71, 60},
    {"BUTTON", kCheck, IDC_TIMERS_DISPLAY_TIMER, "Display Timer", 78, 18, 57, 12},
    {"BUTTON", kCheck, IDC_TIMERS_DISPLAY_TIME, "Display Time", 78, 30, 55, 12},
    {"BUTTON", kCheck, IDC_TIMERS_DISPLAY_DATE, "Display Date", 78, 42, 54, 12},
    {"BUTTON", kCheck, IDC_TIMERS_DISPLAY_SECONDS, "Display Seconds", 78, 54, 65, 12},
    {"STATIC", kLabel, IDC_TIMERS_COUNTDOWN_FROM_LABEL, "Countdown From", 74, 74, 56, 8},
    {"EDIT", kEdit, IDC_TIMERS_COUNTDOWN_FROM, "", 131, 72, 26, 11},
    {"STATIC", kLabel, IDC_TIMERS_CURRENT_COUNT_LABEL, "Current Count", 74, 88, 47, 8},
    {"STATIC", kCentredLabel, IDC_TIMERS_CURRENT_COUNT, "00:00:00", 133, 89, 30, 8},
    {"STATIC", kFrame, IDC_TIMERS_COUNT_FRAME, "", 131, 87, 38, 11},
    {"BUTTON", kGroupBox, IDC_TIMERS_COUNTDOWN_BEEP_GROUP, "Countdown Beep", 6, 100, 66, 24},
    {"BUTTON", kCheck, IDC_TIMERS_WHEN_FINISHED, "When Finished", 9, 110, 60, 12},
    {"BUTTON", kGroupBox, IDC_TIMERS_PITCH_GROUP, "Pitch", 71, 100, 46, 24},
    {"BUTTON", kRadio, IDC_TIMERS_PITCH_HI, "Hi", 74, 110, 18, 12},
    {"BUTTON", kRadio, IDC_TIMERS_PITCH_LOW, "Low", 92, 110, 24, 12},
    {"BUTTON", kGroupBox, IDC_TIMERS_DURATION_GROUP, "Duration", 117, 100, 59, 24},
    {"BUTTON", kRadio, IDC_TIMERS_BEEP_LONG, "Long", 119, 110, 27, 12},
    {"BUTTON", kRadio, IDC_TIMERS_BEEP_SHORT, "Short", 147, 110, 28, 12},
    {"BUTTON", kDefaultButton, IDOK, "OK", 148, 13, 24, 14},
    {"BUTTON", kButton, IDCANCEL, "Cancel", 147, 33, 28, 14},
    {"BUTTON", kButton, IDC_TIMERS_HELP, "&Help", 149, 52, 24, 14},
};

}  // namespace

const DialogTemplateResource kTimersTemplate = {
    "TIMERS", WS_POPUP | WS_CAPTION | DS_MODALFRAME, 48, 16, 182, 128, "Timers", nullptr, 0,
    kItems, static_cast<int>(sizeof(kItems) / sizeof(kItems[0])),
};
