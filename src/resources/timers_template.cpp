// The Timers dialog: the four timers, Start / Stop, the face options, the
// countdown length, the live count and the countdown beep.
//
// The radio buttons are plain: the dialog procedure checks them itself.
// Buttons, check boxes, group boxes and the edit are tab stops; the static
// texts and the frame are not.
#include "resources/resource_list.h"
#include "resources/template_styles.h"
#include "timers/timers_dialog.h"

namespace {

using namespace TimersId;
using namespace template_style;

const DialogItemTemplate kItems[] = {
    {"BUTTON", kGroupBox, TimerGroup, "&Timer", 6, 7, 65, 86},
    {"BUTTON", kRadio, Stopwatch1, "Stopwatch 1", 10, 20, 49, 12},
    {"BUTTON", kRadio, Stopwatch2, "Stopwatch 2", 10, 32, 50, 12},
    {"BUTTON", kRadio, Countdown1, "Countdown 1", 10, 44, 51, 12},
    {"BUTTON", kRadio, Countdown2, "Countdown 2", 10, 56, 53, 12},
    {"BUTTON", kButton, StartStop, "&Start / Stop", 17, 74, 45, 17},
    {"BUTTON", kGroupBox, DisplayGroup, "&Display", 74, 7, 71, 60},
    {"BUTTON", kCheck, DisplayTimer, "Display Timer", 78, 18, 57, 12},
    {"BUTTON", kCheck, DisplayTime, "Display Time", 78, 30, 55, 12},
    {"BUTTON", kCheck, DisplayDate, "Display Date", 78, 42, 54, 12},
    {"BUTTON", kCheck, DisplaySeconds, "Display Seconds", 78, 54, 65, 12},
    {"STATIC", kLabel, CountdownFromLabel, "Countdown From", 74, 74, 56, 8},
    {"EDIT", kEdit, CountdownFrom, "", 131, 72, 26, 11},
    {"STATIC", kLabel, CurrentCountLabel, "Current Count", 74, 88, 47, 8},
    {"STATIC", kCentredLabel, CurrentCount, "00:00:00", 133, 89, 30, 8},
    {"STATIC", kFrame, CountFrame, "", 131, 87, 38, 11},
    {"BUTTON", kGroupBox, CountdownBeepGroup, "Countdown Beep", 6, 100, 66, 24},
    {"BUTTON", kCheck, WhenFinished, "When Finished", 9, 110, 60, 12},
    {"BUTTON", kGroupBox, PitchGroup, "Pitch", 71, 100, 46, 24},
    {"BUTTON", kRadio, PitchHi, "Hi", 74, 110, 18, 12},
    {"BUTTON", kRadio, PitchLow, "Low", 92, 110, 24, 12},
    {"BUTTON", kGroupBox, DurationGroup, "Duration", 117, 100, 59, 24},
    {"BUTTON", kRadio, BeepLong, "Long", 119, 110, 27, 12},
    {"BUTTON", kRadio, BeepShort, "Short", 147, 110, 28, 12},
    {"BUTTON", kDefaultButton, IDOK, "OK", 148, 13, 24, 14},
    {"BUTTON", kButton, IDCANCEL, "Cancel", 147, 33, 28, 14},
    {"BUTTON", kButton, Help, "&Help", 149, 52, 24, 14},
};

}  // namespace

const DialogTemplateResource timersTemplate = {
    "TIMERS", WS_POPUP | WS_CAPTION | DS_MODALFRAME, 48, 16, 182, 128, "Timers", nullptr, 0,
    kItems, static_cast<int>(sizeof(kItems) / sizeof(kItems[0])),
};
