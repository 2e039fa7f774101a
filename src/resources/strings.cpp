// The string table: the day and month names of the face and the texts of the
// numbered error boxes.
#include "resources/resource_list.h"
#include "resources/resources.h"

const StringResource kHoratickStrings[] = {
    {IDS_SUNDAY + 0, "Sunday"},
    {IDS_SUNDAY + 1, "Monday"},
    {IDS_SUNDAY + 2, "Tuesday"},
    {IDS_SUNDAY + 3, "Wednesday"},
    {IDS_SUNDAY + 4, "Thursday"},
    {IDS_SUNDAY + 5, "Friday"},
    {IDS_SUNDAY + 6, "Saturday"},
    {IDS_JANUARY + 0, "January"},
    {IDS_JANUARY + 1, "February"},
    {IDS_JANUARY + 2, "March"},
    {IDS_JANUARY + 3, "April"},
    {IDS_JANUARY + 4, "May"},
    {IDS_JANUARY + 5, "June"},
    {IDS_JANUARY + 6, "July"},
    {IDS_JANUARY + 7, "August"},
    {IDS_JANUARY + 8, "September"},
    {IDS_JANUARY + 9, "October"},
    {IDS_JANUARY + 10, "November"},
    {IDS_JANUARY + 11, "December"},
    {IDS_NO_TIMERS, "No system timers available"},
    {IDS_CANNOT_SAVE_CONFIG, "Unable to save Horatick configuration file"},
    {IDS_CANNOT_SAVE_ALARMS, "Unable to save alarm configuration file"},
    {IDS_INVALID_TIME, "Invalid time entered"},
    {IDS_INVALID_DATE, "Invalid date entered"},
    {IDS_TIME_SETTING_NOTICE, "Time Setting not yet implemented in Windows NT version."},
};

const int kHoratickStringCount = static_cast<int>(sizeof kHoratickStrings / sizeof kHoratickStrings[0]);
